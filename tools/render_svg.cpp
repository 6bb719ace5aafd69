// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Renders an SVG at build time, so that the program loads ready pictures
// instead of parsing SVG at start-up.
//   render_svg IN.svg OUT [--opaque] RATIO...     the SVG's own size times each RATIO (1.5,
//                                      say); OUT's name takes "@1.5x" before its
//                                      ending for every ratio but 1
//   render_svg IN.svg OUT --size N     N x N pixels
//   render_svg IN.svg OUT.ico --size N,M,...   a Windows icon of these sizes
// OUT ending in .png is a PNG (the icons installed for the desktop). OUT
// ending in .pixels holds the pixels as they lie in memory, as Artwork reads
// them: width, height and QImage format as 32-bit integers, then the rows.
// --opaque renders on white, with no alpha channel (the pictures that fill
// a box of their own); otherwise the background is transparent.
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QFile>
#include <QBuffer>
#include <QSvgRenderer>

#include <cstdint>
#include <cstdio>

static QImage render(QSvgRenderer &renderer, QSize size, bool opaque)
{
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// An icon file of PNG images, one per size, as Windows reads them from
// Vista on.
static bool writeIco(QSvgRenderer &renderer, const QStringList &sizes, const QString &path)
{
    QList<QByteArray> pngs;
    for (const QString &size : sizes) {
        const int n = size.toInt();
        if (n < 1 || n > 256)
            return false;
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        render(renderer, QSize(n, n), false).save(&png, "PNG");
        pngs.append(png.data());
    }
    QByteArray ico;
    auto put16 = [&ico](quint16 v) { ico.append(char(v & 0xff)).append(char(v >> 8)); };
    auto put32 = [&](quint32 v) { put16(v & 0xffff); put16(v >> 16); };
    put16(0), put16(1), put16(quint16(pngs.size()));
    quint32 offset = 6 + 16 * pngs.size();
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const int n = sizes[i].toInt();
        ico.append(char(n & 0xff)).append(char(n & 0xff)).append(char(0)).append(char(0)); // 256 is 0
        put16(1), put16(32), put32(quint32(pngs[i].size())), put32(offset);
        offset += pngs[i].size();
    }
    for (const QByteArray &png : pngs)
        ico.append(png);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(ico) == ico.size();
}

// The pixels as they lie in memory, as Artwork reads them.
static bool writePixels(const QImage &image, const QString &path)
{
    QFile out(path);
    const std::int32_t header[3] = {image.width(), image.height(), image.format()};
    return out.open(QIODevice::WriteOnly)
        && out.write(reinterpret_cast<const char *>(header), sizeof header) == sizeof header
        && out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes();
}

int main(int argc, char *argv[])
{
    // text in the pictures needs the font database, not a display
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false")); // no runtime folder at build time
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool opaque = args.removeAll(QStringLiteral("--opaque")) > 0;
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: render_svg IN.svg OUT [--opaque] RATIO... | --size N\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid())
        return 1;
    if (args[2].endsWith(QLatin1String(".ico")) && args.size() > 4)
        return writeIco(renderer, args[4].split(QLatin1Char(',')), args[2]) ? 0 : 1;
    if (args[3] == QLatin1String("--size") && args.size() > 4) {
        const int n = args[4].toInt();
        return n > 0 && render(renderer, QSize(n, n), opaque).save(args[2]) ? 0 : 1;
    }
    for (const QString &ratio : args.mid(3)) {
        const QSize size = (QSizeF(renderer.defaultSize()) * ratio.toDouble()).toSize();
        QString path = args[2];
        if (ratio != QLatin1String("1"))
            path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(ratio));
        if (size.isEmpty() || !writePixels(render(renderer, size, opaque), path))
            return 1;
    }
    return 0;
}
