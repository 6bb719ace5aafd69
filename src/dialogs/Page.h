// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// What the game tells the page around it in a browser (resources/web/
// page.js): that it ended, whether a task is under way, what a screen reader
// is to say, and a file to hand to the child. One file for the browser
// (PageWeb.cpp) and one for the desktop (PageDesktop.cpp), where there is no
// page and none of it is needed.
namespace Page {

// The game's last window has closed.
void ended();
// A task is under way: the page asks before its tab closes.
void setTaskUnderway(bool underway);
// Words for a screen reader, said by the page's live region; said again
// when the same words come twice.
void announce(const QString &text);
// Hands a finished document to the child: the share sheet where the game
// runs as an installed app that can share files, a download elsewhere.
// False where there is no page to hand it to.
bool handOver(const QByteArray &bytes, const QString &fileName, const QString &mimeType);

} // namespace Page
