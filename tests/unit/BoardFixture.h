// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "About.h"
#include "ArrowPrompt.h"
#include "BoardGrid.h"
#include "Braet.h"
#include "Indstil.h"
#include "RecordingView.h"
#include "Splash.h"
#include "Visstat.h"

#include <QPushButton>
#include <QTest>

// The four windows of the game as start-up makes them, with the computer's
// hidden places chosen by the test.
struct BoardFixture {
    FixedPlaces *places = new FixedPlaces;
    TfmBraet braet{std::unique_ptr<HiddenPlaceSource>(places)};
    TfmIndstil indstil{&braet};
    TfmAbout about{&braet};
    TfmStatistik statistik{&braet};
    qint64 clock = 1000;

    BoardFixture()
    {
        braet.setWindows(&indstil, &about, &statistik);
        braet.setClock([this] { return clock; });
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
        click(braet.btX[x]);
        click(braet.btY[y]);
    }
    void startTask(int hx, int hy)
    {
        places->push(hx, hy);
        click(braet.bbBegynd);
    }
    static QPoint latticePoint(int x, int y) { return {30 * x + 15, 30 * (10 - y) + 15}; }
};
