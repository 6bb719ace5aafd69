// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The program's own pictures. They are drawn as SVG and compiled in as PNG
// at one and two device pixels per pixel, the large pictures as bitmaps.
namespace Artwork {

QIcon icon(const QString &name);        // ":/icons/<name>.png"
// ":/pictures/<name>.bmp", or <name>@2x.bmp above one device pixel per
// pixel, scaled smoothly to ratios other than 2; the image carries the ratio.
QImage picture(const QString &name, qreal devicePixelRatio = 1);
QIcon programIcon();

} // namespace Artwork
