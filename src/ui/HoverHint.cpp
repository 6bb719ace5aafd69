// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "HoverHint.h"
#include "BoardGrid.h"
#include "GuessText.h"

#include <QElapsedTimer>

#include <cstdlib>

namespace {

const QColor HintYellow(0xFF, 0xFF, 0x80);
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

} // namespace

HoverHint::HoverHint(const TaskState &state, BoardGrid *grid, QWidget *parent)
    : QLabel(parent)
    , m_state(state)
    , m_grid(grid)
    , m_clock(monotonicMs)
{
    setObjectName(QStringLiteral("paHint"));
    setGeometry(312, 46, 137, 19);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette hint = palette();
    hint.setColor(QPalette::Window, HintYellow);
    hint.setColor(QPalette::WindowText, Qt::black);
    setPalette(hint);
    hide();
    connect(grid, &BoardGrid::moved, this, &HoverHint::pointerMoved);
    connect(grid, &BoardGrid::touchHeldAt, this, &HoverHint::showAt);
    connect(grid, &BoardGrid::touchLifted, this, &QWidget::hide);
    tiHint.setInterval(100);
    connect(&tiHint, &QTimer::timeout, this, &HoverHint::tiHintTimer);
    tiHint.start();
    m_lastMove = m_clock();
}

void HoverHint::setClock(std::function<qint64()> clock)
{
    m_clock = std::move(clock);
    m_lastMove = m_clock();
}

void HoverHint::tiHintTimer()
{
    // a finger held on the board has the hint; the mouse gets it back after
    if (m_grid->touchHeld() || m_clock() - m_lastMove <= HintIdleMs || !m_pointerKnown)
        return;
    if (showAt(m_pointer))
        m_shownFor = m_pointer;
}

void HoverHint::pointerMoved(QPoint pixel)
{
    // The hint stays up for small jitters: it goes only when the mouse has
    // moved more than 5 px on both axes from where it was last seen.
    if (isVisible() && std::abs(m_pointer.x() - m_shownFor.x()) > HintTolerance
        && std::abs(m_pointer.y() - m_shownFor.y()) > HintTolerance)
        hide();
    m_pointer = pixel;
    m_pointerKnown = true;
    m_lastMove = m_clock();
}

bool HoverHint::showAt(QPoint pixel)
{
    const auto point = BoardGrid::pointAt(pixel);
    if (!point)
        return false;
    const int n = m_state.guessAt(point->x(), point->y());
    if (n == 0)
        return false;
    setText(GuessText::hintText(n, point->x(), point->y(), m_state.Guesses[n].Distance));
    move(BoardGrid::cellRect(point->x(), flipRow(point->y())).topLeft() + HintOffset);
    show();
    return true;
}
