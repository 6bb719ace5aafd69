// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Startup.h"
#include "About.h"
#include "Design.h"
#include "HelpViewer.h"
#include "Indstil.h"
#include "Visstat.h"

std::unique_ptr<Startup> Startup::create()
{
    HelpViewer::setHelpFile(QStringLiteral("GITTERSP.HLP"));
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
