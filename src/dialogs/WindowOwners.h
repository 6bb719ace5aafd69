// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// The program's main window, and the owner every dialog is shown over.
namespace WindowOwners {

// The owner of dialogs when no window is active (not every desktop
// activates windows).
void setMainWindow(QWidget *window);
// Makes a short-lived dialog the transient window of the window the user
// works in, so that the window manager or the compositor shows it over that
// window. It does not become that window's child: a child would die with
// its parent before it is answered.
void setOwner(QWidget *dialog);

} // namespace WindowOwners
