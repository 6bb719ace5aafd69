// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Figures for the hot paths: a full repaint of the board, one redraw of the
// log, one hover-hint tick, both printouts rendered to PDF, and the rules alone.
#include "About.h"
#include "BoardGrid.h"
#include "Braet.h"
#include "GuessText.h"
#include "HoverHint.h"
#include "Indstil.h"
#include "TaskEngine.h"
#include "TaskPage.h"
#include "TaskView.h"
#include "Visstat.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

class PlacesInOrder : public HiddenPlaceSource
{
public:
    std::pair<int, int> nextPlace() override
    {
        m_next = (m_next + 37) % 121;
        return {m_next % 11, m_next / 11};
    }

private:
    int m_next = 0;
};

// Answers every request and asks nothing: the rules alone.
class QuietView : public TaskView, public BoardView
{
public:
    BoardView &boardView() override { return *this; }
    void EnableCoordinateButtons(bool) override {}
    void arrowStart(char16_t) override {}
    void arrowSwitch(char16_t) override {}
    void arrowStop() override {}
    void setSolveButtonVisible(bool) override {}
    void repaintBoard() override {}
    void DrawGuessLog() override {}
    bool AskYesNo(const QString &) override { return true; }
    bool showSettings() override { return true; }
    TDistanceMeasure distanceMeasure() const override { return dmDirect; }
};

} // namespace

class BenchRender : public QObject
{
    Q_OBJECT

    TfmBraet *m_braet = nullptr;
    TfmIndstil *m_indstil = nullptr;
    TfmStatistik *m_statistik = nullptr;
    qint64 m_clock = 0;
    QTemporaryDir m_dir;

    void playSixGuesses()
    {
        m_braet->engine().bbStartClick();
        const TaskState &s = m_braet->state();
        for (int i = 0; i < 6 && s.Mode != tmIdle; ++i) {
            m_braet->engine().btX0Click(i);
            m_braet->engine().btY0Click((s.HiddenY + 1 + i) % 11);
        }
        QTest::mouseClick(m_braet->board->sgNet, Qt::LeftButton, {}, QPoint(200, 20));
    }

    std::unique_ptr<QPrinter> pdfPrinter(const QString &file, int resolution)
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_dir.filePath(file));
        printer->setResolution(resolution);
        printer->setFullPage(true);
        return printer;
    }

    void printTask(int resolution)
    {
        const auto printer = pdfPrinter(QStringLiteral("task.pdf"), resolution);
        QPainter painter(printer.get());
        m_braet->paintTaskPage(painter, printer->resolution(), QStringLiteral("Gitterspor (Bo)"));
    }

    void printStatistics(int resolution)
    {
        const auto printer = pdfPrinter(QStringLiteral("statistik.pdf"), resolution);
        QPainter painter(printer.get());
        m_statistik->printReport(painter, printer->paperRect(QPrinter::DevicePixel).toRect().width(),
                                 printer->resolution());
    }

private slots:
    void initTestCase()
    {
        m_braet = new TfmBraet(std::make_unique<PlacesInOrder>());
        m_indstil = &m_braet->windows().indstil();
        m_statistik = &m_braet->windows().statistik();
        m_indstil->rgAfstand->setItemIndex(1);
        m_braet->board->paHint->setClock([this] { return m_clock; });
        m_braet->resize(1024, 700);
        m_braet->show();
        playSixGuesses();
        m_statistik->GameName = QStringLiteral("Gitterspor");
        m_statistik->setReport(GuessText::statisticsReport(m_braet->state()));
    }

    void cleanupTestCase() { delete m_braet; }

    void boardRepaint()
    {
        QImage image(330, 330, QImage::Format_RGB32);
        QBENCHMARK {
            m_braet->board->sgNet->render(&image);
        }
    }

    void guessLog()
    {
        QBENCHMARK {
            m_braet->board->DrawGuessLog();
        }
    }

    void hintTick()
    {
        const TGuess &first = m_braet->state().Guesses[1];
        m_braet->board->paHint->pointerMoved(QPoint(first.X * 30 + 15, (10 - first.Y) * 30 + 15));
        m_clock += 1000;
        QBENCHMARK {
            m_braet->board->paHint->tiHintTimer();
        }
    }

    void taskPrintout_data()
    {
        QTest::addColumn<int>("resolution");
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("1200 dpi") << 1200;
    }

    void taskPrintout()
    {
        QFETCH(int, resolution);
        QBENCHMARK {
            printTask(resolution);
        }
    }

    void statisticsPrintout_data() { taskPrintout_data(); }

    void statisticsPrintout()
    {
        QFETCH(int, resolution);
        QBENCHMARK {
            printStatistics(resolution);
        }
    }

    void rulesAlone()
    {
        QuietView view;
        TaskEngine engine(view, std::make_unique<PlacesInOrder>());
        constexpr int commandsPerRound = 1000;
        QBENCHMARK {
            for (int i = 0; i < commandsPerRound; ++i) {
                switch (i % 4) {
                case 0:
                    if (engine.state().Mode == tmIdle)
                        engine.bbStartClick();
                    else
                        engine.sgNetMouseUp(TaskEngine::MouseButton::Left, (i * 7) % 330, (i * 13) % 330);
                    break;
                case 1:
                case 3:
                    engine.btX0Click(i % 11);
                    break;
                default:
                    engine.btY0Click((i / 4) % 11);
                }
            }
        }
    }
};

QTEST_MAIN(BenchRender)
#include "bench_render.moc"
