// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "Braet.h"

#include <memory>

// The start of the run: the help, what screen readers are told, and the
// board window, which shows the splash; the settings, about and statistics
// windows are made when first opened (RunWindows).
class Startup
{
public:
    // Names the help file and installs the accessibility, then creates the
    // board window.
    static std::unique_ptr<Startup> create();
    // Shows the board window, maximised.
    void showBoard();

    TfmBraet &braet() { return *m_braet; }

private:
    Startup();

    // The board window owns the others as its Qt children.
    std::unique_ptr<TfmBraet> m_braet;
};
