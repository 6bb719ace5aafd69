// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "BoardGrid.h"
#include "Announcer.h"
#include "BoardPainter.h"
#include "GuessText.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

BoardGrid::BoardGrid(const TaskState &state, std::function<TDistanceMeasure()> measure, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_measure(std::move(measure))
{
    setObjectName(QStringLiteral("sgNet"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // reached with Tab, never by a click: mouse players see no focus frame
    setFocusPolicy(Qt::TabFocus);
    m_announcer = new Announcer(this);
}

std::optional<QPoint> BoardGrid::pointAt(QPoint pixel)
{
    const auto cell = cellAtPixel(pixel.x(), pixel.y());
    if (!cell)
        return std::nullopt;
    return QPoint(cell->Column, LatticeMax - cell->Row);
}

QRect BoardGrid::cellRect(int column, int row)
{
    return QRect(column * BoardCellSize, row * BoardCellSize, BoardCellSize, BoardCellSize);
}

QString BoardGrid::pointDescription(int x, int y) const
{
    return GuessText::pointDescription(m_state, x, y, m_measure());
}

void BoardGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Cells are painted in device pixels: the figures are then made of the
    // screen's own pixels at any ratio, and cells rounded edge by edge meet
    // without seams at fractional ones.
    const qreal ratio = devicePixelRatioF();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    auto device = [ratio](int logical) { return int(std::lround(logical * ratio)); };
    const QRect dirty = event->rect();
    for (int column = 0; column < LatticeSize; ++column) {
        for (int row = 0; row < LatticeSize; ++row) {
            const QRect cell = cellRect(column, row);
            if (!cell.intersects(dirty))
                continue;
            const QRect pixels(QPoint(device(cell.left()), device(cell.top())),
                               QPoint(device(cell.right() + 1) - 1, device(cell.bottom() + 1) - 1));
            BoardPainter::drawCell(painter, m_state, column, row, pixels, ratio, BoardPainter::Medium::Screen);
        }
    }
    painter.resetTransform(); // the focus frame is in logical pixels
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(currentRect().adjusted(2, 2, -2, -2));
    }
}

void BoardGrid::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event->button(), event->position().toPoint());
}

void BoardGrid::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->position().toPoint());
}

void BoardGrid::keyPressEvent(QKeyEvent *event)
{
    const bool shift = event->modifiers() == Qt::ShiftModifier;
    if (event->modifiers() != Qt::NoModifier && !(shift && event->key() == Qt::Key_Space)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        moveCurrent(-1, 0);
        break;
    case Qt::Key_Right:
        moveCurrent(1, 0);
        break;
    case Qt::Key_Up:
        moveCurrent(0, 1);
        break;
    case Qt::Key_Down:
        moveCurrent(0, -1);
        break;
    case Qt::Key_Space: {
        const QString before = pointDescription(m_current.x(), m_current.y());
        emit released(shift ? Qt::RightButton : Qt::LeftButton,
                      currentRect().center());
        if (pointDescription(m_current.x(), m_current.y()) != before)
            announceCurrent(true);
        break;
    }
    default:
        QWidget::keyPressEvent(event);
    }
}

void BoardGrid::moveCurrent(int dx, int dy)
{
    const QPoint next(std::clamp(m_current.x() + dx, 0, LatticeMax), std::clamp(m_current.y() + dy, 0, LatticeMax));
    if (next == m_current)
        return;
    update(currentRect());
    m_current = next;
    update(currentRect());
    announceCurrent(false);
}

void BoardGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update(currentRect());
    // after Qt's own focus event for the grid, so that the point is the last word
    QMetaObject::invokeMethod(this, [this] {
        if (hasFocus())
            announceCurrent(false);
    }, Qt::QueuedConnection);
}

void BoardGrid::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update(currentRect());
}

QRect BoardGrid::currentRect() const
{
    return cellRect(m_current.x(), LatticeMax - m_current.y());
}

int BoardGrid::currentIndex() const
{
    return (LatticeMax - m_current.y()) * LatticeSize + m_current.x();
}

void BoardGrid::announceCurrent(bool nameChanged)
{
    if (nameChanged) {
        // Qt's name-change events reach Orca in a form it cannot speak
        m_announcer->announce(pointDescription(m_current.x(), m_current.y()));
        return;
    }
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(currentIndex());
    QAccessible::updateAccessibility(&event);
}
