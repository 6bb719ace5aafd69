// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

#include <QString>

#include <functional>

// What the rules ask of the board: its buttons, the arrow prompt, the grid and
// the guess log.
class BoardView
{
public:
    virtual ~BoardView() = default;

    virtual void EnableCoordinateButtons(bool enabled) = 0;
    // Show the prompt with this caption and restart its blinking.
    virtual void arrowStart(char16_t caption) = 0;
    // New caption, blinking restarted; visibility is left to the blinking.
    virtual void arrowSwitch(char16_t caption) = 0;
    virtual void arrowStop() = 0;
    virtual void setSolveButtonVisible(bool visible) = 0;
    virtual void repaintBoard() = 0;
    virtual void DrawGuessLog() = 0;
};

// What the rules ask of the window around them: the board, questions and
// settings. The board window answers these requests in the game; tests
// answer them with a recording fake.
class TaskView
{
public:
    virtual ~TaskView() = default;

    virtual BoardView &boardView() = 0;
    // The view shows a question, or the settings, and may return before the
    // answer: what follows it is in answered, which the view calls once.
    virtual void AskYesNo(const QString &question, std::function<void(bool yes)> answered) = 0;
    // answered: whether the settings were closed with OK.
    virtual void showSettings(std::function<void(bool ok)> answered) = 0;
    virtual TDistanceMeasure distanceMeasure() const = 0;
    // True while a question or any other modal window of the game is open.
    // Every command of the board window is ignored then, the rules' and the
    // window's own: a dialog's modality holds back the mouse and the keys,
    // but not a screen reader's presses. A view without windows has none.
    virtual bool modalOpen() const { return false; }
};
