// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Artwork.h"

#include <QApplication>
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

template <typename Make>
static QIcon cachedIcon(const QString &key, Make make)
{
    auto found = g_icons->constFind(key);
    if (found != g_icons->constEnd())
        return *found;
    if (g_icons->isEmpty())
        qAddPostRoutine(releaseIcons);
    return *g_icons->insert(key, make());
}

QIcon icon(const QString &name)
{
    return cachedIcon(name, [&name] { return QIcon(QStringLiteral(":/icons/%1.png").arg(name)); });
}

QIcon standardIcon(QStyle::StandardPixmap which)
{
    // Qt 6.8 reads the style's icons from their files anew for every call
    return cachedIcon(QStringLiteral("style/%1").arg(which),
                      [which] { return QApplication::style()->standardIcon(which); });
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
