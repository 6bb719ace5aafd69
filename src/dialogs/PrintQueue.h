// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

// The print queue's answer to the job that Qt hands it when a document
// ends. Qt's print engine for CUPS does not look at it; the Windows print
// spooler's answer comes back through QPainter::end() already.
namespace PrintQueue {

enum class Delivery { Taken, Refused, NeverSent };

// Just before QPainter::end(), on the same thread.
void watch();
// Right after QPainter::end() returned true.
Delivery answer();

// What an IPP status seen after the document's end says of the job; sent
// is false when nothing was asked of the queue since watch().
Delivery fromIppStatus(bool sent, int status);

} // namespace PrintQueue
