// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Design.h"

#include <QGuiApplication>
#include <QScreen>

namespace Design {

QFont font(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void centreOnScreen(QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window->move(screen.x() + screen.width() / 2 - window->width() / 2,
                 screen.y() + screen.height() / 2 - window->height() / 2);
}

} // namespace Design
