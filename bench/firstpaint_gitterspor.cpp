// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Built with the game's own main (src/app/main.cpp): its start-up, ended at
// the first paint of the board grid. The probe is set when the application
// object is made.
#include "FirstPaint.h"

#include <QCoreApplication>

static void watchBoardGrid()
{
    new FirstPaint(QStringLiteral("sgNet"));
}
Q_COREAPP_STARTUP_FUNCTION(watchBoardGrid)
