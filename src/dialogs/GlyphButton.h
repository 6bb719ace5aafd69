// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A push button with a small picture 2 px from its left edge and the caption
// centred in the room to the right of it.
class GlyphButton : public QPushButton
{
    Q_OBJECT
public:
    GlyphButton(const QString &caption, const QIcon &glyph, QSize glyphSize, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QIcon m_glyph;
    QSize m_glyphSize;
};
