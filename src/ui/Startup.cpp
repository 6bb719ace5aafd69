// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Startup.h"
#include "HelpViewer.h"

std::unique_ptr<Startup> Startup::create()
{
    HelpViewer::setHelpFile(QStringLiteral("GITTERSP.HLP"));
    return std::unique_ptr<Startup>(new Startup);
}

Startup::Startup()
{
    braet.setWindows(&indstil, &about, &statistik);
}

void Startup::show()
{
    braet.showMaximized();
}
