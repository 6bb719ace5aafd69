// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QHash>

// The windows name the fonts of the system they were designed on. Map them
// to the metric-compatible Liberation fonts, so texts keep their widths.
static void useFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("System"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
}
Q_COREAPP_STARTUP_FUNCTION(useFontSubstitutes)

namespace Artwork {

// One QIcon per picture for the run: every dialog built anew would otherwise
// bring fresh icons, and with them fresh entries in Qt's pixmap cache.
using IconCache = QHash<QString, QIcon>;
Q_GLOBAL_STATIC(IconCache, g_icons)

static void releaseIcons()
{
    g_icons->clear();
}

QIcon icon(const QString &name)
{
    auto found = g_icons->constFind(name);
    if (found != g_icons->constEnd())
        return *found;
    if (g_icons->isEmpty())
        qAddPostRoutine(releaseIcons);
    return *g_icons->insert(name, QIcon(QStringLiteral(":/icons/%1.png").arg(name)));
}

QImage picture(const QString &name)
{
    return QImage(QStringLiteral(":/pictures/%1.bmp").arg(name));
}

QIcon programIcon()
{
    return icon(QStringLiteral("gitterspor"));
}

} // namespace Artwork
