// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "About.h"
#include "Braet.h"
#include "HelpViewer.h"
#include "Indstil.h"
#include "Visstat.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    HelpViewer::setHelpFile(QStringLiteral("GITTERSP.HLP"));

    TfmBraet braet;
    TfmIndstil indstil(&braet);
    TfmAbout about(&braet);
    TfmStatistik statistik(&braet);
    braet.setWindows(&indstil, &about, &statistik);

    braet.showMaximized();
    return app.exec();
}
