// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "HiddenPlaceSource.h"
#include "TaskView.h"

#include <QStringList>

#include <deque>

// Answers the rules' requests without any window and writes down what was
// asked, so tests can check both the state and the view updates.
class RecordingView : public TaskView, public BoardView
{
public:
    BoardView &boardView() override { return *this; }
    QStringList calls;
    QStringList questions;
    std::deque<bool> answers;        // answers to AskYesNo, in order; "no" when empty
    std::deque<bool> settingsResults; // OK or not for each settings dialog; OK when empty
    TDistanceMeasure measure = dmTaxi;
    bool buttonsEnabled = false;
    bool arrowVisible = false;
    bool solveVisible = false;
    char16_t caption = ArrowExpectX;
    // What the settings dialog does to the measure while it is open.
    TDistanceMeasure measureChosenInSettings = dmTaxi;
    bool changeMeasureInSettings = false;

    void EnableCoordinateButtons(bool enabled) override
    {
        buttonsEnabled = enabled;
        calls << QStringLiteral("enable %1").arg(enabled);
    }
    void arrowStart(char16_t c) override
    {
        caption = c;
        arrowVisible = true;
        calls << QStringLiteral("arrowStart %1").arg(int(c), 0, 16);
    }
    void arrowSwitch(char16_t c) override
    {
        caption = c;
        calls << QStringLiteral("arrowSwitch %1").arg(int(c), 0, 16);
    }
    void arrowStop() override
    {
        arrowVisible = false;
        calls << QStringLiteral("arrowStop");
    }
    void setSolveButtonVisible(bool visible) override
    {
        solveVisible = visible;
        calls << QStringLiteral("solve %1").arg(visible);
    }
    void repaintBoard() override { calls << QStringLiteral("repaint"); }
    void DrawGuessLog() override { calls << QStringLiteral("log"); }
    void AskYesNo(const QString &question, std::function<void(bool)> answered) override
    {
        questions << question;
        calls << QStringLiteral("ask ") + question;
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        answered(answer);
    }
    void showSettings(std::function<void(bool)> answered) override
    {
        calls << QStringLiteral("settings");
        if (changeMeasureInSettings)
            measure = measureChosenInSettings;
        const bool ok = settingsResults.empty() || settingsResults.front();
        if (!settingsResults.empty())
            settingsResults.pop_front();
        answered(ok);
    }
    TDistanceMeasure distanceMeasure() const override { return measure; }
};

// Hands out the hidden places a test asks for, then (0, 0).
class FixedPlaces : public HiddenPlaceSource
{
public:
    explicit FixedPlaces(std::deque<std::pair<int, int>> places = {})
        : m_places(std::move(places))
    {
    }
    std::pair<int, int> nextPlace() override
    {
        if (m_places.empty())
            return {0, 0};
        auto place = m_places.front();
        m_places.pop_front();
        return place;
    }
    void push(int x, int y) { m_places.emplace_back(x, y); }

private:
    std::deque<std::pair<int, int>> m_places;
};
