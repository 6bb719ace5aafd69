// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "CoordinateKeys.h"

#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

CoordinateKeys::CoordinateKeys(const Buttons &x, const Buttons &y, QObject *parent)
    : QObject(parent)
    , m_x(x)
    , m_y(y)
{
    for (QPushButton *button : m_x)
        button->installEventFilter(this);
    for (QPushButton *button : m_y)
        button->installEventFilter(this);
}

void CoordinateKeys::expectX(int value)
{
    m_x[std::clamp(value, 0, LatticeMax)]->setFocus(Qt::OtherFocusReason);
}

void CoordinateKeys::expectY(int value)
{
    m_y[std::clamp(value, 0, LatticeMax)]->setFocus(Qt::OtherFocusReason);
}

void CoordinateKeys::setEnabled(bool enabled, QWidget *fallback)
{
    if (!enabled && holdFocus())
        fallback->setFocus(Qt::OtherFocusReason);
    for (QPushButton *button : m_x)
        button->setEnabled(enabled);
    for (QPushButton *button : m_y)
        button->setEnabled(enabled);
}

bool CoordinateKeys::holdFocus() const
{
    const auto focused = [](const QPushButton *button) { return button->hasFocus(); };
    return std::any_of(m_x.begin(), m_x.end(), focused) || std::any_of(m_y.begin(), m_y.end(), focused);
}

bool CoordinateKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return false;
    const auto inRow = std::find(m_x.begin(), m_x.end(), watched);
    const auto inColumn = std::find(m_y.begin(), m_y.end(), watched);
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        step = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        step = 1;
        break;
    default:
        return false;
    }
    // the arrows across an axis do nothing: they would leave the row for the
    // tab chain
    const bool along = inRow != m_x.end() ? (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)
                                          : (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down);
    if (along) {
        const Buttons &axis = inRow != m_x.end() ? m_x : m_y;
        const int here = int((inRow != m_x.end() ? inRow - m_x.begin() : inColumn - m_y.begin()));
        const int there = std::clamp(here + step, 0, LatticeMax);
        if (axis[there]->isEnabled()) {
            axis[there]->window()->setAttribute(Qt::WA_KeyboardFocusChange); // show where focus is
            axis[there]->setFocus(Qt::TabFocusReason);
        }
    }
    return true;
}
