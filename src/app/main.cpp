// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "LightScheme.h"
#include "Page.h"
#include "Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>


namespace {

// Before the application exists: the windowing system to run on. Where a
// Wayland desktop also offers X11 (XWayland), the game runs as an X11 client:
// its windows are placed in the centre of the screen, which a Wayland client
// cannot do, and the window manager draws their frames. Natively on Wayland
// otherwise, or when the user says so. Windows has one windowing system
// (under Wine, too, where DISPLAY is set).
void choosePlatform()
{
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
#endif
}

// The game is Danish whatever the user's locale, and so are the dialogs and
// menus that Qt makes (the printer set-up, an edit box's menu). Numbers
// still follow the user's locale.
void speakDanish(QTranslator &translator)
{
    if (translator.load(QStringLiteral("qtbase_da"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
}

} // namespace

int main(int argc, char *argv[])
{
    choosePlatform();
    QApplication app(argc, argv);
    LightScheme::keep();
    // what the desktop shows where a window has no caption of its own
    QApplication::setApplicationName(QStringLiteral("Gitterspor"));
    QApplication::setDesktopFileName(QStringLiteral("org.gitterspor.Gitterspor"));
    QTranslator danish;
    speakDanish(danish);
    const auto windows = Startup::create();
    windows->showBoard();
    // in a browser the page stays when the game ends: it says so, and offers
    // a new game
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &Page::ended);
    return app.exec();
}
