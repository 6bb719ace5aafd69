// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "About.h"
#include "Braet.h"
#include "Indstil.h"
#include "Visstat.h"

#include <memory>

// The windows that live for the whole run, created in their order: the board
// (which shows the splash), the settings, the about box and the statistics.
class Startup
{
public:
    // Names the help file first, then creates the windows.
    static std::unique_ptr<Startup> create();
    // Shows the board window, maximised.
    void show();

    TfmBraet braet;
    TfmIndstil indstil{&braet};
    TfmAbout about{&braet};
    TfmStatistik statistik{&braet};

private:
    Startup();
};
