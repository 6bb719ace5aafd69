// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Artwork.h"
#include "BoardFixture.h"

#include <QLabel>
#include <QRadioButton>

// The guess log on the notepad and the hover hint over the board.
class TestGuessLog : public QObject
{
    Q_OBJECT

    using Lines = QList<QPair<QString, QPoint>>;

    static Lines texts(const TfmBraet &braet)
    {
        Lines lines;
        for (const auto &t : braet.board->paLog->texts())
            lines.append({t.text, t.at});
        return lines;
    }

    // The three pieces of a guess line with their x positions.
    static Lines guessLine(const QFont &font, int n, const QString &point, const QString &distance, int y)
    {
        const QFontMetrics m(font);
        const QString number = QStringLiteral("%1. gæt:").arg(n);
        Lines line{{number, {52, y}}};
        const int px = 52 + m.horizontalAdvance(number) + 4;
        line.append({point, {px, y}});
        if (!distance.isEmpty())
            line.append({distance, {px + m.horizontalAdvance(point) + 2, y}});
        return line;
    }

    static QFont logFont()
    {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        return font;
    }

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark)); }
    void init() { QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark)); }

    void log_data()
    {
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<bool>("pointLocale");
        QTest::addColumn<QStringList>("lines"); // "point|distance" per guess; "=x,y" a solution line
        const QStringList none;
        QTest::newRow("start-up") << "" << "" << false << false << none;
        QTest::newRow("new task") << "3,4" << "start" << false << false << none;
        QTest::newRow("x alone on the second guess") << "9,9" << "start 0,0 x3" << false << false
                                                     << QStringList{"(0,0), |afstand 18", "(3, )|"};
        QTest::newRow("taxi") << "3,4" << "start 0,0" << false << false << QStringList{"(0,0), |afstand 7"};
        QTest::newRow("direct Danish") << "2,3" << "start 0,0 1,1" << true << false
                                       << QStringList{"(0,0), |afstand 3,61", "(1,1), |afstand 2,24"};
        QTest::newRow("direct point locale") << "2,3" << "start 1,1" << true << true << QStringList{"(1,1), |afstand 2.24"};
        QTest::newRow("direct whole") << "3,4" << "start 0,0" << true << false << QStringList{"(0,0), |afstand 5,00"};
        QTest::newRow("hit") << "2,3" << "start 0,0 2,3" << false << false << QStringList{"(0,0), |afstand 5", "(2,3), | Netop!"};
        QTest::newRow("six misses") << "5,7" << "start 0,0 0,1 0,2 0,3 0,4 0,5" << false << false
                                    << QStringList{"(0,0), |afstand 12", "(0,1), |afstand 11", "(0,2), |afstand 10",
                                                   "(0,3), |afstand 9", "(0,4), |afstand 8", "(0,5), |afstand 7", "=5,7"};
        QTest::newRow("sixth hits") << "5,7" << "start 0,0 0,1 0,2 0,3 0,4 5,7" << false << false
                                    << QStringList{"(0,0), |afstand 12", "(0,1), |afstand 11", "(0,2), |afstand 10",
                                                   "(0,3), |afstand 9", "(0,4), |afstand 8", "(5,7), | Netop!", "=5,7"};
        QTest::newRow("placing shows the title alone") << "" << "lav x3 y3" << false << false << none;
    }

    void log()
    {
        QFETCH(QString, hidden);
        QFETCH(QString, moves);
        QFETCH(bool, direct);
        QFETCH(bool, pointLocale);
        QFETCH(QStringList, lines);
        if (pointLocale)
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        BoardFixture f;
        if (direct)
            f.indstil().rgAfstand->setItemIndex(1);
        if (!hidden.isEmpty())
            f.places->push(hidden.section(',', 0, 0).toInt(), hidden.section(',', 1, 1).toInt());
        for (const QString &move : moves.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (move == QLatin1String("start"))
                f.click(f.braet.bbBegynd);
            else if (move == QLatin1String("lav"))
                f.click(f.braet.bbLavOpgave);
            else if (move.startsWith(QLatin1Char('x')))
                f.click(f.braet.board->btX[move.mid(1).toInt()]);
            else if (move.startsWith(QLatin1Char('y')))
                f.click(f.braet.board->btY[move.mid(1).toInt()]);
            else
                f.guess(move.section(',', 0, 0).toInt(), move.section(',', 1, 1).toInt());
        }

        Lines expected{{direct ? "Direkte afstand" : "Taxi afstand", {82, 50}}};
        int y = 78;
        int n = 1;
        for (const QString &line : lines) {
            if (line.startsWith(QLatin1Char('='))) {
                expected.append({QStringLiteral("Den rigtige løsning er (%1)").arg(line.mid(1)), {52, y}});
                y += 20;
                continue;
            }
            expected += guessLine(logFont(), n++, line.section('|', 0, 0), line.section('|', 1, 1), y);
            y += 20;
        }
        QCOMPARE(texts(f.braet), expected);
    }

    void measureChangedWhileListed()
    {
        BoardFixture f;
        f.startTask(2, 3);
        f.guess(1, 1);
        f.indstil().rgAfstand->setItemIndex(1);
        f.braet.FormActivate(); // as after the settings dialog was cancelled
        const Lines expected = Lines{{"Direkte afstand", {82, 50}}}
            + guessLine(logFont(), 1, "(1,1), ", "afstand 3,00", 78);
        QCOMPARE(texts(f.braet), expected);
        QCOMPARE(f.s().Guesses[1].Distance, 3.0); // the stored distance stays
    }

    void pictureIsDrawnInPlace()
    {
        const QImage pristine = Artwork::picture(QStringLiteral("notesblok")).convertToFormat(QImage::Format_RGB32);
        BoardFixture f;
        f.startTask(5, 7);
        for (int i = 0; i < 6; ++i)
            f.guess(0, i);
        const QImage log = f.braet.board->paLog->image();
        QCOMPARE(log.size(), QSize(240, 300));
        const QColor erase(0xFF, 0xFF, 0x88);
        QCOMPARE(log.pixelColor(50, 50), erase);
        QCOMPARE(log.pixelColor(231, 259), erase);
        QCOMPARE(log.pixelColor(200, 240), erase);
        // nothing outside the erased rectangle changes
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 240; ++x)
                if (x < 50 || x > 231 || y < 50 || y > 259)
                    QCOMPARE(log.pixelColor(x, y), pristine.pixelColor(x, y));
        // text begins where it is written: first dark pixels just right of and below the corner
        auto firstDark = [&](QRect area, bool column) {
            for (int i = 0; i < (column ? area.width() : area.height()); ++i)
                for (int j = 0; j < (column ? area.height() : area.width()); ++j) {
                    const QPoint p = column ? QPoint(area.x() + i, area.y() + j) : QPoint(area.x() + j, area.y() + i);
                    if (qGray(log.pixel(p)) < 100)
                        return i;
                }
            return -1;
        };
        for (int line = 0; line < 7; ++line) {
            const QRect area(52, 78 + 20 * line, 120, 16);
            const int dx = firstDark(area, true);
            const int dy = firstDark(area, false);
            QVERIFY2(dx >= 0 && dx <= 2, qPrintable(QStringLiteral("line %1 starts %2 px right").arg(line).arg(dx)));
            QVERIFY2(dy >= 0 && dy <= 4, qPrintable(QStringLiteral("line %1 starts %2 px down").arg(line).arg(dy)));
        }
        QCOMPARE(firstDark(QRect(82, 50, 60, 16), true), 0);
        // the solution disc is on the board
        QCOMPARE(f.braet.board->sgNet->grab().toImage().pixelColor(BoardFixture::latticePoint(5, 7)), QColor(0, 0x80, 0));
    }

    // ---- hover hint ----

    void hintTexts_data()
    {
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("text"); // none: the pointer has not been over the board
        QTest::newRow("taxi") << false << "2. gæt: (3, 7), afstand 4";
        QTest::newRow("direct") << true << "2. gæt: (3, 7), afstand 3,16227766016838";
        QTest::newRow("no pointer yet") << false << "";
    }

    void hintTexts()
    {
        QFETCH(bool, direct);
        QFETCH(QString, text);
        BoardFixture f;
        if (direct)
            f.indstil().rgAfstand->setItemIndex(1);
        f.startTask(6, 6);
        f.guess(0, 10); // under board pixel (0, 0)
        f.guess(3, 7);
        if (text.isEmpty()) {
            f.clock += 300;
            f.braet.board->paHint->tiHintTimer();
            QVERIFY(!f.braet.board->paHint->isVisible());
            return;
        }
        restOn(f, 3, 7);
        QVERIFY(f.braet.board->paHint->isVisible());
        QCOMPARE(f.braet.board->paHint->text(), text);
        QCOMPARE(f.braet.board->paHint->pos(), QPoint(30 * 3 + 65, 30 * 3 + 53));
        QCOMPARE(f.braet.board->paHint->size(), QSize(137, 19));
    }

    void hintCoversTheNotepad()
    {
        BoardFixture f;
        f.startTask(0, 0);
        f.guess(10, 5);
        restOn(f, 10, 5);
        const QPoint overLog(30 * 10 + 65 + 100, 30 * 5 + 53 + 9);
        QVERIFY(f.braet.board->paLog->geometry().contains(overLog));
        QCOMPARE(f.braet.childAt(overLog), f.braet.board->paHint);
    }

    void hintOnAHit()
    {
        BoardFixture f;
        f.startTask(6, 2);
        f.guess(0, 0);
        f.guess(1, 0);
        f.guess(6, 2);
        restOn(f, 6, 2);
        QCOMPARE(f.braet.board->paHint->text(), QStringLiteral("3. gæt: (6, 2), afstand 0"));
    }

    void noHintWithoutAGuess()
    {
        BoardFixture f;
        restOn(f, 0, 0); // before the first task, (0, 0) included
        QVERIFY(!f.braet.board->paHint->isVisible());
        f.startTask(6, 6);
        f.guess(2, 2);
        restOn(f, 4, 4);
        QVERIFY(!f.braet.board->paHint->isVisible());
        // a visible hint stays put on an unguessed point
        restOn(f, 2, 2);
        QVERIFY(f.braet.board->paHint->isVisible());
        const QPoint where = f.braet.board->paHint->pos();
        move(f, BoardFixture::latticePoint(2, 2) + QPoint(3, 4));
        move(f, BoardFixture::latticePoint(2, 2) + QPoint(3, 4));
        f.clock += 300;
        f.braet.board->paHint->tiHintTimer();
        QVERIFY(f.braet.board->paHint->isVisible());
        QCOMPARE(f.braet.board->paHint->pos(), where);
    }

    void hintTiming()
    {
        BoardFixture f;
        f.startTask(6, 6);
        f.guess(2, 2);
        move(f, BoardFixture::latticePoint(2, 2));
        f.clock += 250; // exactly 250 ms is not enough
        f.braet.board->paHint->tiHintTimer();
        QVERIFY(!f.braet.board->paHint->isVisible());
        f.clock += 1;
        f.braet.board->paHint->tiHintTimer();
        QVERIFY(f.braet.board->paHint->isVisible());
    }

    void hintHiding()
    {
        BoardFixture f;
        f.startTask(6, 6);
        f.guess(2, 2);
        f.guess(2, 5);
        f.guess(8, 2);
        restOn(f, 2, 2);
        const QPoint p = BoardFixture::latticePoint(2, 2);
        // along the row and along the column: kept
        for (int d = 0; d <= 30; d += 3)
            move(f, p + QPoint(d, 0));
        for (int d = 0; d <= 90; d += 3)
            move(f, p + QPoint(0, -d));
        QVERIFY(f.braet.board->paHint->isVisible());
        // resting on another guessed point moves the hint there
        f.clock += 300;
        f.braet.board->paHint->tiHintTimer();
        QCOMPARE(f.braet.board->paHint->text(), QStringLiteral("2. gæt: (2, 5), afstand 5"));
        // diagonally more than 5 px in both directions: hidden at the next move after that
        const QPoint q = BoardFixture::latticePoint(2, 5);
        move(f, q + QPoint(6, 6));
        QVERIFY(f.braet.board->paHint->isVisible());
        move(f, q + QPoint(7, 7));
        QVERIFY(!f.braet.board->paHint->isVisible());
    }

    void hintAndTheBackground()
    {
#ifdef Q_OS_WIN
        QSKIP("QTest's pointer moves reach no widget's move handler on Qt's Windows and minimal platforms");
#endif
        BoardFixture f;
        f.startTask(6, 6);
        f.guess(2, 2);
        restOn(f, 2, 2);
        // onto another control: kept
        QTest::mouseMove(f.braet.board->btX[4]);
        QTest::mouseMove(f.braet.board->paLog);
        QVERIFY(f.braet.board->paHint->isVisible());
        // onto the bare background: hidden, and shown again by the next tick
        QTest::mouseMove(&f.braet, QPoint(700, 600));
        QVERIFY(!f.braet.board->paHint->isVisible());
        f.braet.board->paHint->tiHintTimer();
        QVERIFY(f.braet.board->paHint->isVisible());
        QTest::mouseMove(&f.braet, QPoint(702, 603));
        QVERIFY(!f.braet.board->paHint->isVisible());
    }

    void realMovesReachTheBoard()
    {
#ifdef Q_OS_WIN
        QSKIP("QTest's pointer moves reach no widget's move handler on Qt's Windows and minimal platforms");
#endif
        BoardFixture f;
        f.startTask(6, 6);
        f.guess(3, 3);
        QTest::mouseMove(f.braet.board->sgNet, BoardFixture::latticePoint(3, 3));
        f.clock += 300;
        f.braet.board->paHint->tiHintTimer();
        QVERIFY(f.braet.board->paHint->isVisible());
    }

    void lowestSlotWins()
    {
        BoardFixture f;
        f.startTask(6, 6);
        f.guess(2, 2);
        f.click(f.braet.board->btX[2]);
        f.click(f.braet.board->btY[2]); // refused: guessed before
        restOn(f, 2, 2);
        QCOMPARE(f.braet.board->paHint->text(), QStringLiteral("1. gæt: (2, 2), afstand 8"));
    }

private:
    static void move(BoardFixture &f, QPoint p)
    {
        f.braet.board->paHint->pointerMoved(p);
    }

    static void restOn(BoardFixture &f, int x, int y)
    {
        move(f, BoardFixture::latticePoint(x, y));
        f.clock += 300;
        f.braet.board->paHint->tiHintTimer();
    }
};

QTEST_MAIN(TestGuessLog)
#include "tst_guesslog.moc"
