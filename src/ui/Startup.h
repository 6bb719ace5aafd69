// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "Braet.h"

#include <memory>

// The windows of the run: the board window, which shows the splash and makes
// the settings, about and statistics windows when they are first opened.
class Startup
{
public:
    // Names the help file, then creates the board window.
    static std::unique_ptr<Startup> create();
    // Shows the board window, maximised.
    void showBoard();

    TfmBraet &braet() { return *m_braet; }

private:
    Startup();

    // The board window owns the others as its Qt children.
    std::unique_ptr<TfmBraet> m_braet;
};
