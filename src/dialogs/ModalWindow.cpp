// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "ModalWindow.h"

#include <QDialog>

namespace ModalWindow {

void open(QDialog &dialog)
{
#ifdef Q_OS_WASM
    dialog.open();
#else
    dialog.exec();
#endif
}

} // namespace ModalWindow
