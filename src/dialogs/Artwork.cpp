// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

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
