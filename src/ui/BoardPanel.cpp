// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "BoardPanel.h"
#include "ArrowPrompt.h"
#include "BoardGrid.h"
#include "CoordinateKeys.h"
#include "GuessText.h"
#include "HoverHint.h"
#include "TaskEngine.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// "btX7" gives 7, "btY10" gives 10: at most two characters from the fourth.
int buttonValue(const QObject *button)
{
    return button ? button->objectName().mid(3, 2).toInt() : -1;
}

} // namespace

BoardPanel::BoardPanel(TaskEngine &engine, std::function<TDistanceMeasure()> measure, QWidget *parent)
    : QWidget(parent)
    , m_engine(engine)
    , m_measure(std::move(measure))
{
    setObjectName(QStringLiteral("board"));
    setMouseTracking(true);
    auto coordinateButton = [this](char axis, int n, QPoint place, void (BoardPanel::*handler)()) {
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
        btY[n] = coordinateButton('y', n, {15, 84}, &BoardPanel::btY0Click);
    for (int n = 0; n <= LatticeMax; ++n)
        btX[n] = coordinateButton('x', n, {45, 415}, &BoardPanel::btX0Click);
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
    connect(btLoes, &QPushButton::clicked, this, &BoardPanel::btLoesClick);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(1);
    Panel2->setGeometry(41, 80, 332, 332);
    sgNet = new BoardGrid(m_engine.state(), m_measure, Panel2);
    sgNet->setGeometry(1, 1, LatticeSize * BoardCellSize, LatticeSize * BoardCellSize);
    sgNet->setAccessibleName(tr("Gitteret"));
    connect(sgNet, &BoardGrid::released, this, &BoardPanel::sgNetMouseUp);

    paHint = new HoverHint(m_engine.state(), sgNet, this);
    paLog = new GuessLogPad(this);
    paLog->setObjectName(QStringLiteral("paLog"));
    // the hint covers the board frame and the notepad where they meet
    paHint->raise();
    paLog->setGeometry(376, 80, 241, 305);
}

BoardPanel::~BoardPanel()
{
    // The key handler watches buttons that ~QWidget deletes.
    delete m_keys;
}

void BoardPanel::layOut()
{
    for (int n = 1; n <= LatticeMax; ++n)
        btX[n]->move(btX[n - 1]->x() + BoardCellSize, btX[n]->y());
    for (int n = LatticeMax - 1; n >= 0; --n)
        btY[n]->move(btY[n]->x(), btY[n + 1]->y() + BoardCellSize);
}

void BoardPanel::mouseMoveEvent(QMouseEvent *event)
{
    // moves over a control without tracking bubble up here; only the bare
    // background counts
    if (!childAt(event->position().toPoint()))
        paHint->hide();
    QWidget::mouseMoveEvent(event);
}

// ---- The player's choices ----

void BoardPanel::btX0Click()
{
    m_engine.btX0Click(buttonValue(sender()));
}

void BoardPanel::btY0Click()
{
    m_engine.btY0Click(buttonValue(sender()));
}

void BoardPanel::btLoesClick()
{
    m_engine.btLoesClick();
}

void BoardPanel::sgNetMouseUp(Qt::MouseButton button, QPoint point)
{
    using Button = TaskEngine::MouseButton;
    if (button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton)
        m_engine.sgNetMouseUp(button == Qt::LeftButton ? Button::Left
                                  : button == Qt::RightButton ? Button::Right : Button::Middle,
                              point.x(), point.y());
}

// ---- Requests of the rules ----

void BoardPanel::EnableCoordinateButtons(bool enabled)
{
    // a task over: the keyboard goes back to "Start opgave", not on to the board
    m_keys->setEnabled(enabled, m_focusWhenDone);
    emit taskUnderwayChanged(enabled);
}

void BoardPanel::arrowStart(char16_t caption)
{
    m_keys->expectX(0);
    paPil->startBlinking(caption);
}

void BoardPanel::arrowSwitch(char16_t caption)
{
    // the x just taken, or the x of the guess just made
    if (caption == ArrowExpectY)
        m_keys->expectY(m_engine.state().ChosenX);
    else
        m_keys->expectX(m_engine.state().ChosenX);
    paPil->switchTo(caption);
}

void BoardPanel::arrowStop()
{
    paPil->stopBlinking();
}

void BoardPanel::setSolveButtonVisible(bool visible)
{
    btLoes->setVisible(visible);
    if (visible) // the next step of a composed task, for a keyboard player
        btLoes->setFocus(Qt::OtherFocusReason);
}

void BoardPanel::repaintBoard()
{
    sgNet->update();
}

void BoardPanel::DrawGuessLog()
{
    const QList<GuessText::LogLine> lines = GuessText::logLines(m_engine.state(), m_measure());
    paLog->draw(GuessText::measureTitle(m_measure()), lines);
    if (m_engine.state().showsSolution())
        repaintBoard();
}
