// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QTimer>

class QTouchEvent;
class QWidget;

// One finger on a touch screen: lifted soon and still it is a tap where it
// went down, kept still for HoldMs it is a hold. Moved away before that it is
// nothing at all; moved away after, the hold ends as if lifted (what it did
// when it began stays done). Touch screens have neither a right button nor
// hovering; the hold stands in for both. A touch the window loses (cancelled,
// a dialog over it, the window deactivated or hidden) ends as if lifted.
class TouchHold : public QObject
{
    Q_OBJECT
public:
    static constexpr int HoldMs = 500;
    static constexpr qreal SlopAt96Dpi = 8; // "still", in pixels at 96 dpi

    explicit TouchHold(QWidget *widget);

    // Takes the touch events of a touch screen; false for any other device,
    // whose touches Qt turns into mouse events as before.
    bool touchEvent(QTouchEvent *event);

    // While a finger is down and still: where it went down, and how far the
    // hold has come, 0 … 1.
    bool isFingerDown() const { return m_phase == Phase::Pressed || m_phase == Phase::Held; }
    bool isHeld() const { return m_phase == Phase::Held; }
    QPoint point() const { return m_start.toPoint(); }
    qreal progress() const;

signals:
    void tapped(QPoint point);
    void held(QPoint point);
    void holdEnded(); // after held: the finger lifted, moved away or lost
    void cueChanged(); // isFingerDown() or progress() changed

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Phase { Idle, Pressed, Held, Cancelled };
    void pressAt(QPointF point, int id);
    void hold();
    void cancel();
    void endHold(Phase next);
    qreal slop() const;

    QWidget *m_widget;
    Phase m_phase = Phase::Idle;
    int m_id = -1;
    QPointF m_start;
    QElapsedTimer m_clock;
    QTimer m_holdTimer;
    QTimer m_frameTimer; // repaints the filling cue
};
