// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "PlayerName.h"
#include "MessageDlg.h"
#include "Navn.h"

#include <QApplication>
#include <QLineEdit>

namespace {
QString g_playerName;
}

const QString &PlayerName()
{
    return g_playerName;
}

bool AskPlayerName()
{
    TfmBrugerNavn dialog(QApplication::activeWindow());
    dialog.edNavn->setText(g_playerName);
    if (dialog.exec() != mrOk)
        return false;
    g_playerName = dialog.edNavn->text();
    return true;
}
