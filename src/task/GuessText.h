// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The texts of a guess as the log and the task printout write them, the hover
// hint's own text, and the statistics report. Numbers follow the locale given.
namespace GuessText {

QString numberText(int n);                        // "1. gæt:"
QString pointText(const TGuess &guess);           // "(3,5), " or "(3, )"
QString distanceText(double distance, TDistanceMeasure measure, const QLocale &locale = QLocale());
QString solutionText(int hiddenX, int hiddenY);   // "Den rigtige løsning er (5,7)"
QString measureTitle(TDistanceMeasure measure);   // "Taxi afstand" / "Direkte afstand"
QString hintText(int n, int x, int y, double distance, const QLocale &locale = QLocale());

// Two decimals, no grouping, the locale's separator.
QString fixed2(double value, const QLocale &locale);
// Weighted / total with two decimals rounded half up on the exact quotient;
// empty when total is not positive.
QString averageText(qint64 weighted, qint64 total, const QLocale &locale);

QStringList statisticsReport(const TaskState &state, const QLocale &locale = QLocale());

// One line of the guess list: its pieces, written one after the other.
struct LogLine {
    QStringList pieces;    // number, point and (once the y is chosen) distance; or the solution alone
    bool solution = false; // the line that follows a sixth guess

    bool hasResult() const { return solution || pieces.size() == 3; }
};

// The guess list as the notepad and the printed task show it, below the
// measure's title.
QList<LogLine> logLines(const TaskState &state, TDistanceMeasure measure, const QLocale &locale = QLocale());
// A line as one sentence, for screen readers: "1. gæt: (3,5), afstand 4".
QString spokenLine(const LogLine &line);
QString logName(); // the notepad's name for screen readers

// Writes a line's pieces from left on, 4 px after the number and 2 px after
// the point. write(x, text) writes one piece and returns its width.
template <typename Write>
void layOutLine(const LogLine &line, int left, Write write)
{
    constexpr int gaps[] = {4, 2, 0};
    int x = left;
    for (qsizetype i = 0; i < line.pieces.size() && i < 3; ++i)
        x += write(x, line.pieces[i]) + gaps[i];
}

// What stands on a lattice point, in words: "punkt (3, 5): gæt 2, afstand 4".
QString pointDescription(const TaskState &state, int x, int y, TDistanceMeasure measure,
                         const QLocale &locale = QLocale());

} // namespace GuessText
