// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// CUPS keeps the last error of each thread. Qt's engine prints with
// cupsPrintFile2() inside QPainter::end(), on the thread that ends the
// document, so the error seen right after end() is that request's answer:
// no request of our own, no job list (which a server may refuse to list, or
// list with another pupil's jobs under a shared account), and no wait.
#include "PrintQueue.h"

#include <QByteArray>
#include <QLibrary>

#include <cups/cups.h>

#include <cstring>

namespace {

// CUPS's library, opened at the first printout (Qt's print support has it
// loaded by then), not at start-up: the program is not linked with it.
struct Cups {
    decltype(&cupsPrintFile2) printFile = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;

    bool loaded() const { return printFile && lastError && lastErrorString; }
};

const Cups &cups()
{
    static const Cups library = [] {
        QLibrary so(QStringLiteral("cups"), 2); // stays loaded after so is gone
        Cups c;
        c.printFile = reinterpret_cast<decltype(c.printFile)>(so.resolve("cupsPrintFile2"));
        c.lastError = reinterpret_cast<decltype(c.lastError)>(so.resolve("cupsLastError"));
        c.lastErrorString = reinterpret_cast<decltype(c.lastErrorString)>(so.resolve("cupsLastErrorString"));
        return c;
    }();
    return library;
}

// A request without a queue's name fails before it leaves the process and
// leaves this error behind: while it stands, nothing was sent.
struct Mark {
    bool set = false;
    ipp_status_t status = IPP_STATUS_OK;
    QByteArray message;
} g_mark;

bool markStands(const Cups &c)
{
    return c.lastError() == g_mark.status && g_mark.message == c.lastErrorString();
}

} // namespace

namespace PrintQueue {

void watch()
{
    const Cups &c = cups();
    g_mark = {};
    if (!c.loaded())
        return;
    c.printFile(CUPS_HTTP_DEFAULT, nullptr, nullptr, nullptr, 0, nullptr);
    g_mark = {true, c.lastError(), c.lastErrorString()};
}

Delivery answer()
{
    const Cups &c = cups();
    if (!c.loaded() || !g_mark.set)
        return Delivery::Taken; // nothing to go by: no error, as Qt says none
    return fromIppStatus(!markStands(c), c.lastError());
}

} // namespace PrintQueue
