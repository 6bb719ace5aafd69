// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Artwork.h"

#include <QApplication>
#include <QHash>
#include <QResource>

#include <iterator>
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

// The ratios the artwork is rendered at besides 1 (resources/CMakeLists.txt).
constexpr qreal Ratios[] = {GITTERSPOR_ARTWORK_RATIOS};

// The rendering for a device-pixel ratio: its own where there is one, else
// the next larger one (to be scaled down); 1 at ratio 1 and below.
static qreal renderedRatio(qreal ratio)
{
    if (ratio <= 1)
        return 1;
    for (qreal r : Ratios) {
        if (r >= ratio - 0.001)
            return r;
    }
    return std::end(Ratios)[-1];
}

static QImage pixelsAt(const QString &path, qreal ratio)
{
    const qreal rendered = renderedRatio(ratio);
    if (rendered <= 1)
        return pixels(path);
    QImage image = pixels(QStringLiteral("%1@%2x").arg(path).arg(rendered));
    image.setDevicePixelRatio(rendered);
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
        const QString path = QStringLiteral(":/icons/%1").arg(name);
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(pixels(path)));
        if (qApp->devicePixelRatio() > 1)
            icon.addPixmap(QPixmap::fromImage(pixelsAt(path, qApp->devicePixelRatio())));
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
    QImage image = pixelsAt(QStringLiteral(":/pictures/%1").arg(name), devicePixelRatio);
    if (devicePixelRatio > 1 && image.devicePixelRatio() != devicePixelRatio) {
        const QSize size = (QSizeF(image.size()) * (devicePixelRatio / image.devicePixelRatio())).toSize();
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(devicePixelRatio);
    }
    return image;
}

QIcon programIcon()
{
    return icon(QStringLiteral("gitterspor"));
}

} // namespace Artwork
