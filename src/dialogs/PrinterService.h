// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

class QPainter;
class QPrinter;
class QWidget;
struct PrintPage;

// The one printer of the run: the default print queue, or whatever the user
// chose in the printer set-up, created when first needed. In a browser the
// document becomes a PDF that the browser opens or keeps, and prints with
// its own dialog (PrinterServiceWeb.cpp).
class PrinterService
{
    Q_DECLARE_TR_FUNCTIONS(PrinterService)
public:
#ifndef Q_OS_WASM
    static QPrinter &printer();
#endif
    // Whether there is a printer set-up to offer (none in a browser).
    static bool hasSetup();
    // The printer set-up over parent; a confirmed choice becomes the printer
    // of every later printout.
    static bool setup(QWidget *parent);
    // Whether there is anything to print to. Reports the error itself when not.
    static bool checkAvailable();
    // Begins a document; reports the error itself and returns false when the
    // printer cannot start one.
    static bool beginDocument(QPainter &painter, const QString &title);
    // The page of the document begun.
    static PrintPage page();
    // Ends the document; reports the error itself and returns false when the
    // printer did not take it whole. Qt reports success for a job that the
    // print queue refused, for one it never sent, and for a file it could not
    // write: the queue's answer is looked at (PrintQueue).
    static bool endDocument(QPainter &painter);

    // Tests print to a file instead of a queue.
    static void useFileForTesting(const QString &pdfPath);
    static void reset();
};
