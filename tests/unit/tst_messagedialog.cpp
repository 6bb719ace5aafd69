// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "HelpViewer.h"
#include "LightScheme.h"
#include "MessageDlg.h"
#include "ModalDriver.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include <memory>

// The message dialog: its layout arithmetic, its buttons and what the keys
// and the title bar return.
class TestMessageDialog : public QObject
{
    Q_OBJECT

    static QStringList names(const MessageDialog &dialog)
    {
        QStringList list;
        for (QPushButton *b : dialog.buttons())
            list << b->objectName();
        return list;
    }

private slots:
    void askYesNoLayout()
    {
        auto dialog = CreateMessageDialogDk(QStringLiteral("Ny opgave?"), dkConfirmation, dialogButtons({dbYes, dbNo}));
        const int textHeight = dialog->messageLabel()->height();
        QVERIFY(textHeight <= 32);
        QVERIFY(dialog->messageLabel()->width() <= 130);
        QCOMPARE(dialog->size(), QSize(192, 87));
        QCOMPARE(dialog->iconLabel()->geometry(), QRect(10, 10, 32, 32));
        QCOMPARE(names(*dialog), QStringList({"YES", "NO"}));
        QCOMPARE(dialog->buttons()[0]->geometry(), QRect(15, 52, 77, 27));
        QCOMPARE(dialog->buttons()[1]->geometry(), QRect(100, 52, 77, 27));
        QCOMPARE(dialog->buttons()[0]->text(), QStringLiteral("&Ja"));
        QCOMPARE(dialog->buttons()[1]->text(), QStringLiteral("&Nej"));
        // the text is centred on the icon
        QCOMPARE(dialog->messageLabel()->pos(), QPoint(52, 10 + 16 - textHeight / 2));
        // centred on the screen
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(dialog->pos(), QPoint(screen.width() / 2 - 96, screen.height() / 2 - 43));
    }

    void emptyButtonSet()
    {
        auto dialog = CreateMessageDialogDk(QStringLiteral("x"), dkCustom, 0);
        QCOMPARE(dialog->width(), 150);
        QVERIFY(dialog->buttons().isEmpty());
        QVERIFY(!dialog->iconLabel());
        QCOMPARE(dialog->messageLabel()->x(), 10);
        QCOMPARE(dialog->height(), std::max(55, dialog->messageLabel()->height() + 10 + 45));
    }

    void longTextWrapsAtHalfTheScreen()
    {
        const QString text = QStringLiteral("Gitterspor ").repeated(200); // far over 255 characters
        auto dialog = CreateMessageDialogDk(text, dkInformation, dialogButtons({dbOK}));
        const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
        QLabel *label = dialog->messageLabel();
        QVERIFY(label->width() <= half);
        QVERIFY(label->width() > half - 100);
        QVERIFY(label->height() > 5 * label->fontMetrics().height());
        // the window grows downwards around the text, buttons 8 px above the bottom
        QCOMPARE(dialog->height(), label->height() + 10 + 45);
        QCOMPARE(dialog->buttons()[0]->geometry().bottom() + 1, dialog->height() - 8);
    }

    void shortTextTakesTheRowWidth()
    {
        auto dialog = CreateMessageDialogDk(QStringLiteral("Ja?"), dkCustom,
                                            dialogButtons({dbYes, dbNo, dbCancel, dbHelp}));
        QCOMPARE(dialog->width(), 4 * 77 + 3 * 8 + 30);
        QCOMPARE(dialog->messageLabel()->x(), 10);
        QCOMPARE(dialog->buttons()[0]->x(), 15);
    }

    void buttonsInTableOrder()
    {
        auto dialog = CreateMessageDialogDk(QStringLiteral("?"), dkWarning,
                                            dialogButtons({dbHelp, dbYesToAll, dbNoToAll, dbAll, dbIgnore, dbRetry,
                                                           dbAbort, dbCancel, dbOK, dbNo, dbYes}));
        QCOMPARE(names(*dialog), QStringList({"YES", "NO", "OK", "CANCEL", "ABORT", "RETRY", "IGNORE", "ALL",
                                              "NOTOALL", "YESTOALL", "HELP"}));
        QStringList captions;
        for (QPushButton *b : dialog->buttons())
            captions << b->text();
        QCOMPARE(captions, QStringList({"&Ja", "&Nej", "OK", "&Annullér", "&Fortryd", "&Gentag", "&Ignorér", "A&lle",
                                        "&Nej", "&Ja", "&Hjælp"}));
        // bits above 10 mean nothing
        auto extra = CreateMessageDialogDk(QStringLiteral("?"), dkWarning, TDialogButtons(0xF801));
        QCOMPARE(names(*extra), QStringList({"YES"}));
    }

    void captions_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("created");
        QTest::addColumn<QString>("shown");
        const QString file = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QTest::newRow("warning") << int(dkWarning) << "Bemærk" << "Advarsel";
        QTest::newRow("error") << int(dkError) << "Fejl" << "Fejl";
        QTest::newRow("information") << int(dkInformation) << "Information" << "Information";
        QTest::newRow("confirmation") << int(dkConfirmation) << file << "";
        QTest::newRow("custom") << int(dkCustom) << file << QCoreApplication::applicationFilePath();
    }

    void captions()
    {
        QFETCH(int, kind);
        QFETCH(QString, created);
        QFETCH(QString, shown);
        auto dialog = CreateMessageDialogDk(QStringLiteral("x"), TDialogKind(kind), dialogButtons({dbOK}));
        QCOMPARE(dialog->windowTitle(), created);
        MessageDlgDk(QStringLiteral("x"), TDialogKind(kind), dialogButtons({dbOK}), 0);
        QWidget *w = openModal();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), shown);
        QVERIFY(!w->font().bold());
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!openModal());
    }

    void keysAndResults_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("key"); // 0: close through the title bar
        QTest::addColumn<int>("result");
        const int yesNo = dialogButtons({dbYes, dbNo});
        const int yesNoCancel = dialogButtons({dbYes, dbNo, dbCancel});
        const int ok = dialogButtons({dbOK});
        QTest::newRow("yes/no Escape") << yesNo << int(Qt::Key_Escape) << int(mrNo);
        QTest::newRow("yes/no Enter") << yesNo << int(Qt::Key_Return) << int(mrYes);
        QTest::newRow("yes/no closed") << yesNo << 0 << int(mrCancel);
        QTest::newRow("yes/no/cancel Escape") << yesNoCancel << int(Qt::Key_Escape) << int(mrCancel);
        QTest::newRow("yes/no/cancel Enter") << yesNoCancel << int(Qt::Key_Return) << int(mrYes);
        QTest::newRow("OK Escape") << ok << int(Qt::Key_Escape) << int(mrOk);
        QTest::newRow("OK Enter") << ok << int(Qt::Key_Return) << int(mrOk);
        QTest::newRow("retry/ignore Escape does nothing, then closed")
            << int(dialogButtons({dbRetry, dbIgnore})) << -1 << int(mrCancel);
    }

    void keysAndResults()
    {
        QFETCH(int, buttons);
        QFETCH(int, key);
        QFETCH(int, result);
        int answer = -1;
        MessageDlgDk(QStringLiteral("Ny opgave?"), dkConfirmation, TDialogButtons(buttons), 0, nullptr,
                     [&answer](int r) { answer = r; });
        QWidget *w = openModal();
        QVERIFY(w);
        if (key > 0) {
            QTest::keyClick(w, Qt::Key(key));
        } else {
            if (key < 0)
                QTest::keyClick(w, Qt::Key_Escape);
            QCOMPARE(answer, -1);
            w->close();
        }
        QCOMPARE(answer, result);
    }

    // Answered, the answer reaches its asker; once the asker has gone, the
    // answer is dropped, not handed to a dead object.
    void askYesNo_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("askerGone");
        QTest::addColumn<int>("answer"); // -1: none
        QTest::newRow("Ja") << "YES" << false << 1;
        QTest::newRow("Nej") << "NO" << false << 0;
        QTest::newRow("asker gone") << "YES" << true << -1;
    }

    void askYesNo()
    {
        QFETCH(QString, button);
        QFETCH(bool, askerGone);
        QFETCH(int, answer);
        auto asker = std::make_unique<QObject>();
        int answered = -1;
        AskYesNo(QStringLiteral("Luk Gitterspor?"), asker.get(), [&answered](bool yes) { answered = yes; });
        if (askerGone)
            asker.reset();
        QPointer<QWidget> w = openModal();
        QVERIFY(w);
        QCOMPARE(w->accessibleName(), QStringLiteral("Luk Gitterspor?")); // what a screen reader names it by
        w->findChild<QPushButton *>(button)->click();
        QCOMPARE(answered, answer);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull()); // gone once answered
    }

    void overItsOwnerCentredOnce()
    {
        // A question stands over the active window as its transient window,
        // centred by its outer frame; a move of the user's is not undone; and
        // it outlives its owner, which may be the help, deleted as it closes.
        auto *owner = new QWidget;
        owner->setAttribute(Qt::WA_DeleteOnClose);
        owner->show();
        QVERIFY(QTest::qWaitForWindowActive(owner));
        bool over = false;
        int answer = -1;
        MessageDlgDk(QStringLiteral("Luk Gitterspor?"), dkConfirmation, dialogButtons({dbYes, dbNo}), 0, nullptr,
                     [&answer](int r) { answer = r; });
        QWidget *w = openModal();
        QVERIFY(w);
        over = w->windowHandle()->transientParent() == owner->windowHandle();
        [[maybe_unused]] const QPoint offCentre = w->frameGeometry().center() - w->screen()->geometry().center();
        w->move(10, 20);
        owner->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        const QPoint moved = w->pos();
        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(answer, int(mrNo));
        QVERIFY(over);
#ifndef Q_OS_WASM // a browser's window frames are Qt's own drawing, laid out after the window is placed
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
#endif
        QCOMPARE(moved, QPoint(10, 20));
    }

    void helpButton()
    {
        HelpViewer::setHelpFile(QStringLiteral("GITTERSP.HLP"));
        setHelpOpener(&HelpViewer::showContext);
        // context 0: neither closes nor opens the help
        int answer = -1;
        QWidget *w = &MessageDlgDk(QStringLiteral("?"), dkInformation, dialogButtons({dbOK, dbHelp}), 0, nullptr,
                                   [&answer](int r) { answer = r; });
        w->findChild<QPushButton *>(QStringLiteral("HELP"))->click();
        QCoreApplication::processEvents();
        QVERIFY(w->isVisible() && !HelpViewer::instance());
        w->findChild<QPushButton *>(QStringLiteral("OK"))->click();
        QCOMPARE(answer, int(mrOk));

        // a context opens the help at its section and keeps the dialog open
        w = &MessageDlgDk(QStringLiteral("?"), dkInformation, dialogButtons({dbOK, dbHelp}), 4, nullptr,
                          [&answer](int r) { answer = r; });
        w->findChild<QPushButton *>(QStringLiteral("HELP"))->click();
        QVERIFY(w->isVisible() && HelpViewer::instance());
        answer = -1;
        w->findChild<QPushButton *>(QStringLiteral("OK"))->click();
        QCOMPARE(answer, int(mrOk));
        QVERIFY(HelpViewer::instance());
        QCOMPARE(HelpViewer::instance()->browser()->source().fragment(), QStringLiteral("k4"));
        delete HelpViewer::instance();
    }

    // A desktop that turns dark while the game runs hands it a dark palette.
    void staysLightWhenTheDesktopTurnsDark()
    {
        LightScheme::keep();
        QApplication::setPalette(QPalette(QColor(0x31, 0x36, 0x3b))); // dark faces, white text
        QCOMPARE(QApplication::palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(0xef, 0xef, 0xef));
    }
};

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
