// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "TaskPage.h"
#include "BoardPainter.h"
#include "Fonts.h"
#include "GuessText.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace TaskPage {

Geometry pageGeometry(int resolution)
{
    // 0.4 inch per cell at every resolution; the text keeps the board's size
    const int cell = int(std::lround(0.4 * resolution));
    return {cell, std::max(1, cell / BoardCellSize), GridFontPoints};
}

int pixelsForPoints(int points, int resolution)
{
    return std::max(1, int(std::lround(points * double(resolution) / 72.0)));
}

int writeText(QPainter &painter, QPoint at, const QString &text, QList<PrintedText> &printed)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    painter.drawText(QRect(at.x(), at.y(), metrics.horizontalAdvance(text) + metrics.height(), metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    printed.append({text, at, painter.font().pixelSize(), painter.font().underline()});
    return metrics.horizontalAdvance(text);
}

QList<PrintedText> paintPage(QPainter &painter, int resolution, const TaskState &state, TDistanceMeasure measure,
                         const QString &title)
{
    QList<PrintedText> printed;
    const Geometry g = pageGeometry(resolution);
    const int b = g.cell;
    constexpr int rows = LatticeSize;

    QFont font = Fonts::typewriterFont(pixelsForPoints(g.textPoints + 2, resolution));
    font.setUnderline(true);
    painter.setPen(Qt::black);
    painter.setFont(font);
    writeText(painter, {4 * b, b}, title, printed);

    font.setPixelSize(pixelsForPoints(g.textPoints, resolution));
    font.setUnderline(false);
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const int digitWidth = metrics.horizontalAdvance(QStringLiteral("8"));
    const int digitHeight = metrics.height();

    for (int i = 0; i < LatticeSize; ++i) {
        const int dx = (b - digitWidth) / 2;
        const int dy = (b - digitHeight) / 2;
        writeText(painter, {(i + 2) * b + dx, (rows + 3) * b + dy}, QString::number(i), printed);
        writeText(painter, {b + dx, (i + 3) * b + dy}, QString::number(flipRow(i)), printed);
    }

    for (int column = 0; column < LatticeSize; ++column) {
        for (int row = 0; row < LatticeSize; ++row) {
            const QRect cell((column + 2) * b, (row + 3) * b, b, b);
            BoardPainter::drawCell(painter, state, column, row, cell, g.unit, BoardPainter::Medium::Paper);
        }
    }

    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    int py = (rows + 5) * b;
    font.setUnderline(true);
    painter.setFont(font);
    writeText(painter, {2 * b + 32, py}, GuessText::measureTitle(measure), printed);
    font.setUnderline(false);
    painter.setFont(font);

    for (const GuessText::LogLine &line : GuessText::logLines(state, measure)) {
        py += b;
        GuessText::layOutLine(line, 2 * b,
                              [&](int x, const QString &text) { return writeText(painter, {x, py}, text, printed); });
    }
    painter.setBackgroundMode(Qt::TransparentMode);
    return printed;
}

} // namespace TaskPage
