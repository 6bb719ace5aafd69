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
void centreOnScreen(QWidget *window);

} // namespace Design
