// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

#include <QColor>
#include <QRect>

class QPainter;

// How the lattice points are drawn, on the screen board and on paper. Sizes
// are those of the screen board times a scale, rounded to whole pixels.
namespace BoardPainter {

// Colours of the board.
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Black{0x00, 0x00, 0x00};
inline const QColor Lime{0x00, 0xFF, 0x00};
inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor Green{0x00, 0x80, 0x00};
inline const QColor Blue{0x00, 0x00, 0xFF};
inline const QColor Yellow{0xFF, 0xFF, 0x00};
inline const QColor Silver{0xC0, 0xC0, 0xC0};
inline const QColor Purple{0x80, 0x00, 0x80}; // the touch hold's cue, unlike any figure

constexpr int DiscHalf = 6;       // disc 12 px across
constexpr int MarkHalf = 4;       // mark square 8 px
constexpr int DotHalf = 2;        // silver dot 4 px
constexpr int LineHalf = 1;       // lattice line 2 px
constexpr int CueRadius = 23;     // hold cue: a ring round the fingertip that
constexpr int CueWidth = 4;       // stops short of the neighbours' figures

enum class Medium { Screen, Paper };

// One cell of the board: the lattice lines through its centre and the point's
// figure. On paper no cell background is painted and the solution disc is
// never drawn. scale multiplies every size: the device pixel ratio on the
// screen, the printer's line unit on paper.
void drawCell(QPainter &painter, const TaskState &state, int column, int row, const QRect &cell, qreal scale,
              Medium medium);

// The cue of a finger held on the cell's point: a silver ring that turns
// purple clockwise from the top as progress goes from 0 to 1. It reaches
// into the neighbouring cells.
void drawHoldCue(QPainter &painter, const QRect &cell, qreal progress, qreal scale);

// A filled ellipse covering the same pixels as the classic integer midpoint
// ellipse in the box (right and bottom edges outside the box).
void drawEllipse(QPainter &painter, const QRect &box, const QColor &rim, const QColor &fill);

} // namespace BoardPainter
