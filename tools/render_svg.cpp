// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Renders an SVG at build time, so that the program loads ready pictures
// instead of parsing SVG at start-up.
//   render_svg IN.svg OUT SCALE        the SVG's own size times SCALE
//   render_svg IN.svg OUT --size N     N x N pixels
// OUT ending in .png is a PNG (the icons installed for the desktop). OUT
// ending in .pixels holds the pixels as they lie in memory, as Artwork reads
// them: width, height and QImage format as 32-bit integers, then the rows.
// Pictures written into a folder named "pictures" are opaque, on white.
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSvgRenderer>

#include <cstdint>
#include <cstdio>

int main(int argc, char *argv[])
{
    // text in the pictures needs the font database, not a display
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false")); // no runtime folder at build time
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: render_svg IN.svg OUT SCALE | --size N\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid())
        return 1;
    QSize size = renderer.defaultSize();
    if (args[3] == QLatin1String("--size") && args.size() > 4)
        size = QSize(args[4].toInt(), args[4].toInt());
    else
        size *= args[3].toInt();
    if (size.isEmpty())
        return 1;
    const bool opaque = QFileInfo(args[2]).dir().dirName() == QLatin1String("pictures");
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!args[2].endsWith(QLatin1String(".pixels")))
        return image.save(args[2]) ? 0 : 1;
    QFile out(args[2]);
    const std::int32_t header[3] = {image.width(), image.height(), image.format()};
    const bool written = out.open(QIODevice::WriteOnly)
        && out.write(reinterpret_cast<const char *>(header), sizeof header) == sizeof header
        && out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes();
    return written ? 0 : 1;
}
