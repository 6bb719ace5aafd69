// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Qt's Windows print engine hands the pages to the spooler as it goes and
// ends the document with EndDoc(): a spooler that does not take the job
// makes QPainter::end() fail, so there is nothing more to ask.
#include "PrintQueue.h"

namespace PrintQueue {

void watch() {}

Delivery answer()
{
    return Delivery::Taken;
}

} // namespace PrintQueue
