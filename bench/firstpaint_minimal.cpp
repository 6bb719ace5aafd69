// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The floor: a bare main window with one push button, ended at its first paint.
#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *button = new QPushButton(QStringLiteral("OK"));
    window.setCentralWidget(button);
    FirstPaint probe(button);
    window.showMaximized();
    return app.exec();
}
