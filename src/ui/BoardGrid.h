// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

#include <QWidget>

class Announcer;
class TouchHold;

#include <functional>
#include <optional>

// The board grid: 11 x 11 cells, every cell painted from the task state at
// paint time. Mouse releases and moves go to whoever listens; on a touch
// screen a tap is the left button and a hold the right one.
class BoardGrid : public QWidget
{
    Q_OBJECT
public:
    BoardGrid(const TaskState &state, std::function<TDistanceMeasure()> measure, QWidget *parent);

    // The lattice point (x, y) under a pixel of the grid, if any.
    static std::optional<QPoint> pointAt(QPoint pixel);
    static QRect cellRect(int column, int row);
    // A lattice point's place among the points row by row from the top left.
    static int pointIndex(QPoint point);

    // What stands on a lattice point, in words, for screen readers.
    QString pointDescription(int x, int y) const;

    // The point a keyboard player is on: arrows move it, Space and
    // Shift+Space act on it as the left and the right mouse button.
    QPoint currentPoint() const { return m_current; }
    int currentIndex() const; // pointIndex(currentPoint())
    Announcer *announcer() const { return m_announcer; }
    bool touchHeld() const;

signals:
    void released(Qt::MouseButton button, QPoint pixel);
    void moved(QPoint pixel);
    // A finger held still on the board (after the right-button release it
    // makes), then lifted or moved away: what a touch screen has for hovering.
    void touchHeldAt(QPoint pixel);
    void touchLifted();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QRect currentRect() const;
    void moveCurrent(int dx, int dy);
    // Tells screen readers about the current point: it has focus, or its name changed.
    void announceCurrent(bool nameChanged);

    const TaskState &m_state;
    std::function<TDistanceMeasure()> m_measure;
    QPoint m_current{0, 0};
    Announcer *m_announcer = nullptr;
    TouchHold *m_touch = nullptr;
};
