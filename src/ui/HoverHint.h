// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

#include <QLabel>
#include <QTimer>

#include <functional>

class BoardGrid;

// The yellow hint of a guess, shown where the mouse rests on a guessed
// point, or a finger is held on one. The pointer's place is known once it
// has moved over the board; before that there is no hint (a keyboard or
// touch player may never bring it there).
class HoverHint : public QLabel
{
    Q_OBJECT
public:
    HoverHint(const TaskState &state, BoardGrid *grid, QWidget *parent);

    // Milliseconds on the monotonic clock; tests set their own.
    void setClock(std::function<qint64()> clock);

    QTimer tiHint;
    void tiHintTimer();
    // The mouse over the board, at a pixel of the grid.
    void pointerMoved(QPoint pixel);

private:
    // The hint of the guess on the point under a pixel of the grid, if any.
    bool showAt(QPoint pixel);

    const TaskState &m_state;
    const BoardGrid *m_grid;
    std::function<qint64()> m_clock;
    QPoint m_pointer;
    bool m_pointerKnown = false;
    QPoint m_shownFor; // where the pointer was when the hint was shown
    qint64 m_lastMove = 0;
};
