// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Visstat.h"
#include "Artwork.h"
#include "Fonts.h"
#include "GlyphButton.h"
#include "MessageDlg.h"
#include "Navn.h"
#include "PrintJob.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QPainter>
#include <QPlainTextEdit>


namespace {
constexpr int BarHeight = 37;
constexpr int MemoFontPixels = 13;
constexpr int MemoFontPoints = 10;
} // namespace

TfmStatistik::TfmStatistik(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fmStatistik"));
    setWindowTitle(tr("Spil statistik"));
    setFont(Fonts::typewriterFont(MemoFontPixels));
    resize(470 - 8, 396 - 27);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const QFont small = Fonts::font(QStringLiteral("MS Sans Serif"), 11);
    BitBtn1 = new GlyphButton(tr("Udskriv"), Artwork::icon(QStringLiteral("printer-lille")), QSize(16, 16), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(9, 2, 80, 33);
    BitBtn1->setFont(small);
    BitBtn1->setAutoDefault(false);
    bbClose = new GlyphButton(tr("Luk"), Artwork::icon(QStringLiteral("afslut")), QSize(28, 29), Panel1);
    bbClose->setObjectName(QStringLiteral("bbClose"));
    bbClose->setGeometry(377, 2, 80, 33);
    bbClose->setFont(small);
    bbClose->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TfmStatistik::BitBtn1Click);
    connect(bbClose, &QPushButton::clicked, this, &TfmStatistik::bbCloseClick);

}

void TfmStatistik::createMemo()
{
    // made when the report is first written: a text box costs start-up time
    if (meStat)
        return;
    meStat = new QPlainTextEdit(this);
    meStat->setObjectName(QStringLiteral("meStat"));
    meStat->setReadOnly(true);
    meStat->setFont(font());
    meStat->setLineWrapMode(QPlainTextEdit::NoWrap);
    meStat->setAccessibleName(tr("Spil statistik"));
    meStat->setGeometry(0, BarHeight, width(), height() - BarHeight);
}

void TfmStatistik::setReport(const QStringList &lines)
{
    createMemo();
    m_lines = lines;
    meStat->setPlainText(lines.join(QLatin1Char('\n')));
}

void TfmStatistik::reject()
{
    done(mrCancel);
}

void TfmStatistik::bbCloseClick()
{
    done(mrCancel);
}

void TfmStatistik::showEvent(QShowEvent *event)
{
    createMemo();
    FormShow();
    if (!m_shownBefore) {
        m_shownBefore = true;
        WindowPlacement::centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

void TfmStatistik::FormShow()
{
    const int height = std::max(360, int(m_lines.size()) * (MemoFontPixels + 4));
    qsizetype longest = 24;
    for (const QString &line : std::as_const(m_lines))
        longest = std::max(longest, line.size());
    const int width = std::max(400, (MemoFontPoints - 1) * int(longest) + 8);
    resize(width, height);
}

void TfmStatistik::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Panel1->setGeometry(0, 0, width(), BarHeight);
    if (meStat)
        meStat->setGeometry(0, BarHeight, width(), height() - BarHeight);
    bbClose->move(Panel1->width() - 88, bbClose->y());
}

QString TfmStatistik::printTitle() const
{
    QString title = tr("Statistik for ") + GameName;
    if (!PlayerName().isEmpty())
        title += QStringLiteral(" (") + PlayerName() + QStringLiteral(")");
    return title;
}

void TfmStatistik::BitBtn1Click()
{
    PrintJob::run(this, AskPlayerName, [this] { return printTitle(); }, [this](QPainter &painter, const PrintPage &page) {
        printReport(painter, page.paperWidth, page.resolution);
    });
}

QList<TaskPage::PrintedText> TfmStatistik::printReport(QPainter &painter, int pageWidth, int resolution)
{
    return m_page.paintPage(painter, pageWidth, resolution, printTitle(), m_lines);
}
