// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStyle>

// The program's own pictures. They are drawn as SVG and compiled in as their
// pixels, at each device-pixel ratio from 1 to 3 that screens commonly have
// (resources/CMakeLists.txt).
namespace Artwork {

// ":/icons/<name>", with its rendering at the application's device-pixel
// ratio where that is above one.
QIcon icon(const QString &name);
// ":/pictures/<name>" as rendered at this device-pixel ratio; a ratio it was
// not rendered at is scaled down smoothly from the next larger one. The
// image carries the ratio.
QImage picture(const QString &name, qreal devicePixelRatio = 1);
QIcon programIcon();
// The style's own icon, one for the run: a fresh one in every dialog would
// bring fresh entries in Qt's pixmap cache.
QIcon standardIcon(QStyle::StandardPixmap which);

} // namespace Artwork
