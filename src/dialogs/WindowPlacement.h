// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>

// Where windows go: in the centre of the screen, by their outer size, frame
// and title bar included, which the window manager makes known only once a
// window is shown.
namespace WindowPlacement {

// A dialog border with the system menu and the close box, nothing else.
constexpr Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Centres a top-level window on the screen by its outer size.
void centreOnScreen(QWidget *window);
// Remembers the frame around a shown window, for windows not shown yet.
void noteFrame(const QWidget *window);
// The screen a window is on, or failing that the primary screen; a
// 640 x 480 area when there is no screen at all.
QRect screenArea(const QWidget *window, bool available = false);

} // namespace WindowPlacement
