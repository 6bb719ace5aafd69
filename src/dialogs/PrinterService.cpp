// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "PrinterService.h"
#include "MessageDlg.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <memory>
#include <optional>

namespace {

std::unique_ptr<QPrinter> g_printer;
// this user's newest job in the queue when the document began
int g_newestJobBefore = 0;

QString tr(const char *text)
{
    return QCoreApplication::translate("PrinterService", text);
}

// Printouts are laid out from the corner of the area the printer can print
// on: no margins beyond the ones it cannot help.
void usePrintableArea(QPrinter &printer)
{
    printer.setFullPage(false);
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
}

// CUPS's library, opened when a print job first asks the queue, not at
// start-up: the program is not linked with it. Qt's print support has it
// loaded by then.
struct Cups {
    decltype(&cupsGetJobs2) getJobs = nullptr;
    decltype(&cupsFreeJobs) freeJobs = nullptr;
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;

    bool loaded() const { return getJobs && freeJobs && getNamedDest && getOption && freeDests; }
};

const Cups &cups()
{
    static const Cups library = [] {
        QLibrary so(QStringLiteral("cups"), 2); // stays loaded after so is gone
        Cups c;
        c.getJobs = reinterpret_cast<decltype(c.getJobs)>(so.resolve("cupsGetJobs2"));
        c.freeJobs = reinterpret_cast<decltype(c.freeJobs)>(so.resolve("cupsFreeJobs"));
        c.getNamedDest = reinterpret_cast<decltype(c.getNamedDest)>(so.resolve("cupsGetNamedDest"));
        c.getOption = reinterpret_cast<decltype(c.getOption)>(so.resolve("cupsGetOption"));
        c.freeDests = reinterpret_cast<decltype(c.freeDests)>(so.resolve("cupsFreeDests"));
        return c;
    }();
    return library;
}

// The queue Qt hands the job to: the printer's name without its instance.
QByteArray queueName(const QPrinter &printer)
{
    return printer.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
}

// This user's jobs in the queue, finished ones too; nothing when the queue
// cannot be asked.
std::optional<QList<PrinterService::QueueJob>> queueJobs(const QByteArray &queue)
{
    const Cups &c = cups();
    if (!c.loaded() || queue.isEmpty())
        return std::nullopt;
    cups_job_t *jobs = nullptr;
    const int count = c.getJobs(CUPS_HTTP_DEFAULT, &jobs, queue.constData(), 1, CUPS_WHICHJOBS_ALL);
    if (count < 0)
        return std::nullopt;
    QList<PrinterService::QueueJob> list;
    for (int i = 0; i < count; ++i)
        list.append({jobs[i].id, jobs[i].state == IPP_JSTATE_CANCELED || jobs[i].state == IPP_JSTATE_ABORTED});
    c.freeJobs(count, jobs);
    return list;
}

int newestJob(const QList<PrinterService::QueueJob> &jobs)
{
    int newest = 0;
    for (const PrinterService::QueueJob &job : jobs)
        newest = std::max(newest, job.id);
    return newest;
}

bool queueAccepts(const QByteArray &queue)
{
    const Cups &c = cups();
    cups_dest_t *dest = c.loaded() ? c.getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr) : nullptr;
    if (!dest)
        return false;
    const char *accepting = c.getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool accepts = qstrcmp(accepting, "false") != 0;
    c.freeDests(1, dest);
    return accepts;
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

bool PrinterService::setup(QWidget *parent)
{
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(tr("Printer opsætning"));
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

bool PrinterService::begin(QPainter &painter, const QString &title)
{
    QPrinter &p = printer();
    p.setDocName(title);
    if (p.outputFormat() == QPrinter::NativeFormat)
        g_newestJobBefore = newestJob(queueJobs(queueName(p)).value_or(QList<QueueJob>()));
    if (painter.begin(&p))
        return true;
    showError(tr("Printeren kunne ikke begynde udskriften."));
    return false;
}

bool PrinterService::end(QPainter &painter)
{
    const QPrinter &p = printer();
    const QByteArray queue = queueName(p);
    Delivery delivery = Delivery::Refused; // also when the queue cannot be asked
    if (!painter.end() || p.printerState() == QPrinter::Error)
        delivery = Delivery::Refused;
    else if (p.outputFormat() != QPrinter::NativeFormat)
        delivery = QFileInfo(p.outputFileName()).size() > 0 ? Delivery::Taken : Delivery::Refused;
    else if (queue.isEmpty())
        delivery = Delivery::NeverSent; // Qt sends nothing without a queue
    else if (const auto jobs = queueJobs(queue))
        // Qt hands the job to CUPS at the end and does not look at the answer
        delivery = PrinterService::delivery(*jobs, g_newestJobBefore, queueAccepts(queue));
    if (delivery == Delivery::Refused)
        showError(tr("Printeren tog ikke imod udskriften. Se efter, at printeren er klar, og prøv igen."));
    else if (delivery == Delivery::NeverSent)
        showError(tr("Udskriften blev ikke sendt til printeren. Prøv igen."));
    return delivery == Delivery::Taken;
}

PrinterService::Delivery PrinterService::delivery(const QList<QueueJob> &jobs, int newestBefore, bool queueAccepts)
{
    const QueueJob *job = nullptr;
    for (const QueueJob &j : jobs) {
        if (j.id > newestBefore && (!job || j.id > job->id))
            job = &j;
    }
    if (job)
        return job->failed ? Delivery::Refused : Delivery::Taken;
    // a queue that refuses jobs makes none; one that takes them got none
    return queueAccepts ? Delivery::NeverSent : Delivery::Refused;
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
