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
    m_braet->showMaximized();
}
