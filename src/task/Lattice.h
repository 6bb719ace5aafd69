// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// The 11 x 11 lattice of the board and what may stand on one of its points.

constexpr int LatticeSize = 11;     // points 0 ... 10 on each axis
constexpr int LatticeMax = LatticeSize - 1;
constexpr int BoardCellSize = 30;  // pixels of one lattice point's cell on the screen board

// Lattice y counts up from the bottom, the board's rows down from the top:
// the flip turns a y into its row and a row into its y.
constexpr int flipRow(int yOrRow)
{
    return LatticeMax - yOrRow;
}

// A cell of the board, counted from the top left.
struct TCell {
    int Column;
    int Row;
};

// The cell under a pixel of the screen board, if any.
inline std::optional<TCell> cellAtPixel(int x, int y)
{
    if (x < 0 || y < 0 || x / BoardCellSize > LatticeMax || y / BoardCellSize > LatticeMax)
        return std::nullopt;
    return TCell{x / BoardCellSize, y / BoardCellSize};
}

struct TCellMarks {
    bool Placed = false;
    bool BlueMark = false;
    bool YellowMark = false;
};
