// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "BoardPainter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace BoardPainter {

namespace {

// Box given as left, top, right, bottom with the right and bottom outside.
void fillBox(QPainter &painter, int x1, int y1, int x2, int y2, const QColor &colour)
{
    painter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), colour);
}

// A square figure `half` pixels either side of the centre on the 1x screen,
// scaled and rounded to whole pixels; an odd size gets its extra pixel after
// the centre.
QRect centred(int cx, int cy, int half, qreal scale)
{
    const int size = std::max(1, int(std::lround(2 * half * scale)));
    return QRect(cx - size / 2, cy - size / 2, size, size);
}

} // namespace

void drawEllipse(QPainter &painter, const QRect &box, const QColor &rim, const QColor &fill)
{
    const int w = box.width();
    const int h = box.height();
    if (w <= 0 || h <= 0)
        return;
    if (w <= 2 || h <= 2) {
        painter.fillRect(box, rim);
        return;
    }
    // Rim pixels found by Zingl's midpoint stepping in the box; the rows are
    // filled between their outermost rim pixels.
    std::vector<QPoint> rimPixels;
    std::vector<int> left(h, w), right(h, -1);
    auto plot = [&](long x, long y) {
        if (y < 0 || y >= h || x < 0 || x >= w)
            return;
        rimPixels.emplace_back(int(x), int(y));
        left[y] = std::min<int>(left[y], int(x));
        right[y] = std::max<int>(right[y], int(x));
    };
    long x0 = 0, x1 = w - 1, a = w - 1, b = h - 1, b1 = b & 1;
    long long dx = 4LL * (1 - a) * b * b, dy = 4LL * (b1 + 1) * a * a;
    long long err = dx + dy + b1 * a * a;
    long y0 = (b + 1) / 2, y1 = y0 - b1;
    const long long a8 = 8LL * a * a, b8 = 8LL * b * b;
    do {
        plot(x1, y0);
        plot(x0, y0);
        plot(x0, y1);
        plot(x1, y1);
        const long long e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            dy += a8;
            err += dy;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            dx += b8;
            err += dx;
        }
    } while (x0 <= x1);
    while (y0 - y1 < b) { // flat ellipses stop early: finish the tips
        plot(x0 - 1, y0);
        plot(x1 + 1, y0++);
        plot(x0 - 1, y1);
        plot(x1 + 1, y1--);
    }

    for (int y = 0; y < h; ++y) {
        if (right[y] > left[y] + 1)
            painter.fillRect(QRect(box.left() + left[y] + 1, box.top() + y, right[y] - left[y] - 1, 1), fill);
    }
    for (const QPoint &p : rimPixels)
        painter.fillRect(QRect(box.left() + p.x(), box.top() + p.y(), 1, 1), rim);
}

void drawCell(QPainter &painter, const TaskState &state, int column, int row, const QRect &cell, qreal scale,
              Medium medium)
{
    const int l = cell.left();
    const int t = cell.top();
    const int r = l + cell.width();
    const int b = t + cell.height();
    if (medium == Medium::Screen)
        fillBox(painter, l, t, r, b, White);
    const int cx = l + (r - l) / 2;
    const int cy = t + (b - t) / 2;
    const QRect line = centred(cx, cy, LineHalf, scale);
    painter.fillRect(QRect(l, line.top(), r - l, line.height()), Black);
    painter.fillRect(QRect(line.left(), t, line.width(), b - t), Black);

    const TCellMarks &marks = state.Marks[column][row];
    const int x = column;
    const int y = flipRow(row);
    const QRect discBox = centred(cx, cy, DiscHalf, scale);
    if (marks.Placed) {
        drawEllipse(painter, discBox, Black, state.isHiddenPlace(x, y) ? Lime : Red);
        return;
    }
    if (medium == Medium::Screen && state.showsSolutionAt(x, y)) {
        drawEllipse(painter, discBox, Black, Green);
        return;
    }
    QColor colour = Silver;
    if (marks.BlueMark && marks.YellowMark)
        colour = Lime;
    else if (marks.BlueMark)
        colour = Blue;
    else if (marks.YellowMark)
        colour = Yellow;
    painter.fillRect(centred(cx, cy, colour == Silver ? DotHalf : MarkHalf, scale), colour);
}

void drawHoldCue(QPainter &painter, const QRect &cell, qreal progress, qreal scale)
{
    // centred on the crossing of the lattice lines, as the figures are
    const QPointF centre(cell.left() + cell.width() / 2, cell.top() + cell.height() / 2);
    const qreal radius = CueRadius * scale;
    const QRectF box(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Silver, CueWidth * scale));
    painter.drawEllipse(box);
    const int span = int(std::lround(std::clamp<qreal>(progress, 0, 1) * 360 * 16));
    if (span > 0) {
        painter.setPen(QPen(Purple, CueWidth * scale, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(box, 90 * 16, -span);
    }
    painter.restore();
}

} // namespace BoardPainter
