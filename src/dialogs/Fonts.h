// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// Fonts by the names and character heights the windows and printouts were
// designed with.
namespace Fonts {

QFont font(const QString &family, int pixelSize, bool bold = false);
// "Courier New", or failing that any fixed-pitch font: the statistics and
// the printouts line their columns up by it.
QFont typewriterFont(int pixelSize);

} // namespace Fonts
