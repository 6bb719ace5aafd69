// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QPainter;
class QPrinter;
class QWidget;

// The one printer of the run: the default print queue, or whatever the user
// chose in the printer set-up. Created when first needed.
class PrinterService
{
public:
    static QPrinter &printer();
    // Qt's print dialog over parent; a confirmed choice becomes the printer of
    // every later printout.
    static bool setup(QWidget *parent);
    // Whether there is anything to print to. Reports the error itself when not.
    static bool checkAvailable();
    // Begins a document; reports the error itself and returns false when the
    // printer cannot start one.
    static bool begin(QPainter &painter, const QString &title);
    // Ends the document; reports the error itself and returns false when the
    // printer did not take it whole. Qt reports success for a job that the
    // print queue refused, for one it never sent, and for a file it could not
    // write: the queue's answer is looked at (PrintQueue).
    static bool end(QPainter &painter);

    // Tests print to a file instead of a queue.
    static void useFileForTesting(const QString &pdfPath);
    static void reset();
};
