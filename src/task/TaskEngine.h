// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "HiddenPlaceSource.h"
#include "TaskState.h"

#include <memory>

class TaskView;

// The rules of the game: every command that changes the task state, and the
// view updates each one asks for.
class TaskEngine
{
public:
    enum class MouseButton { Left, Right, Middle };

    explicit TaskEngine(TaskView &view, std::unique_ptr<HiddenPlaceSource> places = nullptr);
    ~TaskEngine();

    const TaskState &state() const { return m_state; }

    // Commands of the board window; ignored while the view has a modal
    // window open (TaskView::modalOpen).
    void bbStartClick();
    void bbLavOpgaveClick();
    void bbIndstilClick();
    void btX0Click(int value);
    void btY0Click(int value);
    void btLoesClick();
    // (x, y) in grid pixels, cells of 30 x 30 from the grid's corner.
    void sgNetMouseUp(MouseButton button, int x, int y);

    // Operations, public so that the window and tests can use them directly.
    void ClearBoard();
    void BeginTask(TTaskMode mode);
    void BeginPlacing();
    void EndTask();
    void AbandonTask();
    void ShowSettings();
    void ComputeDistance();
    void RegisterGuess();

private:
    void askThen(const char *question, void (TaskEngine::*start)());
    void startComputerTask() { BeginTask(tmComputerTask); }
    void arrowStart(char16_t caption);
    void arrowSwitch(char16_t caption);
    void arrowStop();
    void setSolveButtonVisible(bool visible);

    TaskView &m_view;
    std::unique_ptr<HiddenPlaceSource> m_places;
    TaskState m_state;
};
