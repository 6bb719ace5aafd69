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
QImage picture(const QString &name);    // ":/pictures/<name>.bmp"
QIcon programIcon();

} // namespace Artwork
