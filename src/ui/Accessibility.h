// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

// What screen readers are told of the program beyond what Qt tells them:
// the board's points, the notepad's lines, the spoken results, the board
// window as a window. Installed once for the process, before the first
// window is made.
namespace Accessibility {

void install();

} // namespace Accessibility
