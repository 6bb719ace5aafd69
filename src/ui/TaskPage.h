// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

#include <QList>
#include <QPoint>
#include <QString>

class QPainter;

// The printed task: title, lattice with axis numbers, guesses and marks, the
// measure and the guess list, laid out from one cell unit b that follows the
// printer's resolution.
namespace TaskPage {

constexpr int GridFontPoints = 14; // the point size of the board's font

struct Geometry {
    int cell;      // b: 0.4 inch in printer pixels
    int unit;      // t = b div 30: screen sizes are multiplied by it
    int textPoints; // F
};

Geometry pageGeometry(int resolution);
int pixelsForPoints(int points, int resolution);

// A text as it went onto the page: its top-left corner and its font height.
struct PrintedText {
    QString text;
    QPoint at;
    int pixelSize;
    bool underlined;
};

// Writes a text in the painter's font with its top-left corner at `at`, notes
// it in printed and returns its width.
int writeText(QPainter &painter, QPoint at, const QString &text, QList<PrintedText> &printed);

QList<PrintedText> paintPage(QPainter &painter, int resolution, const TaskState &state, TDistanceMeasure measure,
                         const QString &title);

} // namespace TaskPage
