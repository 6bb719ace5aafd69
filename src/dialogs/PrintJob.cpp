// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "PrintJob.h"
#include "PrinterService.h"

#include <QPainter>

bool PrintJob::run(const AskName &askName, const Title &title, const Paint &paint)
{
    // the printer is looked at before the name is asked for
    if (!PrinterService::checkAvailable() || !askName())
        return false;
    QPainter painter;
    if (!PrinterService::beginDocument(painter, title()))
        return false;
    paint(painter, PrinterService::page());
    return PrinterService::endDocument(painter);
}
