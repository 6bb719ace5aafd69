// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "StatisticsPage.h"
#include "Fonts.h"

#include <QPainter>

#include <utility>

QList<TaskPage::PrintedText> StatisticsPage::paintPage(QPainter &painter, int pageWidth, int resolution,
                                                   const QString &title, const QStringList &report)
{
    m_printed.clear();
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    PrintLeft = pageWidth / 9;
    PrintTop = PrintLeft;
    PrintLine(painter, title, 12, true, resolution);
    NewLine(LineHeight);
    PrintLine(painter, QStringLiteral(" "), 12, false, resolution);
    NewLine(LineHeight);
    for (const QString &line : report) {
        PrintLine(painter, line, 10, false, resolution);
        NewLine(LineHeight);
    }
    PrintLine(painter, QStringLiteral(" "), 12, false, resolution);
    NewLine(LineHeight);
    return std::exchange(m_printed, {});
}

void StatisticsPage::PrintLine(QPainter &painter, const QString &text, int size, bool underlined, int resolution)
{
    const int height = TaskPage::pixelsForPoints(size, resolution);
    QFont font = Fonts::typewriterFont(height);
    font.setUnderline(underlined);
    painter.setFont(font);
    TaskPage::writeText(painter, {PrintLeft, PrintTop}, text, m_printed);
    if (height > LineHeight)
        LineHeight = height;
}

void StatisticsPage::NewLine(int height)
{
    PrintTop += height + 12;
    LineHeight = 20;
}
