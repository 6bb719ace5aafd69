// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Braet.h"
#include "About.h"
#include "Artwork.h"
#include "BoardGrid.h"
#include "Fonts.h"
#include "GuessText.h"
#include "HelpViewer.h"
#include "Indstil.h"
#include "MessageDlg.h"
#include "Modal.h"
#include "Navn.h"
#include "Page.h"
#include "PrintJob.h"
#include "Splash.h"
#include "TaskPage.h"
#include "Visstat.h"
#include "WindowOwners.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace {

const QColor WindowGreen(0x00, 0x80, 0x40);

constexpr int RestoredWidth = 640; // outer size, and the smallest there is
constexpr int RestoredHeight = 480;

} // namespace

// ---- TfmBraet ----

TfmBraet::TfmBraet(std::unique_ptr<HiddenPlaceSource> places, QWidget *parent)
    : QWidget(parent)
    , m_engine(*this, std::move(places))
    , m_windows(this)
{
    setObjectName(QStringLiteral("fmBraet"));
    WindowOwners::setMainWindow(this);
    setWindowTitle(tr("Gitterspor"));
    QApplication::setWindowIcon(Artwork::programIcon()); // every window of the run, questions too
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, WindowGreen);
    setPalette(green);
    setFont(Fonts::font(QStringLiteral("MS Sans Serif"), 12));
    resize(RestoredWidth, RestoredHeight);

    createToolBar();
    board = new BoardPanel(m_engine, [this] { return distanceMeasure(); }, this);
    board->setFocusWhenDone(bbBegynd);
    // in a browser the page asks before its tab closes in the middle of a task
    connect(board, &BoardPanel::taskUnderwayChanged, this, &Page::setTaskUnderway);
    board->setGeometry(rect());
    paTool->raise();

    Popup = new QMenu(this);
    Popup->addAction(tr("Vejledning"), this, command(&TfmBraet::Vejledning1Click))->setObjectName(QStringLiteral("Vejledning1"));
    Popup->addSeparator()->setObjectName(QStringLiteral("N1"));
    Popup->addAction(tr("Om Gitterspor"), this, command(&TfmBraet::AboutClick))->setObjectName(QStringLiteral("Om1"));

    m_titlePicture = QPixmap::fromImage(Artwork::picture(QStringLiteral("titel"), devicePixelRatioF()));

    bbBegynd->setFocus();
    m_splash = ShowSplash(m_titlePicture);
    QCoreApplication::processEvents();
}

TfmBraet::~TfmBraet()
{
    // The board reads the task state, a member: it goes while that still stands.
    delete board;
    delete m_splash;
}

void TfmBraet::createToolBar()
{
    paTool = new QFrame(this);
    paTool->setObjectName(QStringLiteral("paTool"));
    paTool->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paTool->setAutoFillBackground(true);
    // the glyphs' silver corners are transparent and show the button face
    QPalette face = paTool->palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    paTool->setPalette(face);
    paTool->setGeometry(0, 0, width(), 40);

    struct ToolButton {
        QPushButton **field;
        const char *name;
        const char *hint;
        const char *glyph;
        QSize glyphSize;
        void (TfmBraet::*handler)();
    };
    const ToolButton buttons[] = {
        {&bbAfslut, "bbAfslut", QT_TR_NOOP("Luk Gitterspor"), "afslut", {28, 29}, &TfmBraet::bbAfslutClick},
        {&bbHelp, "bbHelp", QT_TR_NOOP("Hjælp"), "hjaelp", {27, 28}, &TfmBraet::bbHelpClick},
        {&bbStatistik, "bbStatistik", QT_TR_NOOP("Spiller-statistik"), "statistik", {29, 29}, &TfmBraet::bbStatistikClick},
        {&bbBegynd, "bbBegynd", QT_TR_NOOP("Start opgave"), "begynd", {27, 28}, &TfmBraet::bbStartClick},
        {&bbIndstil, "bbIndstil", QT_TR_NOOP("Indstillinger"), "indstil", {28, 29}, &TfmBraet::bbIndstilClick},
        {&bbLavOpgave, "bbLavOpgave", QT_TR_NOOP("Lav opgave"), "lavopgave", {30, 30}, &TfmBraet::bbLavOpgaveClick},
        {&bbPrint, "bbPrint", QT_TR_NOOP("Udskriv opgave"), "udskriv", {25, 25}, &TfmBraet::bbPrintClick},
    };
    for (const ToolButton &b : buttons) { // in the tool bar's tab order
        auto *button = new QPushButton(paTool);
        button->setObjectName(QLatin1String(b.name));
        button->setIcon(Artwork::icon(QLatin1String(b.glyph)));
        button->setIconSize(b.glyphSize);
        button->setToolTip(tr(b.hint));
        button->setAccessibleName(tr(b.hint));
        button->setGeometry(0, 2, 36, 36);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command(b.handler));
        *b.field = button;
    }
    bbBegynd->move(8, 2);
    bbLavOpgave->move(48, 2);
}

std::function<void()> TfmBraet::command(void (TfmBraet::*handler)())
{
    return [this, handler] {
        if (!modalOpen())
            (this->*handler)();
    };
}

bool TfmBraet::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        WindowPlacement::noteFrame(this);
        FormActivate();
    }
    // Not every desktop activates a new window (none without a window
    // manager, GNOME on Wayland without an activation token): the board is
    // laid out at its first showing as well.
    if (event->type() == QEvent::Show && !std::exchange(m_shownOnce, true))
        FormActivate();
    if (event->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState
        && (static_cast<QWindowStateChangeEvent *>(event)->oldState() & Qt::WindowMaximized))
        QTimer::singleShot(0, this, &TfmBraet::showRestored);
    return handled;
}

void TfmBraet::showRestored()
{
    if (windowState() != Qt::WindowNoState)
        return;
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    resize(QSize(RestoredWidth, RestoredHeight).shrunkBy(frame));
    WindowPlacement::centreOnScreen(this);
}

void TfmBraet::FormActivate()
{
    board->layOut();
    FormResize();
    // the log font is set when the log picture is drawn on (DrawGuessLog)
    board->DrawGuessLog();
}

void TfmBraet::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    paTool->setGeometry(0, 0, width(), 40);
    board->setGeometry(rect());
    FormResize();
}

void TfmBraet::FormResize()
{
    const QSize outer = frameGeometry().size();
    if (outer.width() >= RestoredWidth && outer.height() >= RestoredHeight) {
        bbAfslut->move(paTool->width() - 8 - bbAfslut->width(), bbAfslut->y());
        bbHelp->move(bbAfslut->x() - 4 - bbHelp->width(), bbHelp->y());
        bbStatistik->move(bbHelp->x() - 16 - bbStatistik->width(), bbStatistik->y());
        bbIndstil->move(bbStatistik->x() - 4 - bbIndstil->width(), bbIndstil->y());
        bbPrint->move(bbIndstil->x() - 4 - bbPrint->width(), bbPrint->y());
        m_sizeAsked = QSize();
        return;
    }
    const QSize frame = outer - size();
    // the window manager is told too, so that it stops a drag there
    const QSize least = QSize(RestoredWidth, RestoredHeight) - frame;
    if (minimumSize() != least)
        setMinimumSize(least);
    // A window manager that refuses the size (a tiling one) is not asked for
    // it again, or its answer and this request would go on for ever.
    const QSize wanted(std::max(outer.width(), RestoredWidth) - frame.width(),
                       std::max(outer.height(), RestoredHeight) - frame.height());
    if (wanted == m_sizeAsked)
        return;
    m_sizeAsked = wanted;
    resize(wanted);
}

void TfmBraet::closeEvent(QCloseEvent *event)
{
    // Qt holds back a window manager's close while a dialog is open, and the
    // window's own command is ignored then
    if (m_closeConfirmed) {
        event->accept();
        return;
    }
    event->ignore();
    if (modalOpen())
        return;
    ::AskYesNo(tr("Luk Gitterspor?"), this, [this](bool yes) {
        if (!yes)
            return;
        m_closeConfirmed = true;
        close();
    });
}

void TfmBraet::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        bbLavOpgave->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---- Requests of the rules ----

TDistanceMeasure TfmBraet::distanceMeasure() const
{
    return m_windows.distanceMeasure();
}

void TfmBraet::AskYesNo(const QString &question, std::function<void(bool yes)> answered)
{
    ::AskYesNo(question, this, std::move(answered));
}

void TfmBraet::showSettings(std::function<void(bool ok)> answered)
{
    Modal::open(m_windows.indstil(), this, [answered = std::move(answered)](int result) { answered(result == mrOk); });
}

bool TfmBraet::modalOpen() const
{
    return QApplication::activeModalWidget() != nullptr;
}

// ---- Commands ----

void TfmBraet::bbStartClick()
{
    m_engine.bbStartClick();
}

void TfmBraet::bbLavOpgaveClick()
{
    m_engine.bbLavOpgaveClick();
}

void TfmBraet::bbIndstilClick()
{
    m_engine.bbIndstilClick();
}

void TfmBraet::bbAfslutClick()
{
    close();
}

void TfmBraet::bbHelpClick()
{
    const QPoint corner(bbHelp->x() + bbHelp->width() - 2, bbHelp->y() + bbHelp->height() + 2);
    Popup->popup(mapToGlobal(corner));
}

void TfmBraet::Vejledning1Click()
{
    HelpViewer::showContents();
}

void TfmBraet::AboutClick()
{
    Modal::open(m_windows.about());
}

// ---- Statistics and printing ----

void TfmBraet::ShowStatistics()
{
    m_windows.statistik().setReport(GuessText::statisticsReport(state()));
    Modal::open(m_windows.statistik());
}

void TfmBraet::paintTaskPage(QPainter &painter, int resolution, const QString &title) const
{
    TaskPage::paintPage(painter, resolution, state(), distanceMeasure(), title);
}

void TfmBraet::PrintTask()
{
    auto title = [] {
        return PlayerName().isEmpty() ? tr("Gitterspor") : tr("Gitterspor (%1)").arg(PlayerName());
    };
    PrintJob::run(this, AskPlayerName, title, [this, title](QPainter &painter, const PrintPage &page) {
        paintTaskPage(painter, page.resolution, title());
    });
}
