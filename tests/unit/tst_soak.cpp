// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "BoardFixture.h"
#include "MessageDlg.h"
#include "ModalDriver.h"
#include "Navn.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QFile>
#include <QLineEdit>

#ifdef __GLIBC__
#include <malloc.h>
#endif

// The memory is measured where it can be told: not under the sanitizer,
// whose quarantine holds freed memory back (LeakSanitizer checks that build
// at exit), and not on Windows, which has no anonymous resident figure.
#if defined(__SANITIZE_ADDRESS__) || !defined(__GLIBC__)
constexpr bool MeasuresMemory = false;
#else
constexpr bool MeasuresMemory = true;
#endif

// Thousands of tasks through the real window, every question answered both
// ways and the dialogs opened and closed: memory must not keep growing.
class TestSoak : public QObject
{
    Q_OBJECT

    // Anonymous resident memory once malloc has given its free pages back:
    // what the program holds, not libraries or heap fragmentation.
    static double residentMiB()
    {
#ifdef __GLIBC__
        malloc_trim(0);
#endif
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("RssAnon:"))
                return line.mid(8).trimmed().split(' ').first().toDouble() / 1024.0;
        }
        return -1;
    }

    // Our objects and Qt's windows that are alive: the board's children, every
    // widget and every window. A leak too small for the resident memory to
    // tell still shows here.
    static QList<qsizetype> liveObjects(const TfmBraet &braet)
    {
        // a style's animations come and go (Windows' styles animate buttons)
        const QList<QObject *> children = braet.findChildren<QObject *>();
        const qsizetype own = std::count_if(children.begin(), children.end(),
                                            [](QObject *o) { return !qobject_cast<QAbstractAnimation *>(o); });
        return {own, QApplication::allWidgets().size(), QGuiApplication::allWindows().size()};
    }

    // Answers the question open now.
    static void answer(const char *button)
    {
        openModal()->findChild<QPushButton *>(QLatin1String(button))->click();
    }

    // Plays the running search to its end: a hit with guess `hitAt`, or six misses.
    static void playToTheEnd(BoardFixture &f, int hitAt)
    {
        const int hx = f.s().HiddenX, hy = f.s().HiddenY;
        for (int n = 1; f.s().Mode != tmIdle; ++n) {
            if (n == hitAt) {
                f.guess(hx, hy);
            } else {
                const int x = (hx + n) % 11;
                f.guess(x, (hy + 2 * n) % 11);
            }
        }
    }

    void oneTask(BoardFixture &f, int i)
    {
        const int hitAt = i % 8; // 0 and 7: never, so six misses
        if (i % 2 == 0) {
            f.places->push((i * 7) % 11, (i * 3) % 11);
            f.braet.bbStartClick();
        } else {
            f.braet.bbLavOpgaveClick();
            f.click(f.braet.board->btX[(i * 5) % 11]);
            f.click(f.braet.board->btY[(i * 2) % 11]);
            f.click(f.braet.board->btY[(i * 9) % 11]);
            f.click(f.braet.board->btLoes);
        }
        QTest::mouseClick(f.braet.board->sgNet, Qt::LeftButton, {}, BoardFixture::latticePoint(i % 11, 3));
        QTest::mouseClick(f.braet.board->sgNet, Qt::RightButton, {}, BoardFixture::latticePoint(i % 11, 3));
        f.braet.board->paHint->pointerMoved(BoardFixture::latticePoint(i % 11, 3));
        f.clock += 300;
        f.braet.board->paHint->tiHintTimer();

        if (i % 10 == 3) {
            // questions in the middle of a task, both ways
            f.braet.bbStartClick();
            answer("NO");
            f.braet.bbLavOpgaveClick();
            answer("NO");
            f.braet.bbIndstilClick();
            answer("NO");
            f.braet.close();
            answer("NO");
            QVERIFY(f.s().Mode != tmIdle);
            f.places->push(5, 5);
            f.braet.bbStartClick();
            answer("YES");
        }
        playToTheEnd(f, hitAt);

        if (i % 25 == 0) {
            f.braet.bbIndstilClick();
            f.indstil().rgAfstand->setItemIndex(i % 2);
            (i % 50 ? f.indstil().CancelBtn : f.indstil().OKBtn)->click();
            f.braet.bbStatistikClick();
            f.statistik().bbClose->click();
            AskPlayerName(nullptr, [](bool) {});
            auto *prompt = qobject_cast<TfmBrugerNavn *>(openModal());
            prompt->edNavn->setText(QStringLiteral("Spiller %1").arg(i));
            (i % 50 ? prompt->CancelBtn : prompt->OKBtn)->click();
            f.braet.AboutClick();
            QTest::keyClick(openModal(), Qt::Key_Return);
            f.braet.FormActivate();
        }
    }

private slots:
    void manyTasks()
    {
        QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
        BoardFixture f;
        // every kind of task many times over, and more where memory is measured
        const int tasks = MeasuresMemory ? 2000 : 500;
        double afterWarmUp = 0;
        QList<qsizetype> objectsAfterWarmUp;
        int unsolvedBefore = 0;
        for (int i = 0; i < tasks; ++i) {
            unsolvedBefore = f.s().Unsolved;
            oneTask(f, i);
            // what the event loop does between a child's clicks: the windows
            // shown and closed are dealt with, the closed dialogs deleted
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (QTest::currentTestFailed())
                return;
            QVERIFY(f.s().Unsolved >= unsolvedBefore);
            if (i == 199) {
                QCoreApplication::processEvents();
                afterWarmUp = residentMiB();
                objectsAfterWarmUp = liveObjects(f.braet);
            }
        }
        QCoreApplication::processEvents();
        const double atEnd = residentMiB();
        QCOMPARE(liveObjects(f.braet), objectsAfterWarmUp);
        int solved = 0;
        for (int n = 1; n <= 6; ++n)
            solved += f.s().SolvedIn[n];
        qInfo("%d tasks: %d solved by the computer's rules, %d unsolved; anonymous resident memory %.2f MiB after 200, %.2f MiB at the end",
              tasks, solved, f.s().Unsolved, afterWarmUp, atEnd);
        QVERIFY(solved > tasks / 4);
        QVERIFY(f.s().Unsolved > tasks / 4);
        if (MeasuresMemory)
            QVERIFY2(atEnd - afterWarmUp < 1.0, qPrintable(QStringLiteral("grew %1 MiB").arg(atEnd - afterWarmUp)));
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
