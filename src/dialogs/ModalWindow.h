// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

class QDialog;

namespace ModalWindow {

// Shows a window modal that opens modal windows of its own (the statistics
// window, whose printout asks for the name). On the desktop it waits in its
// own loop until the window closes. A browser can wait in one loop at a
// time, so there it is shown modal without a loop and returns at once; it
// blocks the windows behind it all the same, and the windows it opens wait
// in the one loop.
void open(QDialog &dialog);

} // namespace ModalWindow
