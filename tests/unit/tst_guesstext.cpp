// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "GuessText.h"

#include <QTest>

#include <cmath>

// The texts that the log, the printout, the hint and the statistics write,
// in Danish and in a locale with a decimal point.
class TestGuessText : public QObject
{
    Q_OBJECT

    const QLocale danish{QLocale::Danish, QLocale::Denmark};
    const QLocale english{QLocale::English, QLocale::UnitedStates};

private slots:
    void pieces()
    {
        QCOMPARE(GuessText::numberText(1), QStringLiteral("1. gæt:"));
        QCOMPARE(GuessText::pointText({3, 5, 4.0}), QStringLiteral("(3,5), "));
        QCOMPARE(GuessText::pointText({3, -1, -1.0}), QStringLiteral("(3, )"));
        QCOMPARE(GuessText::pointText({10, 10, 0.0}), QStringLiteral("(10,10), "));
        QCOMPARE(GuessText::solutionText(5, 7), QStringLiteral("Den rigtige løsning er (5,7)"));
        QCOMPARE(GuessText::measureTitle(dmTaxi), QStringLiteral("Taxi afstand"));
        QCOMPARE(GuessText::measureTitle(dmDirect), QStringLiteral("Direkte afstand"));
    }

    void distance_data()
    {
        QTest::addColumn<double>("distance");
        QTest::addColumn<int>("measure");
        QTest::addColumn<bool>("danishLocale");
        QTest::addColumn<QString>("text");
        QTest::newRow("taxi") << 7.0 << int(dmTaxi) << true << "afstand 7";
        QTest::newRow("taxi 20") << 20.0 << int(dmTaxi) << true << "afstand 20";
        QTest::newRow("direct root 5, Danish") << std::sqrt(5.0) << int(dmDirect) << true << "afstand 2,24";
        QTest::newRow("direct root 5, point") << std::sqrt(5.0) << int(dmDirect) << false << "afstand 2.24";
        QTest::newRow("direct whole") << 5.0 << int(dmDirect) << true << "afstand 5,00";
        QTest::newRow("direct rounds up") << std::sqrt(8.0) << int(dmDirect) << true << "afstand 2,83";
        QTest::newRow("direct longest") << std::sqrt(200.0) << int(dmDirect) << true << "afstand 14,14";
        QTest::newRow("hit taxi") << 0.0 << int(dmTaxi) << true << " Netop!";
        QTest::newRow("hit direct") << 0.0 << int(dmDirect) << false << " Netop!";
        // a direct distance shown under the taxi heading is rounded
        QTest::newRow("direct under taxi") << std::sqrt(5.0) << int(dmTaxi) << true << "afstand 2";
    }

    void distance()
    {
        QFETCH(double, distance);
        QFETCH(int, measure);
        QFETCH(bool, danishLocale);
        QFETCH(QString, text);
        QCOMPARE(GuessText::distanceText(distance, TDistanceMeasure(measure), danishLocale ? danish : english), text);
    }

    void hint_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<double>("distance");
        QTest::addColumn<bool>("danishLocale");
        QTest::addColumn<QString>("text");
        QTest::newRow("taxi") << 2 << 3 << 7 << 4.0 << true << "2. gæt: (3, 7), afstand 4";
        QTest::newRow("root 2") << 4 << 5 << 5 << std::sqrt(2.0) << true << "4. gæt: (5, 5), afstand 1,4142135623731";
        QTest::newRow("hit") << 3 << 6 << 2 << 0.0 << true << "3. gæt: (6, 2), afstand 0";
        QTest::newRow("root 101") << 1 << 0 << 0 << std::sqrt(101.0) << true << "1. gæt: (0, 0), afstand 10,0498756211209";
        QTest::newRow("root 200 point") << 6 << 10 << 0 << std::sqrt(200.0) << false << "6. gæt: (10, 0), afstand 14.142135623731";
        QTest::newRow("whole direct") << 1 << 1 << 1 << 5.0 << true << "1. gæt: (1, 1), afstand 5";
    }

    void hint()
    {
        QFETCH(int, n);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(double, distance);
        QFETCH(bool, danishLocale);
        QFETCH(QString, text);
        QCOMPARE(GuessText::hintText(n, x, y, distance, danishLocale ? danish : english), text);
    }

    void report_data()
    {
        QTest::addColumn<QList<int>>("solved");
        QTest::addColumn<int>("unsolved");
        QTest::addColumn<QString>("average"); // empty: no average lines
        QTest::newRow("nothing solved") << QList<int>{0, 0, 0, 0, 0, 0} << 3 << QString();
        QTest::newRow("2x1 + 1x4") << QList<int>{2, 0, 0, 1, 0, 0} << 0 << " Gennemsnit   2,00 gæt";
        QTest::newRow("one with six") << QList<int>{0, 0, 0, 0, 0, 1} << 5 << " Gennemsnit   6,00 gæt";
        QTest::newRow("17/8 half up") << QList<int>{2, 3, 3, 0, 0, 0} << 0 << " Gennemsnit   2,13 gæt";
        QTest::newRow("107/40 half up") << QList<int>{5, 15, 8, 12, 0, 0} << 0 << " Gennemsnit   2,68 gæt";
        QTest::newRow("two and a half") << QList<int>{1, 0, 0, 1, 0, 0} << 0 << " Gennemsnit   2,50 gæt";
        QTest::newRow("counts of ten or more") << QList<int>{12, 0, 0, 0, 0, 0} << 10 << " Gennemsnit   1,00 gæt";
    }

    void report()
    {
        QFETCH(QList<int>, solved);
        QFETCH(int, unsolved);
        QFETCH(QString, average);
        TaskState state;
        for (int n = 1; n <= 6; ++n)
            state.SolvedIn[n] = solved[n - 1];
        state.Unsolved = unsolved;
        const QStringList lines = GuessText::statisticsReport(state, danish);

        QStringList expected{" ", " Antal gæt  Antal opgaver", " "};
        for (int n = 1; n <= 6; ++n)
            expected << QStringLiteral("     %1          %2").arg(n).arg(solved[n - 1]);
        expected << " ";
        if (!average.isEmpty())
            expected << average << " ";
        expected << QStringLiteral(" Ikke løst      %1").arg(unsolved);
        QCOMPARE(lines, expected);
        QCOMPARE(lines.size(), average.isEmpty() ? 11 : 13);
    }

    void averageUsesTheLocaleSeparator()
    {
        QCOMPARE(GuessText::averageText(107, 40, english), QStringLiteral("2.68"));
        QCOMPARE(GuessText::averageText(17, 8, danish), QStringLiteral("2,13"));
        QCOMPARE(GuessText::averageText(1, 3, danish), QStringLiteral("0,33"));
        QCOMPARE(GuessText::averageText(2, 3, danish), QStringLiteral("0,67"));
        QCOMPARE(GuessText::averageText(0, 0, danish), QString()); // nothing solved: no average, no division
    }
};

QTEST_GUILESS_MAIN(TestGuessText)
#include "tst_guesstext.moc"
