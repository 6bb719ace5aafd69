// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "GuessText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace GuessText {

namespace {
// the texts' translation context
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(GuessText)
};
} // namespace

QString numberText(int n)
{
    return QString::number(n) + QStringLiteral(".") + Texts::tr(" gæt:");
}

QString pointText(const TGuess &guess)
{
    QString text = QStringLiteral("(") + QString::number(guess.X) + QStringLiteral(",");
    if (guess.Y == -1)
        text += QStringLiteral(" )");
    else
        text += QString::number(guess.Y) + QStringLiteral("), ");
    return text;
}

QString fixed2(double value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', 2);
}

QString distanceText(double distance, TDistanceMeasure measure, const QLocale &locale)
{
    if (distance == 0.0)
        return Texts::tr(" Netop!");
    if (measure == dmTaxi)
        return Texts::tr("afstand ") + QString::number(std::llround(distance));
    return Texts::tr("afstand ") + fixed2(distance, locale);
}

QString solutionText(int hiddenX, int hiddenY)
{
    return Texts::tr("Den rigtige løsning er ") + QStringLiteral("(") + QString::number(hiddenX)
        + QStringLiteral(",") + QString::number(hiddenY) + QStringLiteral(")");
}

QString measureTitle(TDistanceMeasure measure)
{
    return measure == dmTaxi ? Texts::tr("Taxi afstand") : Texts::tr("Direkte afstand");
}

QString hintText(int n, int x, int y, double distance, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // 15 significant digits, trailing zeros dropped, never an exponent here
    QString number = plain.toString(distance, 'f', 15 - (distance >= 1.0 ? int(std::floor(std::log10(distance))) + 1 : 1));
    const QString point = plain.decimalPoint();
    if (number.contains(point)) {
        while (number.endsWith(QLatin1Char('0')))
            number.chop(1);
        if (number.endsWith(point))
            number.chop(point.size());
    }
    return QString::number(n) + Texts::tr(". gæt: (") + QString::number(x) + QStringLiteral(", ")
        + QString::number(y) + QStringLiteral(")") + Texts::tr(", afstand ") + number;
}

QString averageText(qint64 weighted, qint64 total, const QLocale &locale)
{
    if (total <= 0)
        return {};
    // round half up in hundredths: floor((200 w + t) / 2t)
    const qint64 hundredths = (200 * weighted + total) / (2 * total);
    return QString::number(hundredths / 100) + locale.decimalPoint()
        + QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QStringList statisticsReport(const TaskState &state, const QLocale &locale)
{
    QStringList lines;
    lines << QStringLiteral(" ") << Texts::tr(" Antal gæt  Antal opgaver") << QStringLiteral(" ");
    qint64 total = 0;
    qint64 weighted = 0;
    for (int n = 1; n <= MaxGuesses; ++n) {
        lines << QStringLiteral("     ") + QString::number(n) + QStringLiteral("          ")
                + QString::number(state.SolvedIn[n]);
        total += state.SolvedIn[n];
        weighted += qint64(n) * state.SolvedIn[n];
    }
    lines << QStringLiteral(" ");
    if (total > 0) {
        lines << Texts::tr(" Gennemsnit") + QStringLiteral("   ") + averageText(weighted, total, locale) + Texts::tr(" gæt");
        lines << QStringLiteral(" ");
    }
    lines << Texts::tr(" Ikke løst") + QStringLiteral("      ") + QString::number(state.Unsolved);
    return lines;
}

QList<LogLine> logLines(const TaskState &state, TDistanceMeasure measure, const QLocale &locale)
{
    QList<LogLine> lines;
    for (int n = 1; n <= std::min(state.GuessNo, MaxGuesses); ++n) {
        const TGuess &guess = state.Guesses[n];
        if (!guess.hasX())
            continue;
        LogLine line{{numberText(n), pointText(guess)}};
        if (guess.isComplete())
            line.pieces << distanceText(guess.Distance, measure, locale);
        lines << line;
    }
    if (state.showsSolution())
        lines << LogLine{{solutionText(state.HiddenX, state.HiddenY)}, true};
    return lines;
}

QString spokenLine(const LogLine &line)
{
    QStringList words;
    for (const QString &piece : line.pieces)
        words << piece.trimmed();
    return words.join(QLatin1Char(' '));
}

QString logName()
{
    return Texts::tr("Notesblok med dine gæt");
}

QString pointDescription(const TaskState &state, int x, int y, TDistanceMeasure measure, const QLocale &locale)
{
    const TCellMarks &marks = state.marksAt(x, y);
    const QString point = Texts::tr("punkt (%1, %2)").arg(x).arg(y);
    const int n = state.guessAt(x, y);
    if (marks.Placed && n > 0) {
        const double distance = state.Guesses[n].Distance;
        if (distance == 0.0)
            return Texts::tr("%1: gæt %2, netop").arg(point).arg(n);
        return Texts::tr("%1: gæt %2, %3").arg(point).arg(n).arg(distanceText(distance, measure, locale));
    }
    if (marks.Placed)
        return Texts::tr("%1: det skjulte punkt").arg(point);
    if (state.showsSolutionAt(x, y))
        return Texts::tr("%1: løsningen").arg(point);
    if (marks.BlueMark && marks.YellowMark)
        return Texts::tr("%1: blå og gult mærke").arg(point);
    if (marks.BlueMark)
        return Texts::tr("%1: blå mærke").arg(point);
    if (marks.YellowMark)
        return Texts::tr("%1: gult mærke").arg(point);
    return point;
}

} // namespace GuessText
