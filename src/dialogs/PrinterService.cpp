// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "PrinterService.h"
#include "MessageDlg.h"
#include "PrintJob.h"
#include "PrintQueue.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace {

std::unique_ptr<QPrinter> g_printer;

// Printouts are laid out from the corner of the area the printer can print
// on: no margins beyond the ones it cannot help.
void usePrintableArea(QPrinter &printer)
{
    printer.setFullPage(false);
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
}

// The queue Qt hands the job to: the printer's name without its instance.
QString queueName(const QPrinter &printer)
{
    return printer.printerName().section(QLatin1Char('/'), 0, 0);
}

} // namespace

QPrinter &PrinterService::printer()
{
    if (!g_printer) {
        // gone with the application, not after it: a printer outliving
        // QApplication would tear down print support that no longer exists
        static const bool cleanedUp = [] {
            qAddPostRoutine(PrinterService::reset);
            return true;
        }();
        Q_UNUSED(cleanedUp);
        g_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        usePrintableArea(*g_printer);
    }
    return *g_printer;
}

bool PrinterService::hasSetup()
{
    return true;
}

bool PrinterService::setup(QWidget *parent)
{
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(tr("Printer opsætning"));
    // The one window that waits in a loop: on Windows Qt shows the system's
    // own print dialog, which runs its own loop and reports its answer only
    // from exec() (shown otherwise, it never emits finished). The browser
    // build has no printer set-up.
    if (dialog.exec() != QDialog::Accepted)
        return false;
    usePrintableArea(printer());
    return true;
}

bool PrinterService::checkAvailable()
{
    QPrinter &p = printer();
    // Qt falls back to an unnamed PDF file when there is no queue at all
    const bool toFile = p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty();
    if (toFile || !QPrinterInfo::availablePrinterNames().isEmpty())
        return true;
    showError(tr("Der er ingen printer. Installér en printer, og prøv igen."));
    return false;
}

bool PrinterService::beginDocument(QPainter &painter, const QString &title)
{
    QPrinter &p = printer();
    p.setDocName(title);
    if (painter.begin(&p))
        return true;
    showError(tr("Printeren kunne ikke begynde udskriften."));
    return false;
}

PrintPage PrinterService::page()
{
    const QPrinter &p = printer();
    return {p.paperRect(QPrinter::DevicePixel).toRect().width(), p.resolution()};
}

bool PrinterService::endDocument(QPainter &painter)
{
    using PrintQueue::Delivery;
    const QPrinter &p = printer();
    const bool toQueue = p.outputFormat() == QPrinter::NativeFormat;
    if (toQueue)
        PrintQueue::watch();
    const bool ended = painter.end();
    const Delivery queued = toQueue ? PrintQueue::answer() : Delivery::Taken;
    Delivery delivery = Delivery::Taken;
    if (!ended || p.printerState() == QPrinter::Error)
        delivery = Delivery::Refused;
    else if (!toQueue)
        delivery = QFileInfo(p.outputFileName()).size() > 0 ? Delivery::Taken : Delivery::Refused;
    else if (queueName(p).isEmpty())
        delivery = Delivery::NeverSent; // Qt sends nothing without a queue
    else
        delivery = queued;
    if (delivery == Delivery::Refused)
        showError(tr("Printeren tog ikke imod udskriften. Se efter, at printeren er klar, og prøv igen."));
    else if (delivery == Delivery::NeverSent)
        showError(tr("Udskriften blev ikke sendt til printeren. Prøv igen."));
    return delivery == Delivery::Taken;
}

void PrinterService::useFileForTesting(const QString &pdfPath)
{
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(pdfPath);
}

void PrinterService::reset()
{
    g_printer.reset();
}
