// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Startup::choosePlatform();
    QApplication app(argc, argv);
    // what the desktop shows where a window has no caption of its own
    QApplication::setApplicationName(QStringLiteral("Gitterspor"));
    QApplication::setDesktopFileName(QStringLiteral("org.gitterspor.Gitterspor"));
    const auto windows = Startup::create();
    windows->show();
    return app.exec();
}
