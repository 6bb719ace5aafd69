// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "PrintJob.h"
#include "PrinterService.h"

#include <QPainter>

void PrintJob::run(const QObject *receiver, const AskName &askName, Title title, Paint paint)
{
    // the printer is looked at before the name is asked for
    if (!PrinterService::checkAvailable())
        return;
    askName(receiver, [title = std::move(title), paint = std::move(paint)](bool given) {
        QPainter painter;
        if (!given || !PrinterService::beginDocument(painter, title()))
            return;
        paint(painter, PrinterService::page());
        PrinterService::endDocument(painter);
    });
}
