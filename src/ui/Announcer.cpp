// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Announcer.h"
#include "Page.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
    , m_message(new QWidget(this))
{
    m_message->setObjectName(QStringLiteral("announcement"));
    hide();
}

void Announcer::announce(const QString &text)
{
    if (text.isEmpty())
        return;
    // A newer announcement cuts the one being spoken, and so does a focus
    // change: say what comes together in one go, after the focus has moved.
    const bool queued = m_pending;
    m_message->setAccessibleName(queued ? m_message->accessibleName() + QLatin1Char(' ') + text : text);
    if (queued)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
        m_pending = false;
        Page::announce(m_message->accessibleName());
        if (!QAccessible::isActive())
            return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // one event, not the notification's showing as well: Orca would say
        // it twice. Polite: Narrator finishes what it is saying first.
        QAccessibleAnnouncementEvent event(m_message, m_message->accessibleName());
        event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
#else
        QAccessibleEvent event(m_message, QAccessible::ObjectShow);
#endif
        QAccessible::updateAccessibility(&event);
    });
}

QString Announcer::lastAnnouncement() const
{
    return m_message->accessibleName();
}

QAccessibleInterface *Announcer::factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (qobject_cast<Announcer *>(object->parent()) && object->objectName() == QLatin1String("announcement"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}
