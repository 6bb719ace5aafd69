// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStyle>

// The program's own pictures. They are drawn as SVG and compiled in as their
// pixels, at one and two device pixels per pixel (resources/CMakeLists.txt).
namespace Artwork {

// ":/icons/<name>", with its @2x twin where the application's device-pixel
// ratio is above one.
QIcon icon(const QString &name);
// ":/pictures/<name>", or <name>@2x above one device pixel per pixel, scaled
// smoothly to ratios other than 2; the image carries the ratio.
QImage picture(const QString &name, qreal devicePixelRatio = 1);
QIcon programIcon();
// The style's own icon, one for the run: a fresh one in every dialog would
// bring fresh entries in Qt's pixmap cache.
QIcon standardIcon(QStyle::StandardPixmap which);

} // namespace Artwork
