// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "GuessLogPad.h"
#include "Lattice.h"
#include "TaskView.h"

#include <QWidget>

#include <array>
#include <functional>

class ArrowPrompt;
class BoardGrid;
class CoordinateKeys;
class HoverHint;
class QFrame;
class QPushButton;
class TaskEngine;

// The board half of the board window, below its tool bar: the grid, the
// coordinate buttons and their keys, the arrow prompt, the solve button, the
// hover hint and the guess log. It answers the rules' requests of the board
// and hands the player's choices to them. It lies over the whole window, so
// that its controls stand where the window's design places them.
class BoardPanel : public QWidget, public BoardView
{
    Q_OBJECT
public:
    BoardPanel(TaskEngine &engine, std::function<TDistanceMeasure()> measure, QWidget *parent);
    ~BoardPanel() override;

    // Where the keyboard goes when a task is over.
    void setFocusWhenDone(QWidget *widget) { m_focusWhenDone = widget; }
    // The coordinate buttons in rows and columns one cell apart.
    void layOut();

    // Controls, named as the window's design names them.
    QFrame *Panel2 = nullptr;
    BoardGrid *sgNet = nullptr;
    std::array<QPushButton *, LatticeSize> btX{};
    std::array<QPushButton *, LatticeSize> btY{};
    ArrowPrompt *paPil = nullptr;
    QPushButton *btLoes = nullptr;
    HoverHint *paHint = nullptr;
    GuessLogPad *paLog = nullptr;

    void btX0Click();
    void btY0Click();
    void btLoesClick();
    void sgNetMouseUp(Qt::MouseButton button, QPoint point);

    // Requests of the rules.
    void EnableCoordinateButtons(bool enabled) override;
    void arrowStart(char16_t caption) override;
    void arrowSwitch(char16_t caption) override;
    void arrowStop() override;
    void setSolveButtonVisible(bool visible) override;
    void repaintBoard() override;
    void DrawGuessLog() override;

signals:
    // The coordinate buttons were enabled for a task, or disabled after one.
    void taskUnderwayChanged(bool underway);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    TaskEngine &m_engine;
    std::function<TDistanceMeasure()> m_measure;
    CoordinateKeys *m_keys = nullptr;
    QWidget *m_focusWhenDone = nullptr;
};
