// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// A browser suspends one wait at a time, and QTest::qWait lets none of its
// timers run: a test that waits inside a modal window's loop, for a timer, or
// for a window shown modal without a loop of its own, is played in the
// browser test instead.
#ifdef Q_OS_WASM
#define SKIP_IN_BROWSER() QSKIP("waits as a browser cannot; played in the browser test")
#else
#define SKIP_IN_BROWSER() do {} while (false)
#endif

// Runs action on the next modal window to open (the first one that is not
// skip), from inside its modal loop. Call it before the call that opens the
// window. Deleting the returned timer calls it off.
inline QTimer *whenModal(std::function<void(QWidget *)> action, QWidget *skip = nullptr)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, skip] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == skip || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
    return timer;
}
