// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Design.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

// The windows and printouts name the fonts of the system they were designed
// on. Map them to the metric-compatible Liberation fonts, so texts keep their
// widths.
static void useFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("System"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
}
Q_COREAPP_STARTUP_FUNCTION(useFontSubstitutes)

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
