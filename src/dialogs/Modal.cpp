// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Modal.h"

#include <QDialog>

#include <utility>

namespace Modal {

void open(QDialog &dialog, const QObject *receiver, std::function<void(int result)> answered)
{
    // once: a window kept for the run answers each opening to its own asker
    if (answered)
        QObject::connect(&dialog, &QDialog::finished, receiver ? receiver : &dialog, std::move(answered),
                         Qt::SingleShotConnection);
    // QDialog::open() would make it modal to its owner alone: the game's
    // windows hold back every other window of the game
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setResult(0);
    dialog.show();
}

} // namespace Modal
