// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "TaskEngine.h"
#include "TaskView.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>

TaskEngine::TaskEngine(TaskView &view, std::unique_ptr<HiddenPlaceSource> places)
    : m_view(view)
    , m_places(places ? std::move(places) : std::make_unique<RandomHiddenPlace>())
{
}

TaskEngine::~TaskEngine() = default;

void TaskEngine::arrowStart(char16_t caption)
{
    m_state.ArrowCaption = caption;
    m_view.boardView().arrowStart(caption);
}

void TaskEngine::arrowSwitch(char16_t caption)
{
    m_state.ArrowCaption = caption;
    m_view.boardView().arrowSwitch(caption);
}

void TaskEngine::arrowStop()
{
    m_view.boardView().arrowStop();
}

void TaskEngine::setSolveButtonVisible(bool visible)
{
    m_state.SolveButtonShown = visible;
    m_view.boardView().setSolveButtonVisible(visible);
}

void TaskEngine::ClearBoard()
{
    for (auto &column : m_state.Marks) {
        for (auto &cell : column)
            cell = TCellMarks{};
    }
    m_view.boardView().repaintBoard();
    m_state.GuessNo = 1;
    for (int n = 1; n <= MaxGuesses; ++n)
        m_state.Guesses[n] = TGuess{};
    m_view.boardView().DrawGuessLog();
}

void TaskEngine::BeginTask(TTaskMode mode)
{
    ClearBoard();
    m_state.Mode = mode;
    // A leftover "Løs opgaven" would let a running task be dropped unasked.
    setSolveButtonVisible(false);
    m_view.boardView().EnableCoordinateButtons(true);
    arrowStart(ArrowExpectX);
    m_view.boardView().DrawGuessLog();
    if (mode == tmComputerTask) {
        const auto [x, y] = m_places->nextPlace();
        m_state.HiddenX = x;
        m_state.HiddenY = y;
    }
}

void TaskEngine::BeginPlacing()
{
    ClearBoard();
    m_state.GuessNo = 1;
    m_state.Mode = tmPlacing;
    setSolveButtonVisible(false);
    m_view.boardView().EnableCoordinateButtons(true);
    arrowStart(ArrowExpectX);
}

void TaskEngine::EndTask()
{
    arrowStop();
    m_state.Mode = tmIdle;
    m_view.boardView().EnableCoordinateButtons(false);
    if (m_state.SolveButtonShown)
        setSolveButtonVisible(false); // a placing given up: nothing left to solve
}

void TaskEngine::AbandonTask()
{
    EndTask();
    ++m_state.Unsolved;
}

void TaskEngine::ShowSettings()
{
    m_view.showSettings([this](bool ok) {
        if (ok) {
            ClearBoard();
            m_view.boardView().DrawGuessLog();
        }
    });
}

void TaskEngine::ComputeDistance()
{
    const int dx = m_state.HiddenX - m_state.ChosenX;
    const int dy = m_state.HiddenY - m_state.ChosenY;
    if (m_view.distanceMeasure() == dmDirect)
        m_state.CurrentDistance = std::sqrt(static_cast<double>(dx * dx + dy * dy));
    else
        m_state.CurrentDistance = std::abs(dx) + std::abs(dy);
}

void TaskEngine::RegisterGuess()
{
    TCellMarks &cell = m_state.marksAt(m_state.ChosenX, m_state.ChosenY);
    cell.YellowMark = false;
    cell.BlueMark = false;
    cell.Placed = true;
    ComputeDistance();
    m_state.Guesses[m_state.GuessNo].Distance = m_state.CurrentDistance;
    if (m_state.CurrentDistance == 0.0) {
        if (m_state.Mode == tmComputerTask)
            ++m_state.SolvedIn[m_state.GuessNo];
        EndTask();
    }
    m_view.boardView().repaintBoard();
    m_view.boardView().DrawGuessLog();
}

void TaskEngine::askThen(const char *question, void (TaskEngine::*start)())
{
    if (m_view.modalOpen())
        return;
    if (m_state.Mode == tmIdle) {
        (this->*start)();
        return;
    }
    m_view.AskYesNo(QCoreApplication::translate("TaskEngine", question), [this, start](bool yes) {
        if (yes) {
            AbandonTask();
            (this->*start)();
        }
    });
}

void TaskEngine::bbStartClick()
{
    askThen(QT_TRANSLATE_NOOP("TaskEngine", "Ny opgave?"), &TaskEngine::startComputerTask);
}

void TaskEngine::bbLavOpgaveClick()
{
    askThen(QT_TRANSLATE_NOOP("TaskEngine", "Lav opgave?"), &TaskEngine::BeginPlacing);
}

void TaskEngine::bbIndstilClick()
{
    askThen(QT_TRANSLATE_NOOP("TaskEngine", "Indstillinger?"), &TaskEngine::ShowSettings);
}

void TaskEngine::btX0Click(int value)
{
    if (m_view.modalOpen())
        return;
    if (m_state.ArrowCaption == ArrowExpectY || value < 0 || value > LatticeMax)
        return;
    m_state.ChosenX = value;
    if (m_state.isSearch())
        m_state.Guesses[m_state.GuessNo].X = value;
    arrowSwitch(ArrowExpectY);
    m_view.boardView().DrawGuessLog();
}

void TaskEngine::btY0Click(int value)
{
    if (m_view.modalOpen())
        return;
    if (m_state.ArrowCaption == ArrowExpectX || value < 0 || value > LatticeMax)
        return;
    m_state.ChosenY = value;
    if (m_state.isSearch()) {
        // A point guessed before registers nothing, and its y is not kept in
        // the guess, so nothing can ever list a guess without a distance.
        if (m_state.marksAt(m_state.ChosenX, value).Placed)
            return;
        m_state.Guesses[m_state.GuessNo].Y = value;
        RegisterGuess();
        if (m_state.isSearch()) {
            if (m_state.GuessNo == MaxGuesses) {
                m_view.boardView().DrawGuessLog();
                AbandonTask();
            } else {
                arrowSwitch(ArrowExpectX);
            }
        }
        ++m_state.GuessNo;
        return;
    }
    if (m_state.Mode != tmPlacing)
        return;
    arrowStop();
    // placing on the old place must leave it marked, so clear first
    m_state.marksAt(m_state.HiddenX, m_state.HiddenY).Placed = false;
    m_state.marksAt(m_state.ChosenX, m_state.ChosenY).Placed = true;
    m_state.HiddenX = m_state.ChosenX;
    m_state.HiddenY = m_state.ChosenY;
    setSolveButtonVisible(true);
    m_view.boardView().repaintBoard();
}

void TaskEngine::btLoesClick()
{
    if (m_view.modalOpen())
        return;
    if (!m_state.SolveButtonShown)
        return;
    setSolveButtonVisible(false);
    m_state.Mode = tmPlayerTask;
    BeginTask(tmPlayerTask);
}

void TaskEngine::sgNetMouseUp(MouseButton button, int x, int y)
{
    if (m_view.modalOpen())
        return;
    if (!m_state.isSearch())
        return;
    if (const auto at = cellAtPixel(x, y)) {
        TCellMarks &cell = m_state.Marks[at->Column][at->Row];
        if (!cell.Placed) {
            if (button == MouseButton::Left)
                cell.BlueMark = !cell.BlueMark;
            else if (button == MouseButton::Right)
                cell.YellowMark = !cell.YellowMark;
        }
    }
    m_view.boardView().repaintBoard();
}
