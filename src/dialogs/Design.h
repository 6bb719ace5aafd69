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
// "Courier New", or failing that any fixed-pitch font: the statistics and
// the printouts line their columns up by it.
QFont typewriterFont(int pixelSize);
// Centres a top-level window on the screen by its outer size, frame and
// title bar included.
void centreOnScreen(QWidget *window);
// Remembers the frame around a shown window, for windows not shown yet.
void noteFrame(const QWidget *window);
// The screen a window is on, or failing that the primary screen; a
// 640 x 480 area when there is no screen at all.
QRect screenArea(const QWidget *window, bool available = false);

// The program's main window: the owner of dialogs when no window is active
// (not every desktop activates windows).
void setMainWindow(QWidget *window);
// Makes a short-lived dialog the transient window of the window the user
// works in, so that the window manager or the compositor shows it over that
// window. It does not become that window's child: a child dies with its
// parent, also in the middle of exec().
void setOwner(QWidget *dialog);

} // namespace Design
