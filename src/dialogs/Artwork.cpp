// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Artwork.h"

#include <QApplication>
#include <QHash>
#include <QResource>

#include <cstdint>
#include <cstring>

namespace Artwork {

// One QIcon per picture for the run: every dialog built anew would otherwise
// bring fresh icons, and with them fresh entries in Qt's pixmap cache.
using IconCache = QHash<QString, QIcon>;
Q_GLOBAL_STATIC(IconCache, g_icons)

static void releaseIcons()
{
    g_icons->clear();
}

// The pixels as render_svg wrote them: width, height and format, then the
// rows. Copied, not decoded: no image reader, and so no image format plugin,
// is involved.
static QImage pixels(const QString &path)
{
    const QByteArray data = QResource(path + QStringLiteral(".pixels")).uncompressedData();
    std::int32_t header[3] = {};
    if (data.size() < qsizetype(sizeof header))
        return {};
    std::memcpy(header, data.constData(), sizeof header);
    QImage image(header[0], header[1], QImage::Format(header[2]));
    if (image.isNull() || data.size() != qsizetype(sizeof header) + image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), data.constData() + sizeof header, image.sizeInBytes());
    return image;
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
    return cachedIcon(name, [&name] {
        // Built from pixmaps, not from a file name: a file name sends QIcon
        // looking through the icon engine plugins for one that reads it.
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(pixels(QStringLiteral(":/icons/%1").arg(name))));
        if (qApp->devicePixelRatio() > 1) {
            QImage twice = pixels(QStringLiteral(":/icons/%1@2x").arg(name));
            twice.setDevicePixelRatio(2);
            icon.addPixmap(QPixmap::fromImage(twice));
        }
        return icon;
    });
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
        return pixels(QStringLiteral(":/pictures/%1").arg(name));
    QImage image = pixels(QStringLiteral(":/pictures/%1@2x").arg(name));
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
