// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QWidget>

// What the windows share of their design: the dialog frame, fonts by their
// design names and character heights, and centring on the screen.
namespace Design {

// A dialog border with the system menu and the close box, nothing else.
constexpr Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QFont font(const QString &family, int pixelSize, bool bold = false);
// Centres a top-level window on the screen by its outer size, frame and
// title bar included.
void centreOnScreen(QWidget *window);
// Remembers the frame around a shown window, for windows not shown yet.
void noteFrame(const QWidget *window);

} // namespace Design
