// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "ArrowPrompt.h"

#include <QPainter>

ArrowPrompt::ArrowPrompt(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Vælg en x-værdi"));
    tiArrow.setInterval(1000);
    connect(&tiArrow, &QTimer::timeout, this, &ArrowPrompt::tiArrowTimer);
}

void ArrowPrompt::startBlinking(char16_t caption)
{
    setCaption(caption);
    show();
    restartBlinking();
}

void ArrowPrompt::switchTo(char16_t caption)
{
    setCaption(caption);
    restartBlinking();
}

void ArrowPrompt::stopBlinking()
{
    hide();
    tiArrow.stop();
}

void ArrowPrompt::restartBlinking()
{
    ArrowTicks = 0;
    // starting a running timer would restart its period
    if (!tiArrow.isActive())
        tiArrow.start();
}

void ArrowPrompt::tiArrowTimer()
{
    ++ArrowTicks;
    if (ArrowTicks > 6) {
        show();
        tiArrow.stop();
        return;
    }
    if (isVisible()) {
        hide();
        tiArrow.setInterval(100);
    } else {
        show();
        tiArrow.setInterval(1000);
    }
}

void ArrowPrompt::setCaption(char16_t caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    setAccessibleName(caption == ArrowExpectY ? tr("Vælg en y-værdi") : tr("Vælg en x-værdi"));
    update();
}

void ArrowPrompt::paintEvent(QPaintEvent *)
{
    // A 19-px yellow arrow, right for x and up for y, drawn rather than taken
    // from a symbol font that Linux does not have.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    if (m_caption == ArrowExpectY)
        painter.rotate(-90);
    const QPolygonF arrow({{-9.5, -2.5}, {1.5, -2.5}, {1.5, -7.5}, {9.5, 0}, {1.5, 7.5}, {1.5, 2.5}, {-9.5, 2.5}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xFF, 0x00));
    painter.drawPolygon(arrow);
}
