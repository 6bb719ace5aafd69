// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "GuessLogPad.h"
#include "Announcer.h"
#include "Artwork.h"
#include "Fonts.h"

#include <QPainter>

#include <utility>

namespace {
const QColor Erase(0xFF, 0xFF, 0x88);
constexpr int Left = 52;
constexpr int TitleLeft = 82;
constexpr int TitleTop = 50;
constexpr int FirstLineTop = 78;
constexpr int LineStep = 20;
} // namespace

GuessLogPad::GuessLogPad(QWidget *parent)
    : QWidget(parent)
    , m_font(Fonts::font(QStringLiteral("Arial"), 12))
    , m_announcer(new Announcer(this))
{
    setAccessibleName(GuessText::logName());
    followRatio();
}

bool GuessLogPad::followRatio()
{
    const qreal ratio = devicePixelRatioF();
    if (!m_image.isNull() && m_image.devicePixelRatio() == ratio)
        return false;
    m_image = Artwork::picture(QStringLiteral("notesblok"), ratio).convertToFormat(QImage::Format_RGB32);
    return true;
}

void GuessLogPad::draw(const QString &title, const QList<GuessText::LogLine> &lines)
{
    m_title = title;
    m_logLines = lines;
    followRatio();
    QPainter painter(&m_image);
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Erase);
    painter.fillRect(QRect(50, 50, 232 - 50, 260 - 50), Erase);
    m_texts.clear();
    auto write = [&](int x, int y, const QString &text) {
        painter.drawText(QRect(x, y, 240 - x, 300 - y), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        m_texts.append({text, QPoint(x, y)});
        return painter.fontMetrics().horizontalAdvance(text);
    };

    QFont underlined = m_font;
    underlined.setUnderline(true);
    painter.setFont(underlined);
    write(TitleLeft, TitleTop, title);
    painter.setFont(m_font);

    const QStringList before = std::exchange(m_lines, QStringList{title});
    QStringList results;
    int y = FirstLineTop;
    for (const GuessText::LogLine &line : lines) {
        GuessText::layOutLine(line, Left, [&](int x, const QString &text) { return write(x, y, text); });
        m_lines << GuessText::spokenLine(line);
        if (line.hasResult() && before.value(m_lines.size() - 1) != m_lines.last())
            results << m_lines.last();
        y += LineStep;
    }
    painter.end();
    update();
    setAccessibleDescription(m_lines.join(QLatin1Char('\n')));
    m_announcer->announce(results.join(QLatin1Char(' ')));
}

void GuessLogPad::paintEvent(QPaintEvent *)
{
    // on a screen of another ratio the sheet and the writing are made anew
    if (followRatio() && !m_title.isEmpty())
        draw(m_title, m_logLines);
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
