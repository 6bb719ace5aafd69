// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// A browser has no print queue the page can reach: a printout is drawn as a
// PDF of A4 pages and handed to the child by the page (Page::handOver), to
// be opened and printed from there. The pages are the desktop's,
// drawn by the same painters at the resolution of a desktop printer.
#include "PrinterService.h"
#include "MessageDlg.h"
#include "Page.h"
#include "PrintJob.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <memory>

namespace {

constexpr int Resolution = 1200;
// what a printer cannot print on anyway, so that the browser's "actual size"
// loses nothing
const QMarginsF Margins(6, 6, 6, 6); // mm

struct Document {
    QString title;
    QBuffer bytes;
    std::unique_ptr<QPdfWriter> writer;
};

std::unique_ptr<Document> g_document;
QString g_testFile;

// "Gitterspor (Bo)" becomes "Gitterspor (Bo).pdf"; what a file name may not
// hold on any system goes.
QString fileName(const QString &title)
{
    QString name = title;
    name.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")));
    return (name.trimmed().isEmpty() ? QStringLiteral("Gitterspor") : name.trimmed()) + QStringLiteral(".pdf");
}

} // namespace

bool PrinterService::hasSetup()
{
    return false;
}

bool PrinterService::setup(QWidget *)
{
    return false;
}

bool PrinterService::checkAvailable()
{
    return true;
}

bool PrinterService::beginDocument(QPainter &painter, const QString &title)
{
    g_document = std::make_unique<Document>();
    g_document->title = title;
    g_document->bytes.open(QIODevice::WriteOnly);
    g_document->writer = std::make_unique<QPdfWriter>(&g_document->bytes);
    QPdfWriter &pdf = *g_document->writer;
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Gitterspor"));
    pdf.setResolution(Resolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, Margins, QPageLayout::Millimeter));
    if (painter.begin(&pdf))
        return true;
    g_document.reset();
    showError(tr("Printeren kunne ikke begynde udskriften."));
    return false;
}

PrintPage PrinterService::page()
{
    const QPdfWriter &pdf = *g_document->writer;
    return {pdf.pageLayout().fullRectPixels(pdf.resolution()).width(), pdf.resolution()};
}

bool PrinterService::endDocument(QPainter &painter)
{
    const std::unique_ptr<Document> document = std::move(g_document);
    const bool ended = painter.end();
    const QByteArray pdf = document->bytes.data();
    bool delivered = ended && !pdf.isEmpty();
    if (delivered && !g_testFile.isEmpty()) {
        QFile file(g_testFile);
        delivered = file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
    } else if (delivered) {
        delivered = Page::handOver(pdf, fileName(document->title), QStringLiteral("application/pdf"));
    }
    if (!delivered)
        showError(tr("Udskriften kunne ikke laves. Prøv igen."));
    return delivered;
}

void PrinterService::useFileForTesting(const QString &pdfPath)
{
    g_testFile = pdfPath;
}

void PrinterService::reset()
{
    g_document.reset();
    g_testFile.clear();
}
