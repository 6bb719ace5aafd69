// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

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
