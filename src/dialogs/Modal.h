// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QDialog;
class QObject;

// The one way the game waits for an answer: a window is shown modal over
// every window of the game and the call returns at once; its answer comes
// through QDialog::finished. No loop of its own waits for it, so windows may
// open from windows without limit, in a browser as on the desktop.
namespace Modal {

// Shows dialog application-modal. When it closes, answered gets its result,
// unless receiver is gone by then (an answer outliving its asker is dropped).
void open(QDialog &dialog, const QObject *receiver = nullptr, std::function<void(int result)> answered = {});

} // namespace Modal
