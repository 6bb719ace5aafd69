// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QSvgRenderer>

// The windows name the fonts of the system they were designed on. Map them
// to the metric-compatible Liberation fonts, so texts keep their widths.
static void useFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("System"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
}
Q_COREAPP_STARTUP_FUNCTION(useFontSubstitutes)

namespace Artwork {

QIcon icon(const QString &name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QPixmap picture(const QString &name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon programIcon()
{
    return icon(QStringLiteral("gitterspor"));
}

} // namespace Artwork
