// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "RecordingView.h"
#include "Script.h"
#include "TaskEngine.h"

#include <QTest>

#include <cmath>

// The rules of a task: modes, guesses, marks, distances and counters, driven
// through the command handlers with a recording fake as the window.
class TestTaskEngine : public QObject
{
    Q_OBJECT

    struct Game {
        RecordingView view;
        FixedPlaces *places;
        TaskEngine engine;
        Game()
            : places(new FixedPlaces)
            , engine(view, std::unique_ptr<HiddenPlaceSource>(places))
        {
        }
        const TaskState &s() const { return engine.state(); }
    };

private slots:
    void startUpState()
    {
        Game g;
        QCOMPARE(g.s().Mode, tmIdle);
        QCOMPARE(g.s().GuessNo, 0);
        QCOMPARE(g.s().ArrowCaption, ArrowExpectX);
        QCOMPARE(g.s().HiddenX, 0);
        QCOMPARE(g.s().Unsolved, 0);
        for (int n = 1; n <= 6; ++n) {
            QCOMPARE(g.s().Guesses[n].X, -1);
            QCOMPARE(g.s().Guesses[n].Distance, -1.0);
        }
        // clicks on the board before the first task do nothing, not even a repaint
        runScript(g.engine, QStringLiteral("L3,3 R3,3"));
        QVERIFY(g.view.calls.isEmpty());
        QVERIFY(!g.s().Marks[3][7].BlueMark);
    }

    void transitions_data()
    {
        QTest::addColumn<QString>("hidden");   // "x,y" places handed to computer tasks
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("answers");  // one letter per question: j / n
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("guessNo");
        QTest::addColumn<int>("unsolved");
        QTest::addColumn<QString>("solvedIn"); // SolvedIn[1..6]
        QTest::addColumn<QStringList>("questions");

        const QStringList none;
        QTest::newRow("idle start asks nothing") << "5,5" << "start" << "" << int(tmComputerTask) << 1 << 0 << "000000" << none;
        QTest::newRow("start during search, yes") << "5,5 1,1" << "start x0 y0 start" << "j" << int(tmComputerTask) << 1 << 1 << "000000" << QStringList{"Ny opgave?"};
        QTest::newRow("start during search, no") << "5,5" << "start x0 y0 start" << "n" << int(tmComputerTask) << 2 << 0 << "000000" << QStringList{"Ny opgave?"};
        QTest::newRow("lav while idle") << "" << "lav" << "" << int(tmPlacing) << 1 << 0 << "000000" << none;
        QTest::newRow("lav during search, yes") << "5,5" << "start lav" << "j" << int(tmPlacing) << 1 << 1 << "000000" << QStringList{"Lav opgave?"};
        QTest::newRow("lav during placing, yes counts") << "" << "lav x1 y1 lav" << "j" << int(tmPlacing) << 1 << 1 << "000000" << QStringList{"Lav opgave?"};
        QTest::newRow("start during placing, yes counts") << "4,4" << "lav start" << "j" << int(tmComputerTask) << 1 << 1 << "000000" << QStringList{"Ny opgave?"};
        QTest::newRow("indstil while idle") << "" << "indstil" << "" << int(tmIdle) << 1 << 0 << "000000" << none;
        QTest::newRow("indstil during search, yes") << "5,5" << "start indstil" << "j" << int(tmIdle) << 1 << 1 << "000000" << QStringList{"Indstillinger?"};
        QTest::newRow("indstil during placing, no") << "" << "lav indstil" << "n" << int(tmPlacing) << 1 << 0 << "000000" << QStringList{"Indstillinger?"};
        QTest::newRow("hit with guess 3") << "6,2" << "start x0 y0 x1 y1 x6 y2" << "" << int(tmIdle) << 4 << 0 << "001000" << none;
        QTest::newRow("hit with the first guess") << "6,2" << "start x6 y2" << "" << int(tmIdle) << 2 << 0 << "100000" << none;
        QTest::newRow("six misses") << "9,9" << "start x0 y0 x0 y1 x0 y2 x0 y3 x0 y4 x0 y5" << "" << int(tmIdle) << 7 << 1 << "000000" << none;
        QTest::newRow("sixth guess hits") << "9,9" << "start x0 y0 x0 y1 x0 y2 x0 y3 x0 y4 x9 y9" << "" << int(tmIdle) << 7 << 0 << "000001" << none;
        QTest::newRow("composed task hit counts nothing") << "" << "lav x2 y7 loes x2 y7" << "" << int(tmIdle) << 2 << 0 << "000000" << none;
        QTest::newRow("composed task lost counts") << "" << "lav x9 y9 loes x0 y0 x0 y1 x0 y2 x0 y3 x0 y4 x0 y5" << "" << int(tmIdle) << 7 << 1 << "000000" << none;
        QTest::newRow("y first is ignored") << "5,5" << "start y3" << "" << int(tmComputerTask) << 1 << 0 << "000000" << none;
        QTest::newRow("second x is ignored") << "5,5" << "start x3 x4 y5" << "" << int(tmComputerTask) << 2 << 0 << "000000" << none;
        QTest::newRow("coordinates while idle are ignored") << "" << "x3 y5" << "" << int(tmIdle) << 0 << 0 << "000000" << none;
        QTest::newRow("loes while hidden is ignored") << "" << "loes" << "" << int(tmIdle) << 0 << 0 << "000000" << none;
        QTest::newRow("two solved tasks") << "1,1 2,2" << "start x1 y1 start x0 y0 x2 y2" << "" << int(tmIdle) << 3 << 0 << "110000" << none;
    }

    void transitions()
    {
        QFETCH(QString, hidden);
        QFETCH(QString, script);
        QFETCH(QString, answers);
        QFETCH(int, mode);
        QFETCH(int, guessNo);
        QFETCH(int, unsolved);
        QFETCH(QString, solvedIn);
        QFETCH(QStringList, questions);

        Game g;
        for (const QString &place : hidden.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            g.places->push(place.section(QLatin1Char(','), 0, 0).toInt(), place.section(QLatin1Char(','), 1, 1).toInt());
        for (QChar answer : answers)
            g.view.answers.push_back(answer == QLatin1Char('j'));
        runScript(g.engine, script);

        QCOMPARE(int(g.s().Mode), mode);
        QCOMPARE(g.s().GuessNo, guessNo);
        QCOMPARE(g.s().Unsolved, unsolved);
        QString counts;
        for (int n = 1; n <= 6; ++n)
            counts += QString::number(g.s().SolvedIn[n]);
        QCOMPARE(counts, solvedIn);
        QCOMPARE(g.view.questions, questions);
        QCOMPARE(g.view.buttonsEnabled, mode != tmIdle);
    }

    void distances_data()
    {
        QTest::addColumn<int>("hx");
        QTest::addColumn<int>("hy");
        QTest::addColumn<int>("gx");
        QTest::addColumn<int>("gy");
        QTest::addColumn<int>("measure");
        QTest::addColumn<double>("distance");
        QTest::newRow("taxi (3,4) from (0,0)") << 3 << 4 << 0 << 0 << int(dmTaxi) << 7.0;
        QTest::newRow("direct (3,4) from (0,0)") << 3 << 4 << 0 << 0 << int(dmDirect) << 5.0;
        QTest::newRow("taxi (2,3) from (1,1)") << 2 << 3 << 1 << 1 << int(dmTaxi) << 3.0;
        QTest::newRow("direct (2,3) from (1,1)") << 2 << 3 << 1 << 1 << int(dmDirect) << std::sqrt(5.0);
        QTest::newRow("taxi across the board") << 0 << 0 << 10 << 10 << int(dmTaxi) << 20.0;
        QTest::newRow("direct negative steps") << 0 << 10 << 10 << 0 << int(dmDirect) << std::sqrt(200.0);
    }

    void distances()
    {
        QFETCH(int, hx);
        QFETCH(int, hy);
        QFETCH(int, gx);
        QFETCH(int, gy);
        QFETCH(int, measure);
        QFETCH(double, distance);
        Game g;
        g.places->push(hx, hy);
        g.view.measure = TDistanceMeasure(measure);
        runScript(g.engine, QStringLiteral("start x%1 y%2").arg(gx).arg(gy));
        QCOMPARE(g.s().Guesses[1].Distance, distance);
        QCOMPARE(g.s().CurrentDistance, distance);
    }

    void measureIsReadAtEveryGuess()
    {
        Game g;
        g.places->push(3, 4);
        runScript(g.engine, QStringLiteral("start x0 y0"));
        g.view.measure = dmDirect;
        runScript(g.engine, QStringLiteral("x1 y0"));
        QCOMPARE(g.s().Guesses[1].Distance, 7.0);
        QCOMPARE(g.s().Guesses[2].Distance, std::sqrt(20.0));
    }

    void hitEndsTheTask()
    {
        Game g;
        g.places->push(6, 2);
        runScript(g.engine, QStringLiteral("start x0 y0 x1 y1"));
        g.view.calls.clear();
        runScript(g.engine, QStringLiteral("x6 y2"));
        QCOMPARE(g.s().Guesses[3].Distance, 0.0);
        QVERIFY(!g.view.arrowVisible);
        QVERIFY(!g.view.buttonsEnabled);
        QVERIFY(g.s().marksAt(6, 2).Placed);
        QVERIFY(g.s().marksAt(0, 0).Placed);
        QCOMPARE(g.s().Guesses[1].X, 0);
        // the ended task stays listed: no clearing until the next task
        QVERIFY(!g.view.calls.contains(QStringLiteral("arrowSwitch e8")));
    }

    void sixthMissRedrawsTheLogBeforeAbandoning()
    {
        Game g;
        g.places->push(9, 9);
        runScript(g.engine, QStringLiteral("start x0 y0 x0 y1 x0 y2 x0 y3 x0 y4"));
        g.view.calls.clear();
        runScript(g.engine, QStringLiteral("x0 y5"));
        const int logAt = g.view.calls.lastIndexOf(QStringLiteral("log"));
        const int stopAt = g.view.calls.indexOf(QStringLiteral("arrowStop"));
        QVERIFY(logAt >= 0 && stopAt > logAt);
        QCOMPARE(g.s().GuessNo, 7);
    }

    void guessOnAGuessedPointRegistersNothing()
    {
        Game g;
        g.places->push(5, 5);
        runScript(g.engine, QStringLiteral("start x3 y3 x3"));
        const int repaints = int(g.view.calls.count(QStringLiteral("repaint")));
        runScript(g.engine, QStringLiteral("y3"));
        QCOMPARE(g.s().GuessNo, 2);
        QCOMPARE(g.s().ArrowCaption, ArrowExpectY);
        QCOMPARE(g.view.calls.count(QStringLiteral("repaint")), repaints);
        // the refused y is not written into the guess: it stays half-entered
        QCOMPARE(g.s().Guesses[2].X, 3);
        QCOMPARE(g.s().Guesses[2].Y, -1);
        QCOMPARE(g.s().Guesses[2].Distance, -1.0);
        runScript(g.engine, QStringLiteral("y4"));
        QCOMPARE(g.s().Guesses[2].Y, 4);
        QCOMPARE(g.s().Guesses[2].Distance, 3.0);
        QCOMPARE(g.s().GuessNo, 3);
    }

    void marks()
    {
        Game g;
        g.places->push(9, 9);
        runScript(g.engine, QStringLiteral("start L2,2 R2,2"));
        QVERIFY(g.s().marksAt(2, 2).BlueMark && g.s().marksAt(2, 2).YellowMark);
        runScript(g.engine, QStringLiteral("L2,2 M2,2"));
        QVERIFY(!g.s().marksAt(2, 2).BlueMark && g.s().marksAt(2, 2).YellowMark);
        // a guess on a marked point clears both marks
        runScript(g.engine, QStringLiteral("L2,2 x2 y2"));
        QVERIFY(g.s().marksAt(2, 2).Placed);
        QVERIFY(!g.s().marksAt(2, 2).BlueMark && !g.s().marksAt(2, 2).YellowMark);
        runScript(g.engine, QStringLiteral("L2,2 R2,2"));
        QVERIFY(!g.s().marksAt(2, 2).BlueMark && !g.s().marksAt(2, 2).YellowMark);
        // outside the cells: a repaint but no mark anywhere
        g.view.calls.clear();
        g.engine.sgNetMouseUp(TaskEngine::MouseButton::Left, 335, 10);
        g.engine.sgNetMouseUp(TaskEngine::MouseButton::Left, -3, 10);
        QCOMPARE(g.view.calls, QStringList({"repaint", "repaint"}));
        for (int c = 0; c < 11; ++c)
            for (int r = 0; r < 11; ++r)
                QVERIFY(!g.s().Marks[c][r].BlueMark);
    }

    void composing()
    {
        Game g;
        runScript(g.engine, QStringLiteral("lav x2 y7"));
        QCOMPARE(g.s().HiddenX, 2);
        QCOMPARE(g.s().HiddenY, 7);
        QVERIFY(g.s().marksAt(2, 7).Placed);
        QVERIFY(!g.view.arrowVisible);
        QVERIFY(g.view.solveVisible);
        runScript(g.engine, QStringLiteral("x5 y1"));
        QCOMPARE(g.s().HiddenX, 2);
        QCOMPARE(g.s().HiddenY, 1);
        QVERIFY(!g.s().marksAt(2, 7).Placed);
        QVERIFY(g.s().marksAt(2, 1).Placed);
        // placing on the same place again leaves it marked
        runScript(g.engine, QStringLiteral("y1"));
        QVERIFY(g.s().marksAt(2, 1).Placed);
        runScript(g.engine, QStringLiteral("loes"));
        QCOMPARE(g.s().Mode, tmPlayerTask);
        QVERIFY(!g.view.solveVisible);
        QVERIFY(!g.s().marksAt(2, 1).Placed);
        QCOMPARE(g.s().HiddenX, 2);
        QCOMPARE(g.s().HiddenY, 1);
        QCOMPARE(g.s().GuessNo, 1);
        QCOMPARE(g.s().ArrowCaption, ArrowExpectX);
    }

    // A placing given up by a confirmed question takes "Løs opgaven" with it,
    // and every new task or placing starts without it.
    void solveButtonGoesWithTheAbandonedPlacing_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("Ny opgave?") << "lav x2 y7 start";
        QTest::newRow("Lav opgave?") << "lav x2 y7 lav";
        QTest::newRow("Indstillinger?") << "lav x2 y7 indstil";
    }

    void solveButtonGoesWithTheAbandonedPlacing()
    {
        QFETCH(QString, script);
        Game g;
        g.view.answers = {true};
        runScript(g.engine, script);
        QVERIFY(!g.view.solveVisible);
        QVERIFY(!g.s().SolveButtonShown);
        const TTaskMode mode = g.s().Mode;
        const int unsolved = g.s().Unsolved;
        runScript(g.engine, QStringLiteral("loes"));
        QCOMPARE(g.s().Mode, mode);
        QCOMPARE(g.s().Unsolved, unsolved);
    }

    void noToAQuestionChangesNothing()
    {
        Game g;
        g.places->push(5, 5);
        runScript(g.engine, QStringLiteral("start x1 y1 x2 L7,7"));
        const TaskState before = g.s();
        g.view.calls.clear();
        runScript(g.engine, QStringLiteral("start lav indstil"));
        QCOMPARE(g.view.calls, QStringList({"ask Ny opgave?", "ask Lav opgave?", "ask Indstillinger?"}));
        QCOMPARE(g.s().Mode, before.Mode);
        QCOMPARE(g.s().GuessNo, before.GuessNo);
        QCOMPARE(g.s().Guesses[2].X, 2);
        QCOMPARE(g.s().ArrowCaption, ArrowExpectY);
        QVERIFY(g.s().marksAt(7, 7).BlueMark);
    }

    void settings()
    {
        Game g;
        g.places->push(5, 5);
        runScript(g.engine, QStringLiteral("start x1 y1"));
        g.view.answers = {true};
        g.view.settingsResults = {false};
        // yes, then cancel: counted all the same, board kept
        runScript(g.engine, QStringLiteral("indstil"));
        QCOMPARE(g.s().Unsolved, 1);
        QCOMPARE(g.s().GuessNo, 2);
        QVERIFY(g.s().marksAt(1, 1).Placed);
        // idle, OK: cleared, hidden place kept
        g.view.settingsResults = {true};
        runScript(g.engine, QStringLiteral("indstil"));
        QCOMPARE(g.s().GuessNo, 1);
        QVERIFY(!g.s().marksAt(1, 1).Placed);
        QCOMPARE(g.s().Guesses[1].X, -1);
        QCOMPARE(g.s().HiddenX, 5);
        QCOMPARE(g.s().Mode, tmIdle);
        QCOMPARE(g.s().Unsolved, 1);
    }

    void arrowRequests()
    {
        Game g;
        g.places->push(5, 5);
        runScript(g.engine, QStringLiteral("start"));
        QVERIFY(g.view.calls.contains(QStringLiteral("arrowStart e8")));
        g.view.calls.clear();
        runScript(g.engine, QStringLiteral("x1"));
        QCOMPARE(g.view.calls, QStringList({"arrowSwitch e9", "log"}));
        g.view.calls.clear();
        runScript(g.engine, QStringLiteral("y1"));
        QCOMPARE(g.view.calls, QStringList({"repaint", "log", "arrowSwitch e8"}));
    }
};

QTEST_GUILESS_MAIN(TestTaskEngine)
#include "tst_taskengine.moc"
