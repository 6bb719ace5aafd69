// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "About.h"
#include "Accessibility.h"
#include "ArrowPrompt.h"
#include "BoardGrid.h"
#include "Braet.h"
#include "HoverHint.h"
#include "Indstil.h"
#include "RecordingView.h"
#include "Splash.h"
#include "Visstat.h"

#include <QPushButton>
#include <QTest>

// The board window as start-up makes it, with the computer's hidden places
// chosen by the test; its other windows are made when first used.
struct BoardFixture {
    FixedPlaces *places = new FixedPlaces;
    TfmBraet braet{std::unique_ptr<HiddenPlaceSource>(places)};
    qint64 clock = 1000;

    TfmIndstil &indstil() { return braet.windows().indstil(); }
    TfmAbout &about() { return braet.windows().about(); }
    TfmStatistik &statistik() { return braet.windows().statistik(); }

    BoardFixture()
    {
        Accessibility::install();
        braet.board->paHint->setClock([this] { return clock; });
        if (braet.splash())
            braet.splash()->Timer1Timer();
        braet.resize(1024, 700);
        braet.show();
        braet.FormActivate();
    }

    const TaskState &s() const { return braet.state(); }

    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    // x and y buttons for one guess
    void guess(int x, int y)
    {
        click(braet.board->btX[x]);
        click(braet.board->btY[y]);
    }
    void startTask(int hx, int hy)
    {
        places->push(hx, hy);
        click(braet.bbBegynd);
    }
    static QPoint latticePoint(int x, int y) { return {30 * x + 15, 30 * (10 - y) + 15}; }
};
