// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Artwork.h"

#include <QCoreApplication>
#include <QHash>

namespace Artwork {

// One QIcon per picture for the run: every dialog built anew would otherwise
// bring fresh icons, and with them fresh entries in Qt's pixmap cache.
using IconCache = QHash<QString, QIcon>;
Q_GLOBAL_STATIC(IconCache, g_icons)

static void releaseIcons()
{
    g_icons->clear();
}

QIcon icon(const QString &name)
{
    auto found = g_icons->constFind(name);
    if (found != g_icons->constEnd())
        return *found;
    if (g_icons->isEmpty())
        qAddPostRoutine(releaseIcons);
    return *g_icons->insert(name, QIcon(QStringLiteral(":/icons/%1.png").arg(name)));
}

QImage picture(const QString &name, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1)
        return QImage(QStringLiteral(":/pictures/%1.bmp").arg(name));
    QImage image(QStringLiteral(":/pictures/%1@2x.bmp").arg(name));
    if (devicePixelRatio != 2) {
        const QSize size = (QSizeF(image.size()) * (devicePixelRatio / 2)).toSize();
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QIcon programIcon()
{
    return icon(QStringLiteral("gitterspor"));
}

} // namespace Artwork
