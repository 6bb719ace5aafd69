// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures, drawn from the SVGs in the resources.
namespace Artwork {

QIcon icon(const QString &name);                    // ":/icons/<name>.svg"
QPixmap picture(const QString &name, QSize size);   // ":/pictures/<name>.svg" rendered at size
QIcon programIcon();

} // namespace Artwork
