// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Braet.h"
#include "About.h"
#include "Announcer.h"
#include "ArrowPrompt.h"
#include "Artwork.h"
#include "BoardAccessible.h"
#include "BoardGrid.h"
#include "CoordinateKeys.h"
#include "Design.h"
#include "GuessLogAccessible.h"
#include "GuessText.h"
#include "HelpViewer.h"
#include "Indstil.h"
#include "MessageDlg.h"
#include "Navn.h"
#include "PrintJob.h"
#include "Splash.h"
#include "TaskPage.h"
#include "Visstat.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QWindow>

#include <utility>

namespace {

const QColor WindowGreen(0x00, 0x80, 0x40);
const QColor HintYellow(0xFF, 0xFF, 0x80);

constexpr int RestoredWidth = 640; // outer size, and the smallest there is
constexpr int RestoredHeight = 480;
constexpr int HintIdleMs = 250;
constexpr int HintTolerance = 5;
const QPoint HintOffset(65, 53); // from the top-left corner of the point's cell

qint64 monotonicMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

// To a screen reader the board window is the program's window, as a main
// window is, not a filler: Orca 48 finds the active window among the frames
// when it has missed the window's activation.
QAccessibleInterface *windowFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TfmBraet") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

// ---- TfmBraet ----

TfmBraet::TfmBraet(std::unique_ptr<HiddenPlaceSource> places, QWidget *parent)
    : QWidget(parent)
    , m_engine(*this, std::move(places))
    , m_clock(monotonicMs)
{
    static const bool accessibleBoard = [] {
        QAccessible::installFactory(BoardAccessible::factory);
        QAccessible::installFactory(BoardAccessible::panelFactory);
        QAccessible::installFactory(GuessLogAccessible::factory);
        QAccessible::installFactory(Announcer::factory);
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    Q_UNUSED(accessibleBoard);
    setObjectName(QStringLiteral("fmBraet"));
    Design::setMainWindow(this);
    setWindowTitle(tr("Gitterspor"));
    setWindowIcon(Artwork::programIcon());
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, WindowGreen);
    setPalette(green);
    setFont(Design::font(QStringLiteral("MS Sans Serif"), 12));
    setMouseTracking(true);
    resize(RestoredWidth, RestoredHeight);

    createToolBar();
    createBoard();

    Popup = new QMenu(this);
    Popup->addAction(tr("Vejledning"), this, command(&TfmBraet::Vejledning1Click))->setObjectName(QStringLiteral("Vejledning1"));
    Popup->addSeparator()->setObjectName(QStringLiteral("N1"));
    Popup->addAction(tr("Om Gitterspor"), this, command(&TfmBraet::AboutClick))->setObjectName(QStringLiteral("Om1"));

    tiArrow.setInterval(1000);
    connect(&tiArrow, &QTimer::timeout, this, &TfmBraet::tiArrowTimer);
    tiHint.setInterval(100);
    connect(&tiHint, &QTimer::timeout, this, &TfmBraet::tiHintTimer);
    tiHint.start();

    m_titlePicture = QPixmap::fromImage(Artwork::picture(QStringLiteral("titel"), devicePixelRatioF()));

    bbBegynd->setFocus();
    FormCreate();
}

TfmBraet::~TfmBraet()
{
    // The grid reads the task state, a member, and the key handler watches
    // buttons that ~QWidget deletes: both go while all of that still stands.
    delete m_keys;
    delete Panel2;
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

void TfmBraet::createBoard()
{
    auto coordinateButton = [this](char axis, int n, QPoint place, void (TfmBraet::*handler)()) {
        auto *button = new QPushButton(QString::number(n), this);
        button->setObjectName(QStringLiteral("bt%1%2").arg(QChar::fromLatin1(axis).toUpper()).arg(n));
        button->setAccessibleName(QStringLiteral("%1 %2").arg(QLatin1Char(axis)).arg(n));
        button->setGeometry(QRect(place, QSize(24, 24)));
        button->setEnabled(false);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    // y buttons first, from y 0 up: they come first in the tab order
    for (int n = 0; n <= LatticeMax; ++n)
        btY[n] = coordinateButton('y', n, {15, 84}, &TfmBraet::btY0Click);
    for (int n = 0; n <= LatticeMax; ++n)
        btX[n] = coordinateButton('x', n, {45, 415}, &TfmBraet::btX0Click);
    m_keys = new CoordinateKeys(btX, btY, this);

    paPil = new ArrowPrompt(this);
    paPil->setObjectName(QStringLiteral("paPil"));
    paPil->setGeometry(14, 414, 24, 24);
    paPil->hide();

    btLoes = new QPushButton(tr("Løs opgaven"), this);
    btLoes->setObjectName(QStringLiteral("btLoes"));
    btLoes->setGeometry(160, 50, 89, 22);
    btLoes->setAutoDefault(false);
    btLoes->hide();
    connect(btLoes, &QPushButton::clicked, this, &TfmBraet::btLoesClick);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(1);
    Panel2->setGeometry(41, 80, 332, 332);
    sgNet = new BoardGrid(m_engine.state(), [this] { return distanceMeasure(); }, Panel2);
    sgNet->setGeometry(1, 1, LatticeSize * BoardCellSize, LatticeSize * BoardCellSize);
    sgNet->setAccessibleName(tr("Gitteret"));
    connect(sgNet, &BoardGrid::released, this, &TfmBraet::sgNetMouseUp);
    connect(sgNet, &BoardGrid::moved, this, &TfmBraet::sgNetMouseMove);

    paHint = new QLabel(this);
    paHint->setObjectName(QStringLiteral("paHint"));
    paHint->setGeometry(312, 46, 137, 19);
    paHint->setFrameStyle(QFrame::Box | QFrame::Plain);
    paHint->setLineWidth(1);
    paHint->setAlignment(Qt::AlignCenter);
    paHint->setAutoFillBackground(true);
    QPalette hint = paHint->palette();
    hint.setColor(QPalette::Window, HintYellow);
    hint.setColor(QPalette::WindowText, Qt::black);
    paHint->setPalette(hint);
    paHint->hide();
    connect(sgNet, &BoardGrid::touchHeldAt, this, &TfmBraet::showHintAt);
    connect(sgNet, &BoardGrid::touchLifted, paHint, &QWidget::hide);

    paLog = new GuessLogPad(this);
    paLog->setObjectName(QStringLiteral("paLog"));
    // the hint covers the board frame and the notepad where they meet
    paHint->raise();
    paLog->setGeometry(376, 80, 241, 305);
}

std::function<void()> TfmBraet::command(void (TfmBraet::*handler)())
{
    return [this, handler] {
        if (!modalOpen())
            (this->*handler)();
    };
}

void TfmBraet::setWindows(TfmIndstil *indstil, TfmAbout *about, TfmStatistik *statistik)
{
    m_indstil = indstil;
    m_about = about;
    m_statistik = statistik;
}

// Made when first opened, not at start-up, and kept for the run: the
// settings keep their choice and their page from one opening to the next.
TfmIndstil &TfmBraet::indstil()
{
    if (!m_indstil)
        m_indstil = new TfmIndstil(this);
    return *m_indstil;
}

TfmAbout &TfmBraet::about()
{
    if (!m_about)
        m_about = new TfmAbout(this);
    return *m_about;
}

TfmStatistik &TfmBraet::statistik()
{
    if (!m_statistik) {
        m_statistik = new TfmStatistik(this);
        m_statistik->GameName = tr("Gitterspor");
    }
    return *m_statistik;
}

void TfmBraet::FormCreate()
{
    m_splash = ShowSplash(m_titlePicture);
    QCoreApplication::processEvents();
    LastBoardMove = now();
}

bool TfmBraet::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        Design::noteFrame(this);
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
    Design::centreOnScreen(this);
}

void TfmBraet::FormActivate()
{
    for (int n = 1; n <= LatticeMax; ++n)
        btX[n]->move(btX[n - 1]->x() + BoardCellSize, btX[n]->y());
    for (int n = LatticeMax - 1; n >= 0; --n)
        btY[n]->move(btY[n]->x(), btY[n + 1]->y() + BoardCellSize);
    FormResize();
    // the log font is set when the log picture is drawn on (DrawGuessLog)
    DrawGuessLog();
    if (m_statistik)
        m_statistik->GameName = tr("Gitterspor");
}

void TfmBraet::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    paTool->setGeometry(0, 0, width(), 40);
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
    // the window manager's close too asks no second question over another
    if (!modalOpen() && MessageDlgDk(tr("Luk Gitterspor?"), dkConfirmation, dialogButtons({dbYes, dbNo}), 0) == mrYes)
        event->accept();
    else
        event->ignore();
}

void TfmBraet::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        bbLavOpgave->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfmBraet::mouseMoveEvent(QMouseEvent *event)
{
    // moves over a control without tracking bubble up here; only the bare
    // background counts
    if (!childAt(event->position().toPoint()))
        FormMouseMove();
}

// ---- Requests of the rules ----

TDistanceMeasure TfmBraet::distanceMeasure() const
{
    // settings never opened still hold their first choice
    return m_indstil ? m_indstil->distanceMeasure() : TfmIndstil::FirstMeasure;
}

void TfmBraet::EnableCoordinateButtons(bool enabled)
{
    // a task over: the keyboard goes back to "Start opgave", not on to the board
    m_keys->setEnabled(enabled, bbBegynd);
}

void TfmBraet::enableArrowTimer()
{
    // enabling a running timer does not restart its period
    if (!tiArrow.isActive())
        tiArrow.start();
}

void TfmBraet::arrowStart(char16_t caption)
{
    m_keys->expectX(0);
    paPil->setCaption(caption);
    paPil->show();
    ArrowTicks = 0;
    enableArrowTimer();
}

void TfmBraet::arrowSwitch(char16_t caption)
{
    // the x just taken, or the x of the guess just made
    if (caption == ArrowExpectY)
        m_keys->expectY(state().ChosenX);
    else
        m_keys->expectX(state().ChosenX);
    paPil->setCaption(caption);
    ArrowTicks = 0;
    enableArrowTimer();
}

void TfmBraet::arrowStop()
{
    paPil->hide();
    tiArrow.stop();
}

void TfmBraet::setSolveButtonVisible(bool visible)
{
    btLoes->setVisible(visible);
    if (visible) // the next step of a composed task, for a keyboard player
        btLoes->setFocus(Qt::OtherFocusReason);
}

void TfmBraet::repaintBoard()
{
    sgNet->update();
}

bool TfmBraet::AskYesNo(const QString &question)
{
    return ::AskYesNo(question);
}

bool TfmBraet::showSettings()
{
    return indstil().exec() == mrOk;
}

bool TfmBraet::modalOpen() const
{
    return QApplication::activeModalWidget() != nullptr;
}

void TfmBraet::tiArrowTimer()
{
    ++ArrowTicks;
    if (ArrowTicks > 6) {
        paPil->show();
        tiArrow.stop();
        return;
    }
    if (paPil->isVisible()) {
        paPil->hide();
        tiArrow.setInterval(100);
    } else {
        paPil->show();
        tiArrow.setInterval(1000);
    }
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

namespace {
// "btX7" gives 7, "btY10" gives 10: at most two characters from the fourth.
int buttonValue(const QObject *button)
{
    return button ? button->objectName().mid(3, 2).toInt() : -1;
}
} // namespace

void TfmBraet::btX0Click()
{
    m_engine.btX0Click(buttonValue(sender()));
}

void TfmBraet::btY0Click()
{
    m_engine.btY0Click(buttonValue(sender()));
}

void TfmBraet::btLoesClick()
{
    m_engine.btLoesClick();
}

void TfmBraet::sgNetMouseUp(Qt::MouseButton button, QPoint point)
{
    using Button = TaskEngine::MouseButton;
    if (button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton)
        m_engine.sgNetMouseUp(button == Qt::LeftButton ? Button::Left
                                  : button == Qt::RightButton ? Button::Right : Button::Middle,
                              point.x(), point.y());
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
    about().exec();
}

void TfmBraet::bbStatistikClick()
{
    ShowStatistics();
}

void TfmBraet::bbPrintClick()
{
    PrintTask();
}

// ---- Guess log ----

void TfmBraet::DrawGuessLog()
{
    const QList<GuessText::LogLine> lines = GuessText::logLines(state(), distanceMeasure());
    paLog->draw(GuessText::measureTitle(distanceMeasure()), lines);
    if (state().showsSolution())
        repaintBoard();
}

const QImage &TfmBraet::logImage() const
{
    return paLog->image();
}

const QList<GuessLogPad::LogText> &TfmBraet::logTexts() const
{
    return paLog->texts();
}

// ---- Hover hint ----

void TfmBraet::tiHintTimer()
{
    // a finger held on the board has the hint; the mouse gets it back after
    if (!sgNet->touchHeld() && now() - LastBoardMove > HintIdleMs)
        ShowGuessHint();
}

void TfmBraet::sgNetMouseMove(QPoint point)
{
    // The hint stays up for small jitters: it goes only when the mouse has
    // moved more than 5 px on both axes from where it was last seen.
    if (paHint->isVisible() && std::abs(BoardMouseX - HintMouseX) > HintTolerance
        && std::abs(BoardMouseY - HintMouseY) > HintTolerance)
        paHint->hide();
    BoardMouseX = point.x();
    BoardMouseY = point.y();
    BoardMouseKnown = true;
    LastBoardMove = now();
}

void TfmBraet::FormMouseMove()
{
    paHint->hide();
}

void TfmBraet::ShowGuessHint()
{
    if (!BoardMouseKnown || !showHintAt(QPoint(BoardMouseX, BoardMouseY)))
        return;
    HintMouseX = BoardMouseX;
    HintMouseY = BoardMouseY;
}

bool TfmBraet::showHintAt(QPoint pixel)
{
    const auto point = BoardGrid::pointAt(pixel);
    if (!point)
        return false;
    const int n = state().guessAt(point->x(), point->y());
    if (n == 0)
        return false;
    paHint->setText(GuessText::hintText(n, point->x(), point->y(), state().Guesses[n].Distance));
    paHint->move(BoardGrid::cellRect(point->x(), flipRow(point->y())).topLeft() + HintOffset);
    paHint->show();
    return true;
}

// ---- Statistics and printing ----

void TfmBraet::ShowStatistics()
{
    statistik().setReport(GuessText::statisticsReport(state()));
    statistik().exec();
}

void TfmBraet::paintTaskPage(QPainter &painter, int resolution, const QString &title) const
{
    TaskPage::paint(painter, resolution, state(), distanceMeasure(), title);
}

void TfmBraet::PrintTask()
{
    QString title;
    PrintJob::run(AskPlayerName, [&] {
        title = PlayerName().isEmpty() ? tr("Gitterspor") : tr("Gitterspor (%1)").arg(PlayerName());
        return title;
    }, [&](QPainter &painter, QPrinter &printer) {
        paintTaskPage(painter, printer.resolution(), title);
    });
}
