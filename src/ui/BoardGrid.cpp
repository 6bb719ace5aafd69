// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "BoardGrid.h"
#include "BoardPainter.h"
#include "GuessText.h"

#include <QMouseEvent>
#include <QPainter>

BoardGrid::BoardGrid(const TaskState &state, std::function<TDistanceMeasure()> measure, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_measure(std::move(measure))
{
    setObjectName(QStringLiteral("sgNet"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    const QRect dirty = event->rect();
    for (int column = 0; column < LatticeSize; ++column) {
        for (int row = 0; row < LatticeSize; ++row) {
            const QRect cell = cellRect(column, row);
            if (cell.intersects(dirty))
                BoardPainter::drawCell(painter, m_state, column, row, cell, 1, BoardPainter::Medium::Screen);
        }
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
