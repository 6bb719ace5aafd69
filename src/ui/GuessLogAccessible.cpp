// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "GuessLogAccessible.h"
#include "GuessLogPad.h"

#include <algorithm>

GuessLogAccessible::GuessLogAccessible(GuessLogPad *pad)
    : QAccessibleWidget(pad, QAccessible::StaticText)
{
}

void *GuessLogAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString GuessLogAccessible::all() const
{
    return static_cast<GuessLogPad *>(widget())->lines().join(QLatin1Char('\n'));
}

QString GuessLogAccessible::text(int startOffset, int endOffset) const
{
    const QString whole = all();
    startOffset = std::clamp(startOffset, 0, int(whole.size()));
    endOffset = endOffset < 0 ? int(whole.size()) : std::clamp(endOffset, startOffset, int(whole.size()));
    return whole.mid(startOffset, endOffset - startOffset);
}

int GuessLogAccessible::characterCount() const
{
    return int(all().size());
}

QString GuessLogAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QAccessibleInterface *GuessLogAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("GuessLogPad") && object && object->isWidgetType())
        return new GuessLogAccessible(static_cast<GuessLogPad *>(object));
    return nullptr;
}
