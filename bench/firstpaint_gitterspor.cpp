// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The game's own start-up, ended at the first paint of the board grid.
#include "BoardGrid.h"
#include "FirstPaint.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const auto windows = Startup::create();
    FirstPaint probe(windows->braet().sgNet);
    windows->show();
    return app.exec();
}
