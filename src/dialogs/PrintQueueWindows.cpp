// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Qt's Windows print engine hands the pages to the spooler as it goes and
// ends the document with EndDoc(). When the spooler does not take the job,
// EndDoc() fails, and Qt logs a warning and lets QPainter::end() succeed:
// that warning, caught while the document ends, is the spooler's answer.
#include "PrintQueue.h"

#include <QString>
#include <QtLogging>

#include <atomic>
#include <utility>

namespace {

QtMessageHandler g_previous = nullptr;
bool g_watching = false;
// other threads may log while the document ends
std::atomic<bool> g_refused = false;

void catchRefusal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && PrintQueue::fromEngineMessage(message) == PrintQueue::Delivery::Refused)
        g_refused = true;
    if (g_previous)
        g_previous(type, context, message); // the warning still reaches the log
}

} // namespace

namespace PrintQueue {

void watch()
{
    g_refused = false;
    if (!std::exchange(g_watching, true))
        g_previous = qInstallMessageHandler(catchRefusal);
}

Delivery answer()
{
    if (std::exchange(g_watching, false))
        qInstallMessageHandler(g_previous);
    return g_refused ? Delivery::Refused : Delivery::Taken;
}

} // namespace PrintQueue
