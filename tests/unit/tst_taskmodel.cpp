// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "RecordingView.h"
#include "TaskEngine.h"

#include <QTest>

#include <random>

// Random play from fixed seeds: after every command the task state must still
// make sense, and the counters may only rise the way the rules let them.
class TestTaskModel : public QObject
{
    Q_OBJECT

    struct Counters {
        int unsolved = 0;
        std::array<int, 7> solved{};
    };

    static Counters counters(const TaskState &s)
    {
        Counters c;
        c.unsolved = s.Unsolved;
        for (int n = 1; n <= 6; ++n)
            c.solved[n] = s.SolvedIn[n];
        return c;
    }

    static QString checkInvariants(const TaskState &s)
    {
        if (s.Mode > tmPlayerTask)
            return QStringLiteral("mode out of range");
        if (s.GuessNo < 0 || s.GuessNo > 7)
            return QStringLiteral("GuessNo %1").arg(s.GuessNo);
        const int current = s.GuessNo;
        for (int n = 1; n <= 6; ++n) {
            const TGuess &g = s.Guesses[n];
            if (n < current) {
                if (g.X < 0 || g.X > 10 || g.Y < 0 || g.Y > 10 || g.Distance < 0)
                    return QStringLiteral("guess %1 before GuessNo is incomplete").arg(n);
                if ((g.Distance == 0.0) != s.isHiddenPlace(g.X, g.Y))
                    return QStringLiteral("guess %1: distance 0 must mean the hidden place").arg(n);
                for (int m = 1; m < n; ++m) {
                    if (s.Guesses[m].X == g.X && s.Guesses[m].Y == g.Y)
                        return QStringLiteral("guesses %1 and %2 on one point").arg(m).arg(n);
                }
            } else if (n == current) {
                if (g.Y != -1 || g.Distance != -1.0)
                    return QStringLiteral("the current guess holds more than its x");
                if (s.isSearch() && (g.X >= 0) != (s.ArrowCaption == ArrowExpectY))
                    return QStringLiteral("arrow and current guess disagree");
            } else if (g.X != -1 || g.Y != -1 || g.Distance != -1.0) {
                return QStringLiteral("guess %1 after GuessNo is not empty").arg(n);
            }
        }
        int placedCount = 0;
        for (int c = 0; c < 11; ++c) {
            for (int r = 0; r < 11; ++r) {
                const TCellMarks &m = s.Marks[c][r];
                if (!m.Placed)
                    continue;
                ++placedCount;
                if (m.BlueMark || m.YellowMark)
                    return QStringLiteral("marks on a placed point");
                const bool onGuess = s.guessAt(c, 10 - r) != 0 && s.guessAt(c, 10 - r) < std::max(current, 1);
                // a placing given up and followed by a cancelled settings
                // dialog leaves its composed place on the board
                const bool leftoverPlace = s.Mode == tmIdle && current == 1 && s.isHiddenPlace(c, 10 - r);
                if (s.Mode == tmPlacing || leftoverPlace) {
                    if (!s.isHiddenPlace(c, 10 - r))
                        return QStringLiteral("a placed point other than the composed place");
                } else if (!onGuess) {
                    return QStringLiteral("a placed point without a complete guess");
                }
            }
        }
        const bool leftover = s.Mode == tmIdle && current == 1 && placedCount == 1;
        if (s.Mode != tmPlacing && !leftover) {
            const int complete = std::max(0, current - 1);
            if (placedCount != std::min(complete, 6))
                return QStringLiteral("%1 placed points for %2 complete guesses").arg(placedCount).arg(complete);
        } else if (placedCount > 1) {
            return QStringLiteral("more than one composed place");
        }
        return {};
    }

private slots:
    void randomPlay_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("commands");
        for (unsigned seed : {1u, 2u, 3u, 4u, 5u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << 25000;
    }

    void randomPlay()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, commands);
        std::mt19937 random(seed);
        auto chance = [&](int percent) { return int(random() % 100) < percent; };
        auto pick = [&](int n) { return int(random() % unsigned(n)); };

        RecordingView view;
        auto *places = new FixedPlaces;
        TaskEngine engine(view, std::unique_ptr<HiddenPlaceSource>(places));
        int hits = 0, losses = 0;

        for (int i = 0; i < commands; ++i) {
            const TaskState before = engine.state();
            const Counters was = counters(before);
            places->push(pick(11), pick(11));
            const bool answer = chance(50);
            view.answers = {answer};
            view.settingsResults = {chance(50)};
            view.changeMeasureInSettings = chance(30);
            view.measureChosenInSettings = chance(50) ? dmDirect : dmTaxi;
            view.calls.clear();

            QString command;
            const int roll = pick(100);
            if (roll < 4) {
                command = QStringLiteral("start");
                engine.bbStartClick();
            } else if (roll < 6) {
                command = QStringLiteral("lav");
                engine.bbLavOpgaveClick();
            } else if (roll < 7) {
                command = QStringLiteral("indstil");
                engine.bbIndstilClick();
            } else if (roll < 9) {
                command = QStringLiteral("loes");
                if (view.solveVisible) // the window only offers it while shown
                    engine.btLoesClick();
            } else if (roll < 50) {
                command = QStringLiteral("x");
                if (view.buttonsEnabled)
                    engine.btX0Click(pick(11));
            } else if (roll < 90) {
                command = QStringLiteral("y");
                if (view.buttonsEnabled)
                    engine.btY0Click(pick(11));
            } else {
                command = QStringLiteral("mouse");
                const auto button = TaskEngine::MouseButton(pick(3));
                engine.sgNetMouseUp(button, pick(360) - 15, pick(360) - 15);
            }

            const TaskState &s = engine.state();
            const QString broken = checkInvariants(s);
            if (!broken.isEmpty())
                QFAIL(qPrintable(QStringLiteral("after command %1 (%2): %3").arg(i).arg(command, broken)));

            const Counters now = counters(s);
            const int unsolvedRise = now.unsolved - was.unsolved;
            QVERIFY(unsolvedRise == 0 || unsolvedRise == 1);
            const bool asked = !view.questions.isEmpty() && view.calls.filter(QStringLiteral("ask ")).size() == 1;
            const bool lostSixth = command == QLatin1String("y") && before.isSearch() && before.GuessNo == 6
                && s.GuessNo == 7 && s.Guesses[6].Distance > 0;
            const bool confirmed = asked && answer && before.Mode != tmIdle;
            if (unsolvedRise == 1) {
                QVERIFY2(lostSixth || confirmed, qPrintable(command));
                ++losses;
            }
            for (int n = 1; n <= 6; ++n) {
                const int rise = now.solved[n] - was.solved[n];
                QVERIFY(rise == 0 || rise == 1);
                if (rise == 1) {
                    QCOMPARE(command, QStringLiteral("y"));
                    QCOMPARE(before.Mode, tmComputerTask);
                    QCOMPARE(before.GuessNo, n);
                    QCOMPARE(s.Guesses[n].Distance, 0.0);
                    ++hits;
                }
            }
            if (command == QLatin1String("y") && before.Mode == tmComputerTask && s.GuessNo == before.GuessNo + 1
                && s.Guesses[before.GuessNo].Distance == 0.0)
                QCOMPARE(now.solved[before.GuessNo], was.solved[before.GuessNo] + 1);
            view.questions.clear();
        }
        // the walk must have reached both ends of a task
        QVERIFY(hits > 10);
        QVERIFY(losses > 10);
    }
};

QTEST_GUILESS_MAIN(TestTaskModel)
#include "tst_taskmodel.moc"
