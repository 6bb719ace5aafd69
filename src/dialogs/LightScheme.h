// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

// The game paints its own colours (the board's green, the silver faces) and
// takes text and the other faces from the style, which follows a dark
// desktop (Windows 11's dark mode, a dark KDE or GNOME scheme, a browser in
// dark mode): light text on the silver. It keeps to the light scheme it was
// drawn for, from start-up and when the desktop turns dark later.
namespace LightScheme {

// Asks Qt for the light scheme where Qt can be asked (Qt 6.8 on Windows
// and in a browser), and sets a light palette of the game's own whenever
// the desktop's is dark. Call once, after the application is made.
void keep();

} // namespace LightScheme
