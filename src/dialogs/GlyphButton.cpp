// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "GlyphButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

GlyphButton::GlyphButton(const QString &caption, const QIcon &glyph, QSize glyphSize, QWidget *parent)
    : QPushButton(caption, parent)
    , m_glyph(glyph)
    , m_glyphSize(glyphSize)
{
}

void GlyphButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const int shift = isDown() ? 1 : 0;
    const QRect glyphRect(2 + shift, (height() - m_glyphSize.height()) / 2 + shift,
                          m_glyphSize.width(), m_glyphSize.height());
    m_glyph.paint(&painter, glyphRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);

    const QRect textRect(glyphRect.right() + 1, shift, width() - glyphRect.right() - 1, height());
    painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
