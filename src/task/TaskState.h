// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "Lattice.h"

#include <array>
#include <cstdint>

// The state of one task and the counters of the run. Plain data: the rules
// that change it live in TaskEngine.

enum TTaskMode : std::uint8_t {
    tmIdle = 0,
    tmComputerTask = 1,
    tmPlacing = 2,
    tmPlayerTask = 3,
};

enum TDistanceMeasure : int {
    dmTaxi = 0,
    dmDirect = 1,
};

struct TGuess {
    std::int32_t X = -1;
    std::int32_t Y = -1;
    double Distance = -1.0;

    bool hasX() const { return X >= 0; }
    bool isComplete() const { return X >= 0 && Y >= 0; }
};

// The arrow prompt's caption in the symbol font: a right arrow while an x is
// expected, an up arrow while a y is expected.
constexpr char16_t ArrowExpectX = 0xE8;
constexpr char16_t ArrowExpectY = 0xE9;

constexpr int MaxGuesses = 6;

struct TaskState {
    TTaskMode Mode = tmIdle;
    std::array<std::int32_t, MaxGuesses + 1> SolvedIn{}; // 1 ... 6 used
    std::int32_t Unsolved = 0;
    std::array<TGuess, MaxGuesses + 1> Guesses{};        // 1 ... 6 used
    TCellMarks Marks[LatticeSize][LatticeSize]{};        // [column][flipRow(y)]
    std::int32_t HiddenX = 0;
    std::int32_t HiddenY = 0;
    double CurrentDistance = 0.0;
    std::int32_t ChosenX = 0;
    std::int32_t ChosenY = 0;
    std::int32_t GuessNo = 0;
    char16_t ArrowCaption = ArrowExpectX;
    bool SolveButtonShown = false;

    bool isSearch() const { return Mode == tmComputerTask || Mode == tmPlayerTask; }
    const TCellMarks &marksAt(int x, int y) const { return Marks[x][flipRow(y)]; }
    TCellMarks &marksAt(int x, int y) { return Marks[x][flipRow(y)]; }
    bool isHiddenPlace(int x, int y) const { return x == HiddenX && y == HiddenY; }
    // Once the sixth guess is made, the log gives the solution and the board
    // shows where the point was (unless the guess hit it).
    bool showsSolution() const { return Guesses[MaxGuesses].isComplete(); }
    bool showsSolutionAt(int x, int y) const { return showsSolution() && isHiddenPlace(x, y); }

    // The lowest-numbered complete guess on (x, y), or 0 when there is none.
    int guessAt(int x, int y) const
    {
        for (int n = 1; n <= MaxGuesses; ++n) {
            if (Guesses[n].X == x && Guesses[n].Y == y)
                return n;
        }
        return 0;
    }
};
