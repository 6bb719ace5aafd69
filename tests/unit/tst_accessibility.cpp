// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Announcer.h"
#include "BoardFixture.h"
#include "HelpViewer.h"
#include "MessageDlg.h"
#include "ModalDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

#include <algorithm>

// The help viewer, and what a screen reader hears of the controls, the
// board's points and the log.
class TestAccessibility : public QObject
{
    Q_OBJECT

    static QString name(QObject *object)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        return iface ? iface->text(QAccessible::Name) : QString();
    }

    static QString pointName(BoardFixture &f, int x, int y)
    {
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(f.braet.board->sgNet);
        QAccessibleInterface *point = board->child((10 - y) * 11 + x);
        return point ? point->text(QAccessible::Name) : QString();
    }

private slots:
    void initTestCase() { HelpViewer::setHelpFile(QStringLiteral("GITTERSP.HLP")); }
    void init() { QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark)); }

    void helpContents()
    {
        QVERIFY(HelpViewer::showContents());
        HelpViewer *viewer = HelpViewer::instance();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(!viewer->testAttribute(Qt::WA_QuitOnClose)); // closing the board still ends the program
        QCOMPARE(viewer->browser()->source().fragment(), QStringLiteral("indhold"));
        QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("Indhold")));
        QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("Taxi afstand")));
        delete viewer;
    }

    void helpContext_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("heading");
        QTest::newRow("4") << 4 << "Taxi afstand";
        QTest::newRow("5") << 5 << "Direkte afstand";
        QTest::newRow("9") << 9 << "Lav en opgave til en anden";
        QTest::newRow("12") << 12 << "Knapperne i værktøjslinjen";
    }

    void helpContext()
    {
        QFETCH(int, context);
        QFETCH(QString, heading);
        QVERIFY(HelpViewer::showContext(context));
        QTextBrowser *browser = HelpViewer::instance()->browser();
        QCOMPARE(browser->source().fragment(), QStringLiteral("k%1").arg(context));
        // the section's heading stands at the top of the view
        QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);
        QTextBlock block = browser->cursorForPosition(QPoint(10, 10)).block();
        QString top;
        for (int i = 0; i < 3 && block.isValid(); ++i, block = block.next())
            top += block.text() + QLatin1Char('|');
        QVERIFY2(top.contains(heading), qPrintable(top));
        delete HelpViewer::instance();
    }

    void helpFromTheMenu()
    {
        BoardFixture f;
        f.braet.Popup->actions().first()->trigger();
        QVERIFY(HelpViewer::instance());
        QCOMPARE(HelpViewer::instance()->browser()->source().fragment(), QStringLiteral("indhold"));
        delete HelpViewer::instance();
    }

    void missingHelpFile()
    {
        HelpViewer::setHelpFile(QStringLiteral("FINDES.IKKE"));
        QVERIFY(!HelpViewer::showContents());
        QCOMPARE(openModal()->windowTitle(), QStringLiteral("Fejl"));
        QVERIFY(asked().contains(QStringLiteral("FINDES.IKKE")));
        QTest::keyClick(openModal(), Qt::Key_Return);
        QVERIFY(!openModal());
        QVERIFY(!HelpViewer::instance());
        HelpViewer::setHelpFile(QStringLiteral("GITTERSP.HLP"));
    }

    void controlNames()
    {
        BoardFixture f;
        QCOMPARE(name(f.braet.bbBegynd), QStringLiteral("Start opgave"));
        QCOMPARE(name(f.braet.bbLavOpgave), QStringLiteral("Lav opgave"));
        QCOMPARE(name(f.braet.bbPrint), QStringLiteral("Udskriv opgave"));
        QCOMPARE(name(f.braet.bbIndstil), QStringLiteral("Indstillinger"));
        QCOMPARE(name(f.braet.bbStatistik), QStringLiteral("Spiller-statistik"));
        QCOMPARE(name(f.braet.bbHelp), QStringLiteral("Hjælp"));
        QCOMPARE(name(f.braet.bbAfslut), QStringLiteral("Luk Gitterspor"));
        QCOMPARE(name(f.braet.board->btX[3]), QStringLiteral("x 3"));
        QCOMPARE(name(f.braet.board->btY[5]), QStringLiteral("y 5"));
        QCOMPARE(name(f.braet.board->btLoes), QStringLiteral("Løs opgaven"));
        QCOMPARE(name(f.braet.board->paPil), QStringLiteral("Vælg en x-værdi"));
        f.startTask(1, 1);
        f.click(f.braet.board->btX[2]);
        QCOMPARE(name(f.braet.board->paPil), QStringLiteral("Vælg en y-værdi"));
        QCOMPARE(name(f.indstil().rgAfstand->item(1)), QStringLiteral("Direkte afstand"));
    }

    void boardPoints()
    {
        BoardFixture f;
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(f.braet.board->sgNet);
        QVERIFY(board);
        QCOMPARE(board->childCount(), 121);
        QCOMPARE(pointName(f, 0, 0), QStringLiteral("punkt (0, 0)"));

        f.startTask(5, 5);
        f.guess(0, 0);
        f.guess(3, 5);
        QTest::mouseClick(f.braet.board->sgNet, Qt::LeftButton, {}, BoardFixture::latticePoint(2, 7));
        QTest::mouseClick(f.braet.board->sgNet, Qt::RightButton, {}, BoardFixture::latticePoint(8, 1));
        QTest::mouseClick(f.braet.board->sgNet, Qt::LeftButton, {}, BoardFixture::latticePoint(9, 9));
        QTest::mouseClick(f.braet.board->sgNet, Qt::RightButton, {}, BoardFixture::latticePoint(9, 9));
        QCOMPARE(pointName(f, 0, 0), QStringLiteral("punkt (0, 0): gæt 1, afstand 10"));
        QCOMPARE(pointName(f, 3, 5), QStringLiteral("punkt (3, 5): gæt 2, afstand 2"));
        QCOMPARE(pointName(f, 2, 7), QStringLiteral("punkt (2, 7): blå mærke"));
        QCOMPARE(pointName(f, 8, 1), QStringLiteral("punkt (8, 1): gult mærke"));
        QCOMPARE(pointName(f, 9, 9), QStringLiteral("punkt (9, 9): blå og gult mærke"));
        f.guess(5, 5);
        QCOMPARE(pointName(f, 5, 5), QStringLiteral("punkt (5, 5): gæt 3, netop"));

        // children are found by place, and know their place among the others
        QAccessibleInterface *point = board->child(7 * 11 + 3);
        QCOMPARE(board->indexOfChild(point), 7 * 11 + 3);
        QCOMPARE(point->parent(), board);
        QCOMPARE(board->childAt(point->rect().center().x(), point->rect().center().y()), point);
    }

    void solutionAndComposedPlace()
    {
        BoardFixture f;
        f.startTask(7, 7);
        for (int i = 0; i < 6; ++i) {
            QCoreApplication::processEvents(); // a key press each, as a player makes them
            f.guess(0, i);
        }
        QCOMPARE(pointName(f, 7, 7), QStringLiteral("punkt (7, 7): løsningen"));
        // the sixth result and the solution, said together
        QCOMPARE(f.braet.board->paLog->announcer()->lastAnnouncement(),
                 QStringLiteral("6. gæt: (0,5), afstand 9 Den rigtige løsning er (7,7)"));
        f.click(f.braet.bbLavOpgave);
        f.guess(2, 7);
        QCOMPARE(pointName(f, 2, 7), QStringLiteral("punkt (2, 7): det skjulte punkt"));
    }

    // A whole guess from the keyboard in 3 + x + |y - x| presses: focus
    // follows the prompt, the arrows walk the row and the column by place.
    void keyboardGuess()
    {
        BoardFixture f;
        f.places->push(4, 6);
        QTest::keyClick(f.braet.bbBegynd, Qt::Key_Space);
        QCOMPARE(f.braet.focusWidget(), f.braet.board->btX[0]);
        QTest::keyClick(f.braet.board->btX[0], Qt::Key_Left); // stops at the end
        QTest::keyClick(f.braet.board->btX[0], Qt::Key_Up);   // across the row: nothing
        QCOMPARE(f.braet.focusWidget(), f.braet.board->btX[0]);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(f.braet.focusWidget(), Qt::Key_Right);
        QTest::keyClick(f.braet.focusWidget(), Qt::Key_Space);
        QCOMPARE(f.braet.focusWidget(), f.braet.board->btY[3]);
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(f.braet.focusWidget(), Qt::Key_Up);
        QCOMPARE(f.braet.focusWidget(), f.braet.board->btY[5]);
        QTest::keyClick(f.braet.focusWidget(), Qt::Key_Space);
        QCOMPARE(f.s().Guesses[1].X, 3);
        QCOMPARE(f.s().Guesses[1].Y, 5);
        QCOMPARE(f.braet.focusWidget(), f.braet.board->btX[3]);
        QCOMPARE(f.braet.board->paLog->announcer()->lastAnnouncement(), QStringLiteral("1. gæt: (3,5), afstand 2"));
        // the same point again is refused: the prompt, and focus, stay on y
        QTest::keyClick(f.braet.board->btX[3], Qt::Key_Space);
        QTest::keyClick(f.braet.board->btY[3], Qt::Key_Up);
        QTest::keyClick(f.braet.board->btY[4], Qt::Key_Up);
        QTest::keyClick(f.braet.board->btY[5], Qt::Key_Space);
        QCOMPARE(f.s().GuessNo, 2);
        QCOMPARE(f.braet.focusWidget(), f.braet.board->btY[5]);
    }

    // The board is reached with Tab, never by a click; arrows move its point
    // (up is a higher y), Space and Shift+Space mark it blue and yellow.
    void keyboardBoard()
    {
        BoardFixture f;
        f.startTask(9, 9);
        QCOMPARE(f.braet.board->sgNet->focusPolicy(), Qt::TabFocus);
        QTest::mouseClick(f.braet.board->sgNet, Qt::LeftButton, {}, BoardFixture::latticePoint(1, 1));
        QVERIFY(f.braet.focusWidget() != f.braet.board->sgNet);
        f.braet.board->btX[10]->setFocus();
        QTest::keyClick(f.braet.board->btX[10], Qt::Key_Tab);
        QCOMPARE(f.braet.focusWidget(), f.braet.board->sgNet);
        QTest::keyClick(f.braet.board->sgNet, Qt::Key_Down); // stops at the edge
        QTest::keyClick(f.braet.board->sgNet, Qt::Key_Up);
        QTest::keyClick(f.braet.board->sgNet, Qt::Key_Right);
        QCOMPARE(f.braet.board->sgNet->currentPoint(), QPoint(1, 1));
        QTest::keyClick(f.braet.board->sgNet, Qt::Key_Space); // the click's blue mark goes again
        QCoreApplication::processEvents();
        QTest::keyClick(f.braet.board->sgNet, Qt::Key_Space, Qt::ShiftModifier);
        QCOMPARE(pointName(f, 1, 1), QStringLiteral("punkt (1, 1): gult mærke"));
        QCOMPARE(f.braet.board->sgNet->announcer()->lastAnnouncement(), pointName(f, 1, 1));
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(f.braet.board->sgNet);
        QCOMPARE(board->focusChild(), board->child(9 * 11 + 1));
    }

    void pressWhileAsked()
    {
        SKIP_TIMERS_IN_BROWSER(); // a press is animated by a timer
        // A screen reader can press "Start opgave" and "Luk Gitterspor" while
        // "Ny opgave?" is open: no second question, and the dropped task
        // counts once.
        BoardFixture f;
        f.startTask(5, 5);
        QAccessibleInterface *start = QAccessible::queryAccessibleInterface(f.braet.bbBegynd);
        QAccessibleInterface *close = QAccessible::queryAccessibleInterface(f.braet.bbAfslut);
        f.places->push(2, 2);
        start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(openModal()); // the press is animated: 100 ms
        QWidget *question = openModal();
        start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(400);
        QCOMPARE(openModal(), question);
        // the board and the question
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible), 2);
        question->findChild<QPushButton *>(QStringLiteral("YES"))->click();
        QVERIFY(!openModal());
        QCOMPARE(f.s().Unsolved, 1);
        QCOMPARE(f.s().Mode, tmComputerTask);
    }

    void logAsText()
    {
        BoardFixture f;
        f.indstil().rgAfstand->setItemIndex(1);
        f.startTask(2, 3);
        f.guess(1, 1);
        f.click(f.braet.board->btX[4]);
        QAccessibleInterface *log = QAccessible::queryAccessibleInterface(f.braet.board->paLog);
        QCOMPARE(log->text(QAccessible::Name), QStringLiteral("Notesblok med dine gæt"));
        QCOMPARE(log->text(QAccessible::Description),
                 QStringLiteral("Direkte afstand\n1. gæt: (1,1), afstand 2,24\n2. gæt: (4, )"));
        // and as text, a line a guess
        QAccessibleTextInterface *text = log->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), log->text(QAccessible::Description));
        int start = 0, end = 0;
        QCOMPARE(text->textAtOffset(20, QAccessible::LineBoundary, &start, &end).trimmed(),
                 QStringLiteral("1. gæt: (1,1), afstand 2,24"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
