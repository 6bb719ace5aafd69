// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "LightScheme.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QStyleHints>

namespace {

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

void lightenIfDark()
{
    if (!isDark(QApplication::palette()))
        return;
    QPalette light(QColor(0xef, 0xef, 0xef)); // the faces and grey text of a light desktop's
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        light.setColor(QPalette::Disabled, role, QColor(0xbe, 0xbe, 0xbe));
    QApplication::setPalette(light);
}

// A desktop that changes its scheme gives the application a new palette.
class PaletteWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp)
            lightenIfDark();
        return false;
    }
};

} // namespace

void LightScheme::keep()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
    lightenIfDark();
    qApp->installEventFilter(new PaletteWatch(qApp));
}
