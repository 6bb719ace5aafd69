// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "MessageDlg.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

// A browser runs the game's timers only between its own tasks, never while
// a test waits: a test that waits for a timer is played in the browser test.
#ifdef Q_OS_WASM
#define SKIP_TIMERS_IN_BROWSER() QSKIP("waits for a timer, which a browser runs only between its tasks")
#else
#define SKIP_TIMERS_IN_BROWSER() do {} while (false)
#endif

// A window of the game opens modal and the call that opens it returns at
// once, the window on the screen: a test answers it then, as a child would.
// Null when no modal window is open.
inline QWidget *openModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() ? modal : nullptr;
}

// The text of the question open now; empty when none is.
inline QString asked()
{
    const auto *question = qobject_cast<MessageDialog *>(openModal());
    return question ? question->messageLabel()->text() : QString();
}
