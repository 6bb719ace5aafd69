// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Renders an SVG to a PNG at build time, so that the program loads ready
// pictures instead of parsing SVG at start-up.
//   render_svg IN.svg OUT.png SCALE        the SVG's own size times SCALE
//   render_svg IN.svg OUT.png --size N     N x N pixels
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // text in the pictures needs the font database, not a display
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false")); // no runtime folder at build time
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: render_svg IN.svg OUT.png SCALE | --size N\n");
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
    const bool bitmap = args[2].endsWith(QLatin1String(".bmp")); // an opaque picture
    QImage image(size, bitmap ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(bitmap ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (bitmap)
        return image.save(args[2], "BMP") ? 0 : 1;
    return image.save(args[2]) ? 0 : 1;
}
