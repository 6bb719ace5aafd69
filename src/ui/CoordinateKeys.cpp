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
    const bool inRow = std::find(m_x.begin(), m_x.end(), watched) != m_x.end();
    const Buttons &axis = inRow ? m_x : m_y;
    const int lower = inRow ? Qt::Key_Left : Qt::Key_Down;
    const int higher = inRow ? Qt::Key_Right : Qt::Key_Up;
    if (key->key() == lower || key->key() == higher) {
        const int here = int(std::find(axis.begin(), axis.end(), watched) - axis.begin());
        QPushButton *there = axis[std::clamp(here + (key->key() == higher ? 1 : -1), 0, LatticeMax)];
        if (there->isEnabled()) {
            there->window()->setAttribute(Qt::WA_KeyboardFocusChange); // show where focus is
            there->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    // the arrows across an axis do nothing: they would leave the row for the
    // tab chain
    return key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Up
        || key->key() == Qt::Key_Down;
}
