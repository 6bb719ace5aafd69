// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

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
// Weighted / total with two decimals rounded half up on the exact quotient.
QString averageText(qint64 weighted, qint64 total, const QLocale &locale);

QStringList statisticsReport(const TaskState &state, const QLocale &locale = QLocale());

} // namespace GuessText
