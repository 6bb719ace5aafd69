// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#ifdef Q_OS_WIN
#define NOMINMAX
#include <windows.h>
#include <psapi.h>
#endif

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
#ifdef Q_OS_WIN
        PROCESS_MEMORY_COUNTERS counters{};
        if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
            return -1;
        return long(counters.PeakWorkingSetSize / 1024);
#endif
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
        // the clock the launcher reads: CLOCK_MONOTONIC, QueryPerformanceCounter on Windows
        const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::steady_clock::now().time_since_epoch()).count();
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
