// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Indstil.h"
#include "MessageDlg.h"
#include "Modal.h"
#include "ModalDriver.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

// The settings dialog: the measure is read live, the dialog keeps its page
// and selection, and only OK, Fortryd, Escape and the close box end it.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void startsWithTaxi()
    {
        TfmIndstil dialog;
        QCOMPARE(dialog.distanceMeasure(), dmTaxi);
        QCOMPARE(dialog.rgAfstand->itemIndex(), 0);
        QCOMPARE(dialog.TabbedNotebook1->currentIndex(), 0);
        QCOMPARE(dialog.TabbedNotebook1->tabText(0), QStringLiteral("Afstandsmål"));
        QCOMPARE(dialog.TabbedNotebook1->tabText(1), QStringLiteral("Printer"));
        QCOMPARE(dialog.size(), QSize(281, 110));
        QCOMPARE(dialog.OKBtn->geometry(), QRect(192, 36, 77, 23));
        QCOMPARE(dialog.CancelBtn->geometry(), QRect(192, 68, 77, 23));
        QCOMPARE(dialog.CancelBtn->text(), QStringLiteral("Fortryd"));
        QCOMPARE(dialog.bbPrinterSetup->text(), QStringLiteral("Printer indstilling"));
        QCOMPARE(dialog.bbPrinterSetup->toolTip(), QStringLiteral("Printer opsætning"));
    }

    void results_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << "ok" << int(mrOk);
        QTest::newRow("Fortryd") << "cancel" << int(mrCancel);
        QTest::newRow("Escape") << "escape" << int(mrCancel);
        QTest::newRow("close box") << "close" << int(mrCancel);
    }

    void results()
    {
        QFETCH(QString, action);
        QFETCH(int, result);
        TfmIndstil dialog;
        int answer = -1;
        Modal::open(dialog, nullptr, [&answer](int r) { answer = r; });
        // selecting is enough: the measure changes before the dialog closes
        QTest::mouseClick(dialog.rgAfstand->item(1), Qt::LeftButton);
        QCOMPARE(dialog.distanceMeasure(), dmDirect);
        if (action == QLatin1String("ok"))
            QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
        else if (action == QLatin1String("cancel"))
            QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);
        else if (action == QLatin1String("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QCOMPARE(answer, result);
        // no copy is restored on cancel
        QCOMPARE(dialog.distanceMeasure(), dmDirect);
    }

    void enterDoesNotClose()
    {
        TfmIndstil dialog;
        Modal::open(dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.rgAfstand->item(0)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Enter);
        QCoreApplication::processEvents();
        QVERIFY(dialog.isVisible());
        dialog.CancelBtn->click();
        QVERIFY(!dialog.OKBtn->isDefault() && !dialog.CancelBtn->isDefault());
        QCOMPARE(dialog.OKBtn->focusPolicy(), Qt::NoFocus);
    }

    void keepsPageAndSelectionBetweenShowings()
    {
        TfmIndstil dialog;
        Modal::open(dialog);
        dialog.rgAfstand->item(1)->click();
        dialog.TabbedNotebook1->setCurrentIndex(1);
        dialog.OKBtn->click();
        Modal::open(dialog);
        const QPoint where = dialog.pos();
        QCOMPARE(dialog.TabbedNotebook1->currentIndex(), 1);
        QCOMPARE(dialog.rgAfstand->itemIndex(), 1);
        dialog.move(where + QPoint(13, 7));
        dialog.CancelBtn->click();
        Modal::open(dialog);
        QCOMPARE(dialog.pos(), where + QPoint(13, 7));
        dialog.CancelBtn->click();
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
