// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The print queue's answer to the job that Qt hands it when a document
// ends. Neither Qt's print engine for CUPS nor the one for the Windows
// spooler reports it: the CUPS one does not look at it, the Windows one
// only warns and reports success all the same.
namespace PrintQueue {

enum class Delivery { Taken, Refused, NeverSent };

// Just before QPainter::end(), on the same thread.
void watch();
// Right after QPainter::end(), whatever it returned: it also ends the watch.
Delivery answer();

// What an IPP status seen after the document's end says of the job; sent
// is false when nothing was asked of the queue since watch().
Delivery fromIppStatus(bool sent, int status);

// What a message Qt logged while the document ended says of the job. Qt's
// Windows engine says "EndPage failed" or "EndDoc failed" when the spooler
// did not take the last page or the document, with Windows' reason after it.
inline Delivery fromEngineMessage(const QString &message)
{
    const bool failed = message.startsWith(QLatin1String("QWin32PrintEngine::end: "))
        && message.contains(QLatin1String(" failed"));
    return failed ? Delivery::Refused : Delivery::Taken;
}

} // namespace PrintQueue
