// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Startup.h"
#include "Accessibility.h"
#include "HelpViewer.h"
#include "MessageDlg.h"
#include "WindowPlacement.h"

std::unique_ptr<Startup> Startup::create()
{
    HelpViewer::setHelpFile(QStringLiteral("GITTERSP.HLP"));
    setHelpOpener(&HelpViewer::showContext);
    Accessibility::install();
    return std::unique_ptr<Startup>(new Startup);
}

Startup::Startup()
    : m_braet(std::make_unique<TfmBraet>())
{
}

void Startup::showBoard()
{
    // where the window manager puts it back when it is no longer maximised
    WindowPlacement::centreOnScreen(m_braet.get());
#ifdef Q_OS_WASM
    m_braet->showFullScreen(); // the browser's page is the window: no frame of Qt's
#else
    m_braet->showMaximized();
#endif
}
