// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "BoardFixture.h"
#include "BoardPainter.h"
#include "GuessText.h"
#include "MessageDlg.h"
#include "Modal.h"
#include "ModalDriver.h"
#include "Navn.h"
#include "PrinterService.h"
#include "TaskPage.h"
#ifndef Q_OS_WASM
#include "PrintQueue.h"
#endif

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#ifndef Q_OS_WASM
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#endif
#include <QRegularExpression>
#include <QTemporaryDir>

#include <optional>

// The name prompt, the statistics window and its printout, and the printed
// task page at the resolutions printers report.
class TestPrinting : public QObject
{
    Q_OBJECT

    using Printed = QList<TaskPage::PrintedText>;

    static QImage page(int resolution, const TaskState &state, TDistanceMeasure measure, const QString &title,
                       Printed *texts = nullptr)
    {
        const int b = TaskPage::pageGeometry(resolution).cell;
        QImage image(16 * b, 25 * b, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const Printed printed = TaskPage::paintPage(painter, resolution, state, measure, title);
        if (texts)
            *texts = printed;
        return image;
    }

    static QPoint centre(int resolution, int x, int y)
    {
        const int b = TaskPage::pageGeometry(resolution).cell;
        return {(x + 2) * b + b / 2, (10 - y + 3) * b + b / 2};
    }

    static QStringList textsOf(const Printed &printed)
    {
        QStringList list;
        for (const auto &p : printed)
            list << p.text;
        return list;
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark)); }

    // ---- name prompt ----

    void namePrompt()
    {
        std::optional<bool> given;
        auto ask = [&given] {
            given.reset();
            AskPlayerName(nullptr, [&given](bool ok) { given = ok; });
            return qobject_cast<TfmBrugerNavn *>(openModal());
        };
        // first call: empty, focus in the box, Enter confirms
        TfmBrugerNavn *dialog = ask();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Skriv dit navn"));
        QCOMPARE(dialog->size(), QSize(304, 76));
        QVERIFY(dialog->edNavn->text().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), dialog->edNavn);
        QTest::keyClicks(dialog->edNavn, QStringLiteral("  Åse Ørsted "));
        QTest::keyClick(dialog->edNavn, Qt::Key_Return);
        QCOMPARE(given, std::optional<bool>(true));
        QCOMPARE(PlayerName(), QStringLiteral("  Åse Ørsted ")); // exactly as typed

        // later call: the name shown, focus on OK, Enter keeps it
        dialog = ask();
        QCOMPARE(dialog->edNavn->text(), QStringLiteral("  Åse Ørsted "));
        QTRY_COMPARE(QApplication::focusWidget(), dialog->OKBtn);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(given, std::optional<bool>(true));
        QCOMPARE(PlayerName(), QStringLiteral("  Åse Ørsted "));

        // typed, then cancelled, escaped or closed: dropped
        dialog = ask();
        dialog->edNavn->setText(QStringLiteral("Bo"));
        dialog->CancelBtn->click();
        QCOMPARE(given, std::optional<bool>(false));
        dialog = ask();
        dialog->edNavn->setText(QStringLiteral("Bo"));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCOMPARE(given, std::optional<bool>(false));
        ask()->close();
        QCOMPARE(given, std::optional<bool>(false));
        QCOMPARE(PlayerName(), QStringLiteral("  Åse Ørsted "));

        // an empty name is a name too
        dialog = ask();
        dialog->edNavn->clear();
        dialog->OKBtn->click();
        QCOMPARE(given, std::optional<bool>(true));
        QVERIFY(PlayerName().isEmpty());
        // a very long name is kept whole
        const QString longName(40000, QLatin1Char('a'));
        dialog = ask();
        dialog->edNavn->setText(longName);
        dialog->OKBtn->click();
        QCOMPARE(PlayerName().size(), longName.size());
        dialog = ask();
        dialog->edNavn->clear();
        dialog->OKBtn->click();
    }

    // ---- statistics window ----

    void statisticsWindow()
    {
        BoardFixture f;
        f.startTask(1, 1);
        f.guess(1, 1);
        f.click(f.braet.bbStatistik);
        QCOMPARE(openModal(), &f.statistik());
        QCOMPARE(f.statistik().size(), QSize(400, 360));
        QString text = f.statistik().meStat->toPlainText();
        QCOMPARE(f.statistik().bbClose->x(), 400 - 88);
        f.statistik().resize(700, 500);
        QCOMPARE(f.statistik().bbClose->x(), f.statistik().Panel1->width() - 88);
        f.statistik().bbClose->click();
        QCOMPARE(f.statistik().windowTitle(), QStringLiteral("Spil statistik"));
        QCOMPARE(text.split(QLatin1Char('\n')).size(), 13);
        QVERIFY(text.contains(QStringLiteral(" Gennemsnit   1,00 gæt")));
        QVERIFY(f.statistik().meStat->isReadOnly());

        // shown again: sized anew, report rebuilt, the same window
        f.startTask(2, 2);
        for (int i = 0; i < 6; ++i)
            f.guess(0, i);
        f.click(f.braet.bbStatistik);
        QCOMPARE(openModal(), &f.statistik());
        QCOMPARE(f.statistik().size(), QSize(400, 360));
        text = f.statistik().meStat->toPlainText();
        QTest::keyClick(openModal(), Qt::Key_Escape);
        QVERIFY(!openModal());
        QVERIFY(text.endsWith(QStringLiteral(" Ikke løst      1")));
    }

    void statisticsSizing()
    {
        TfmStatistik window;
        QStringList lines;
        for (int i = 0; i < 30; ++i)
            lines << QStringLiteral("x").repeated(50);
        window.setReport(lines);
        Modal::open(window);
        QCOMPARE(window.size(), QSize(9 * 50 + 8, 30 * 17));
        window.close();
    }

    // ---- statistics printout ----

    void statisticsPrintout()
    {
        TfmStatistik window;
        window.GameName = QStringLiteral("Gitterspor");
        TaskState state;
        window.setReport(GuessText::statisticsReport(state));
        QImage sheet(2480, 1600, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        window.printPage().LineHeight = 0; // as at program start
        Printed printed = window.printReport(painter, 2480, 300);
        QCOMPARE(printed.size(), 2 + 11 + 1);
        QCOMPARE(printed[0].text, QStringLiteral("Statistik for Gitterspor"));
        QVERIFY(printed[0].underlined);
        QCOMPARE(printed[0].at, QPoint(275, 275));
        QCOMPARE(printed[0].pixelSize, 50);
        QCOMPARE(printed[1].at.y(), 337);
        QCOMPARE(printed[2].at.y(), 399);
        QCOMPARE(printed[2].pixelSize, 42);
        QCOMPARE(printed[3].at.y(), 399 + 54);
        QCOMPARE(printed[2].text, QStringLiteral(" "));
        QCOMPARE(printed[3].text, QStringLiteral(" Antal gæt  Antal opgaver"));
        // the line height carries over into the next printout
        QCOMPARE(window.printPage().LineHeight, 20);
        printed = window.printReport(painter, 2480, 300);
        QCOMPARE(printed[1].at.y(), 275 + 50 + 12);
        QCOMPARE(printed[0].at, QPoint(275, 275));
        painter.end();
        // text is really on the sheet, at the left margin
        bool dark = false;
        for (int y = 275; y < 330 && !dark; ++y)
            for (int x = 275; x < 300 && !dark; ++x)
                dark = qGray(sheet.pixel(x, y)) < 128;
        QVERIFY(dark);
    }

    // ---- task page ----

    void geometry_data()
    {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("unit");
        QTest::newRow("75") << 75 << 30 << 1;
        QTest::newRow("150") << 150 << 60 << 2;
        QTest::newRow("300") << 300 << 120 << 4;
        QTest::newRow("360") << 360 << 144 << 4;
        QTest::newRow("600") << 600 << 240 << 8;
        QTest::newRow("1200") << 1200 << 480 << 16;
    }

    void geometry()
    {
        QFETCH(int, resolution);
        QFETCH(int, cell);
        QFETCH(int, unit);
        const TaskPage::Geometry g = TaskPage::pageGeometry(resolution);
        QCOMPARE(g.cell, cell);
        QCOMPARE(g.unit, unit);
        QCOMPARE(g.textPoints, 14); // the board's font size at every resolution
    }

    void taskPage_data()
    {
        QTest::addColumn<int>("resolution");
        QTest::newRow("75") << 75;
        QTest::newRow("150") << 150;
        QTest::newRow("300") << 300;
        QTest::newRow("600") << 600;
    }

    void taskPage()
    {
        QFETCH(int, resolution);
        BoardFixture f;
        f.startTask(5, 7);
        QTest::mouseClick(f.braet.board->sgNet, Qt::LeftButton, {}, BoardFixture::latticePoint(8, 8));
        QTest::mouseClick(f.braet.board->sgNet, Qt::RightButton, {}, BoardFixture::latticePoint(9, 9));
        for (int i = 0; i < 6; ++i)
            f.guess(0, i);
        const int b = TaskPage::pageGeometry(resolution).cell;
        const int t = TaskPage::pageGeometry(resolution).unit;
        Printed printed;
        const QImage image = page(resolution, f.s(), dmTaxi, QStringLiteral("Gitterspor (Bo)"), &printed);

        // red discs of radius 6t with a black rim, on the lattice lines
        const QPoint red = centre(resolution, 0, 3);
        QCOMPARE(image.pixelColor(red), BoardPainter::Red);
        QCOMPARE(image.pixelColor(red + QPoint(3 * t, 3 * t)), BoardPainter::Red);
        QCOMPARE(image.pixelColor(red + QPoint(5 * t, 5 * t)), BoardPainter::White);
        // along a row below the line: white, then the rim, then the fill, within 6t of the centre
        const int row = red.y() + 2 * t;
        QCOMPARE(image.pixelColor(red.x() - 6 * t - 1, row), BoardPainter::White);
        int rim = red.x() - 6 * t;
        while (image.pixelColor(rim, row) == BoardPainter::White)
            ++rim;
        QVERIFY(rim <= red.x() - 5 * t);
        QCOMPARE(image.pixelColor(rim, row), BoardPainter::Black);
        QCOMPARE(image.pixelColor(rim + 1, row), BoardPainter::Red);
        // no solution disc on paper
        const QPoint hidden = centre(resolution, 5, 7);
        QCOMPARE(image.pixelColor(hidden), BoardPainter::Silver);
        QCOMPARE(image.pixelColor(hidden + QPoint(2 * t - 1, 2 * t - 1)), BoardPainter::Silver);
        QCOMPARE(image.pixelColor(hidden + QPoint(2 * t, 2 * t)), BoardPainter::White);
        QCOMPARE(image.pixelColor(hidden + QPoint(2 * t, 0)), BoardPainter::Black);
        // marks of 8t
        const QPoint blue = centre(resolution, 8, 8);
        QCOMPARE(image.pixelColor(blue + QPoint(4 * t - 1, -4 * t)), BoardPainter::Blue);
        QCOMPARE(image.pixelColor(blue + QPoint(4 * t, 4 * t)), BoardPainter::White);
        QCOMPARE(image.pixelColor(centre(resolution, 9, 9)), BoardPainter::Yellow);
        // lattice lines 2t thick, half a cell beyond the outer points
        const QPoint corner = centre(resolution, 0, 10);
        QCOMPARE(image.pixelColor(corner - QPoint(b / 2, 0)), BoardPainter::Black);
        QCOMPARE(image.pixelColor(corner - QPoint(b / 2 + 1, 0)), BoardPainter::White);
        QCOMPARE(image.pixelColor(corner + QPoint(b / 2, -t)), BoardPainter::Black);
        QCOMPARE(image.pixelColor(corner + QPoint(b / 2, -t - 1)), BoardPainter::White);
        QCOMPARE(image.pixelColor(corner + QPoint(b / 2, t - 1)), BoardPainter::Black);
        QCOMPARE(image.pixelColor(corner + QPoint(b / 2, t)), BoardPainter::White);

        // texts and places
        const int textPixels = TaskPage::pixelsForPoints(14, resolution);
        QCOMPARE(printed[0].text, QStringLiteral("Gitterspor (Bo)"));
        QCOMPARE(printed[0].at, QPoint(4 * b, b));
        QCOMPARE(printed[0].pixelSize, TaskPage::pixelsForPoints(16, resolution));
        QVERIFY(printed[0].underlined);
        const QStringList texts = textsOf(printed);
        const int heading = int(texts.indexOf(QStringLiteral("Taxi afstand")));
        QVERIFY(heading > 0);
        QCOMPARE(printed[heading].at, QPoint(2 * b + 32, 16 * b));
        QVERIFY(printed[heading].underlined);
        QCOMPARE(printed[heading + 1].text, QStringLiteral("1. gæt:"));
        QCOMPARE(printed[heading + 1].at, QPoint(2 * b, 17 * b));
        QCOMPARE(printed[heading + 1].pixelSize, textPixels);
        QCOMPARE(printed.last().text, QStringLiteral("Den rigtige løsning er (5,7)"));
        QCOMPARE(printed.last().at, QPoint(2 * b, 23 * b));
        // axis numbers in their boxes: "0" under column 0, "10" beside row 0
        const QFontMetrics m([&] { QFont font(QStringLiteral("Courier New")); font.setPixelSize(textPixels); return font; }());
        const QPoint x0 = printed[1].at;
        QCOMPARE(printed[1].text, QStringLiteral("0"));
        QCOMPARE(x0, QPoint(2 * b + (b - m.horizontalAdvance(QStringLiteral("8"))) / 2, 14 * b + (b - m.height()) / 2));
        QCOMPARE(printed[2].text, QStringLiteral("10"));
        QCOMPARE(printed[2].at.x(), b + (b - m.horizontalAdvance(QStringLiteral("8"))) / 2);
    }

    void halfEnteredGuessAndDirectMeasure()
    {
        BoardFixture f;
        f.startTask(2, 3);
        f.guess(4, 4);   // two right of and one above the hidden place
        f.guess(2, 3);   // a hit
        f.startTask(9, 9);
        f.guess(0, 0);
        f.click(f.braet.board->btX[3]);
        Printed printed;
        page(300, f.s(), dmDirect, QStringLiteral("Gitterspor"), &printed);
        QStringList texts = textsOf(printed);
        QVERIFY(texts.contains(QStringLiteral("Direkte afstand")));
        QCOMPARE(texts.mid(texts.size() - 5), QStringList({"1. gæt:", "(0,0), ", "afstand 18,00", "2. gæt:", "(3, )"}));

        // two right of and one above the hidden place, with each measure in force
        for (const bool direct : {true, false}) {
            BoardFixture g;
            g.indstil().rgAfstand->setItemIndex(direct ? 1 : 0);
            g.startTask(2, 3);
            g.guess(4, 4);
            g.guess(2, 3);
            page(300, g.s(), g.braet.distanceMeasure(), QString(), &printed);
            texts = textsOf(printed);
            QVERIFY(texts.contains(direct ? QStringLiteral("afstand 2,24") : QStringLiteral("afstand 3")));
            QVERIFY(texts.contains(QStringLiteral(" Netop!")));
        }
    }

    void composedPlaceIsALimeDisc()
    {
        BoardFixture f;
        f.click(f.braet.bbLavOpgave);
        f.click(f.braet.board->btX[4]);
        f.click(f.braet.board->btY[6]);
        const QImage image = page(150, f.s(), dmTaxi, QStringLiteral("Gitterspor"));
        QCOMPARE(image.pixelColor(centre(150, 4, 6)), BoardPainter::Lime);
    }

    void emptyTaskPage()
    {
        TaskState state;
        Printed printed;
        const QImage image = page(300, state, dmTaxi, QStringLiteral("Gitterspor"), &printed);
        QCOMPARE(printed.size(), 1 + 22 + 1); // title, axis numbers, heading
        for (int x = 0; x <= 10; ++x)
            for (int y = 0; y <= 10; ++y)
                QCOMPARE(image.pixelColor(centre(300, x, y)), BoardPainter::Silver);
    }

#ifndef Q_OS_WASM
    // ---- printer errors and the print queue (a browser has neither; its
    // printout is a PDF handed to the browser, played in the browser test) ----

    void noPrinterShowsOneErrorAndAsksNothing()
    {
        // the test's CUPS_SERVER is a server that does not exist
        QVERIFY2(QPrinterInfo::availablePrinterNames().isEmpty(), "a print queue is reachable");
        PrinterService::reset();
        BoardFixture f;
        f.startTask(5, 5);
        f.guess(1, 1);
        f.click(f.braet.bbPrint);
        QCOMPARE(openModal()->windowTitle(), QStringLiteral("Fejl"));
        QVERIFY(asked().contains(QStringLiteral("printer")));
        QTest::keyClick(openModal(), Qt::Key_Escape);
        QVERIFY(!openModal());
        QCOMPARE(f.s().Mode, tmComputerTask);
        QCOMPARE(f.s().GuessNo, 2);

        f.click(f.braet.bbStatistik);
        f.statistik().BitBtn1->click();
        QCOMPARE(openModal()->windowTitle(), QStringLiteral("Fejl"));
        QTest::keyClick(openModal(), Qt::Key_Escape);
        QCOMPARE(openModal(), &f.statistik());
        f.statistik().bbClose->click();
        QVERIFY(!openModal());
    }

    void printsToAFile()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("opgave.pdf"));
        PrinterService::reset();
        PrinterService::useFileForTesting(pdf);
        // the page is laid out from the corner of the printable area
        const QMarginsF margins(20, 30, 10, 10); // mm
        PrinterService::printer().setPageMargins(margins, QPageLayout::Millimeter);
        const QPointF origin(margins.left() * 72 / 25.4, margins.top() * 72 / 25.4);
        BoardFixture f;
        f.startTask(5, 5);
        f.guess(1, 1);
        f.click(f.braet.bbPrint);
        auto *dialog = qobject_cast<TfmBrugerNavn *>(openModal());
        QVERIFY(dialog);
        dialog->edNavn->setText(QStringLiteral("Bo"));
        dialog->OKBtn->click();
        QVERIFY(QFileInfo(pdf).size() > 1000);
        QCOMPARE(PrinterService::printer().docName(), QStringLiteral("Gitterspor (Bo)"));
        QCOMPARE(PrinterService::printer().resolution(), 1200);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        if (pdftotext.waitForFinished(10000)) {
            const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
            QVERIFY2(text.contains(QStringLiteral("Gitterspor (Bo)")), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Taxi afstand")));
            QVERIFY(text.contains(QStringLiteral("afstand 8")));
            // at 1200 pixels per inch b = 480: the title starts at x = 4b, the
            // measure heading at x = 2b + 32, y = 16b (in points: pixels * 72 / 1200)
            pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
            QVERIFY(pdftotext.waitForFinished(10000));
            const QString boxes = QString::fromUtf8(pdftotext.readAllStandardOutput());
            auto wordAt = [&](const QString &word) {
                const QRegularExpression re(QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1<").arg(word));
                const QRegularExpressionMatch m = re.match(boxes);
                return m.hasMatch() ? QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QPointF(-1, -1);
            };
            const QPointF title = wordAt(QStringLiteral("Gitterspor")) - origin;
            QVERIFY2(std::abs(title.x() - 4 * 480 * 72.0 / 1200) < 2.0, qPrintable(QString::number(title.x())));
            QVERIFY(std::abs(title.y() - 480 * 72.0 / 1200) < 8.0);
            const QPointF heading = wordAt(QStringLiteral("Taxi")) - origin;
            QVERIFY(std::abs(heading.x() - (2 * 480 + 32) * 72.0 / 1200) < 2.0);
            QVERIFY(std::abs(heading.y() - 16 * 480 * 72.0 / 1200) < 8.0);
        }
        // a cancelled name prompt starts no job
        QFile::remove(pdf);
        f.click(f.braet.bbPrint);
        QTest::keyClick(openModal(), Qt::Key_Escape);
        QVERIFY(!openModal());
        QVERIFY(!QFile::exists(pdf));

        // a document that cannot be written ends with the error, not in silence
        PrinterService::useFileForTesting(QStringLiteral("/dev/full"));
        f.click(f.braet.bbPrint);
        qobject_cast<TfmBrugerNavn *>(openModal())->OKBtn->click();
        const QString error = openModal()->windowTitle() + QLatin1Char(':') + asked();
        QTest::keyClick(openModal(), Qt::Key_Escape);
        QCOMPARE(error, QStringLiteral("Fejl:Printeren tog ikke imod udskriften. Se efter, at printeren er klar, og prøv igen."));
        PrinterService::reset();
    }

    // The queue's answer to the request Qt made at the document's end: the
    // IPP status CUPS gave it, or the warning of Qt's Windows print engine.
    void deliveryFromQueueAnswer_data()
    {
        QTest::addColumn<bool>("sent");
        QTest::addColumn<int>("ippStatus");
        QTest::addColumn<QString>("engineMessage");
        QTest::addColumn<PrintQueue::Delivery>("delivery");
        using D = PrintQueue::Delivery;
        const QString cups; // no message: the answer is an IPP status
        QTest::newRow("taken") << true << 0x0000 << cups << D::Taken;
        QTest::newRow("taken, options ignored") << true << 0x0001 << cups << D::Taken;
        QTest::newRow("queue refuses jobs (cupsreject)") << true << 0x0506 << cups << D::Refused;
        QTest::newRow("not allowed to print") << true << 0x0401 << cups << D::Refused;
        QTest::newRow("server unreachable") << true << 0x0502 << cups << D::Refused;
        QTest::newRow("nothing asked of the queue") << false << 0x0500 << cups << D::NeverSent;
        QTest::newRow("spooler refused the document") << true << 0
            << QStringLiteral("QWin32PrintEngine::end: EndDoc failed (Adgang nægtet.)") << D::Refused;
        QTest::newRow("another warning while ending") << true << 0
            << QStringLiteral("QFont::setPointSizeF: Point size <= 0 (0), must be greater than 0") << D::Taken;
    }
    void deliveryFromQueueAnswer()
    {
        QFETCH(bool, sent);
        QFETCH(int, ippStatus);
        QFETCH(QString, engineMessage);
        QFETCH(PrintQueue::Delivery, delivery);
        if (engineMessage.isNull())
            QCOMPARE(PrintQueue::fromIppStatus(sent, ippStatus), delivery);
        else
            QCOMPARE(PrintQueue::fromEngineMessage(engineMessage), delivery);
    }
#endif
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
