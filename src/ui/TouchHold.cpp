// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "TouchHold.h"

#include <QLineF>
#include <QPointingDevice>
#include <QTouchEvent>
#include <QWidget>

#include <algorithm>

TouchHold::TouchHold(QWidget *widget)
    : QObject(widget)
    , m_widget(widget)
{
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setTimerType(Qt::PreciseTimer); // a coarse one may fire 25 ms early
    m_holdTimer.setInterval(HoldMs);
    connect(&m_holdTimer, &QTimer::timeout, this, &TouchHold::hold);
    m_frameTimer.setInterval(16);
    connect(&m_frameTimer, &QTimer::timeout, this, &TouchHold::cueChanged);
}

bool TouchHold::touchEvent(QTouchEvent *event)
{
    if (event->device()->type() != QInputDevice::DeviceType::TouchScreen)
        return false;
    event->accept();
    const QList<QEventPoint> &points = event->points();
    switch (event->type()) {
    case QEvent::TouchBegin:
        pressAt(points.first().position(), points.first().id());
        if (points.size() > 1)
            cancel();
        break;
    case QEvent::TouchUpdate:
        // a second finger is no tap and no hold either
        if (points.size() > 1 || points.first().id() != m_id
            || QLineF(m_start, points.first().position()).length() > slop())
            cancel();
        break;
    case QEvent::TouchEnd:
        if (m_phase == Phase::Pressed) {
            endHold(Phase::Idle);
            emit tapped(point()); // where the ring was, not where a drift ended
        } else {
            endHold(Phase::Idle);
        }
        break;
    case QEvent::TouchCancel:
        endHold(Phase::Idle);
        break;
    default:
        return false;
    }
    return true;
}

qreal TouchHold::progress() const
{
    if (m_phase == Phase::Held)
        return 1;
    if (m_phase != Phase::Pressed)
        return 0;
    return std::min<qreal>(1, qreal(m_clock.elapsed()) / HoldMs);
}

bool TouchHold::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowBlocked:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        cancel();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TouchHold::pressAt(QPointF point, int id)
{
    endHold(Phase::Pressed);
    // no TouchEnd may come once the window has lost the touch
    m_widget->window()->installEventFilter(this);
    m_start = point;
    m_id = id;
    m_clock.start();
    m_holdTimer.start();
    m_frameTimer.start();
    emit cueChanged();
}

void TouchHold::hold()
{
    m_phase = Phase::Held;
    m_frameTimer.stop();
    emit cueChanged();
    emit held(point());
}

void TouchHold::cancel()
{
    if (m_phase == Phase::Pressed || m_phase == Phase::Held)
        endHold(Phase::Cancelled);
}

void TouchHold::endHold(Phase next)
{
    m_widget->window()->removeEventFilter(this);
    const Phase was = m_phase;
    m_phase = next;
    m_holdTimer.stop();
    m_frameTimer.stop();
    if (was == Phase::Pressed || was == Phase::Held)
        emit cueChanged();
    if (was == Phase::Held)
        emit holdEnded();
}

qreal TouchHold::slop() const
{
    return SlopAt96Dpi * m_widget->logicalDpiX() / 96.0;
}
