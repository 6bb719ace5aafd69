// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "BoardGrid.h"
#include "Announcer.h"
#include "BoardPainter.h"
#include "GuessText.h"
#include "TouchHold.h"

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

    setAttribute(Qt::WA_AcceptTouchEvents);
    m_touch = new TouchHold(this);
    connect(m_touch, &TouchHold::tapped, this, [this](QPoint pixel) { emit released(Qt::LeftButton, pixel); });
    connect(m_touch, &TouchHold::held, this, [this](QPoint pixel) {
        emit released(Qt::RightButton, pixel);
        emit touchHeldAt(pixel);
    });
    connect(m_touch, &TouchHold::holdEnded, this, &BoardGrid::touchLifted);
    connect(m_touch, &TouchHold::cueChanged, this, [this] {
        // the ring reaches into the neighbouring cells
        if (const auto cell = cellAtPixel(m_touch->point().x(), m_touch->point().y()))
            update(cellRect(cell->Column - 1, cell->Row - 1).united(cellRect(cell->Column + 1, cell->Row + 1)));
    });
}

bool BoardGrid::touchHeld() const
{
    return m_touch->isHeld();
}

bool BoardGrid::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        if (m_touch->touchEvent(static_cast<QTouchEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

std::optional<QPoint> BoardGrid::pointAt(QPoint pixel)
{
    const auto cell = cellAtPixel(pixel.x(), pixel.y());
    if (!cell)
        return std::nullopt;
    return QPoint(cell->Column, flipRow(cell->Row));
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
    auto devicePixels = [&](int column, int row) {
        const QRect cell = cellRect(column, row);
        return QRect(QPoint(device(cell.left()), device(cell.top())),
                     QPoint(device(cell.right() + 1) - 1, device(cell.bottom() + 1) - 1));
    };
    const QRect dirty = event->rect();
    for (int column = 0; column < LatticeSize; ++column) {
        for (int row = 0; row < LatticeSize; ++row) {
            if (!cellRect(column, row).intersects(dirty))
                continue;
            BoardPainter::drawCell(painter, m_state, column, row, devicePixels(column, row), ratio,
                                   BoardPainter::Medium::Screen);
        }
    }
    if (m_touch->isFingerDown()) {
        if (const auto cell = cellAtPixel(m_touch->point().x(), m_touch->point().y()))
            BoardPainter::drawHoldCue(painter, devicePixels(cell->Column, cell->Row), m_touch->progress(), ratio);
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
    return cellRect(m_current.x(), flipRow(m_current.y()));
}

int BoardGrid::pointIndex(QPoint point)
{
    return flipRow(point.y()) * LatticeSize + point.x();
}

int BoardGrid::currentIndex() const
{
    return pointIndex(m_current);
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
