// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// On the desktop the game is its own window: no page to tell. Screen readers
// hear it through Qt's own accessibility (Announcer).
#include "Page.h"

namespace Page {

void ended() {}

void setTaskUnderway(bool) {}

void announce(const QString &) {}

bool handOver(const QByteArray &, const QString &, const QString &)
{
    return false;
}

} // namespace Page
