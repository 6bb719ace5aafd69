// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Startup.h"
#include "About.h"
#include "Design.h"
#include "HelpViewer.h"
#include "Indstil.h"
#include "MessageDlg.h"
#include "Visstat.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void Startup::choosePlatform()
{
    // Where a Wayland desktop also offers X11 (XWayland), the game runs as
    // an X11 client: its windows are placed in the centre of the screen,
    // which a Wayland client cannot do, and the window manager draws their
    // frames. Natively on Wayland otherwise, or when the user says so.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

namespace {
// The game is Danish whatever the user's locale, and so are the dialogs and
// menus that Qt makes (the printer set-up, an edit box's menu). Numbers
// still follow the user's locale.
void speakDanish()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_da"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace

std::unique_ptr<Startup> Startup::create()
{
    HelpViewer::setHelpFile(QStringLiteral("GITTERSP.HLP"));
    setHelpOpener(&HelpViewer::showContext);
    speakDanish();
    return std::unique_ptr<Startup>(new Startup);
}

Startup::Startup()
    : m_braet(std::make_unique<TfmBraet>())
{
    auto *indstil = new TfmIndstil(m_braet.get());
    auto *about = new TfmAbout(m_braet.get());
    auto *statistik = new TfmStatistik(m_braet.get());
    m_braet->setWindows(indstil, about, statistik);
}

void Startup::show()
{
    // where the window manager puts it back when it is no longer maximised
    Design::centreOnScreen(m_braet.get());
    m_braet->showMaximized();
}
