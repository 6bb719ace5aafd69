// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

// Lets the watched widget paint its first time, then prints the moment on
// the monotonic clock, shared with the process that launched us, and the
// peak resident memory so far, and ends the program.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *watched)
        : m_filtered(watched)
    {
        watched->installEventFilter(this);
    }
    // The widget of this object name, wherever the application makes it;
    // owned by the application.
    explicit FirstPaint(const QString &objectName)
        : QObject(QCoreApplication::instance())
        , m_filtered(QCoreApplication::instance())
        , m_objectName(objectName)
    {
        m_filtered->installEventFilter(this);
    }

    static long peakResidentKiB()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        }
        return -1;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || (!m_objectName.isEmpty() && watched->objectName() != m_objectName))
            return false;
        m_filtered->removeEventFilter(this);
        watched->event(event);
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
        QTimer::singleShot(0, [ns] {
            std::printf("FIRSTPAINT %lld %ld\n", ns, peakResidentKiB());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        return true;
    }

private:
    QObject *m_filtered;
    QString m_objectName;
};
