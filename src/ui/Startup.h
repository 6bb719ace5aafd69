// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "Braet.h"

#include <memory>

// The windows that live for the whole run, created in their order: the board
// (which shows the splash), the settings, the about box and the statistics.
class Startup
{
public:
    // Before the application exists: the windowing system to run on.
    static void choosePlatform();
    // Names the help file and gives Qt's own texts in Danish, then creates
    // the windows.
    static std::unique_ptr<Startup> create();
    // Shows the board window, maximised.
    void show();

    TfmBraet &braet() { return *m_braet; }

private:
    Startup();

    // The board window owns the other three as its Qt children.
    std::unique_ptr<TfmBraet> m_braet;
};
