// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Fonts.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFontDatabase>
#include <QStringList>

namespace {

// The families the design names, the family Windows has for each, and the
// metric-compatible Liberation font that stands in for it elsewhere (and
// under Wine), so texts keep their widths.
struct Family {
    const char *design;
    const char *windows;
    const char *standIn;
};
constexpr Family Families[] = {
    {"MS Sans Serif", "Arial", "Liberation Sans"}, // a bitmap font on Windows
    {"System", "Arial", "Liberation Sans"},
    {"Arial", "Arial", "Liberation Sans"},
    {"Courier New", "Courier New", "Liberation Mono"},
};

// The family asked for first comes first. Where fontconfig finds the fonts,
// a family that is not installed sends Qt through its fallbacks, a
// millisecond or more a family: the stand-in is asked for first there.
QStringList choices(const Family &f)
{
#ifdef Q_OS_WIN
    return {QLatin1String(f.windows), QLatin1String(f.standIn)};
#else
    return {QLatin1String(f.standIn), QLatin1String(f.windows)};
#endif
}

void useFontSubstitutes()
{
    for (const Family &f : Families)
        QFont::insertSubstitutions(QLatin1String(f.design), choices(f));
}

} // namespace
Q_COREAPP_STARTUP_FUNCTION(useFontSubstitutes)

namespace Fonts {

QFont font(const QString &family, int pixelSize, bool bold)
{
#ifdef Q_OS_WASM
    // a browser has only the fonts compiled into the program
    static const bool registered = [] {
        for (QDirIterator it(QStringLiteral(":/fonts")); it.hasNext();)
            QFontDatabase::addApplicationFont(it.next());
        return true;
    }();
    Q_UNUSED(registered);
#endif
    QFont font;
    QStringList families = QFont::substitutes(family);
    if (!families.contains(family))
        families << family;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont typewriterFont(int pixelSize)
{
    QFont typewriter = font(QStringLiteral("Courier New"), pixelSize);
    typewriter.setStyleHint(QFont::TypeWriter);
    return typewriter;
}

} // namespace Fonts
