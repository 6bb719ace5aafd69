// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QObject;

class QPainter;

// The page a printout is painted on, in the device's pixels.
struct PrintPage {
    int paperWidth = 0;
    int resolution = 0; // pixels per inch
};

// One printout from the first look at the printer to the end of the
// document, the same for every printout of the program: the printer is
// looked at, the player's name asked for, the document begun, painted and
// ended. A printer that fails ends the job with the standard error report.
class PrintJob
{
public:
    // Asks the name, and tells answered whether the player went on (false
    // when they cancelled).
    using AskName = std::function<void(const QObject *receiver, std::function<void(bool)> answered)>;
    // The document's title, once the name is known.
    using Title = std::function<QString()>;
    using Paint = std::function<void(QPainter &, const PrintPage &)>;

    // The printout is made once the name is given, which may be after this
    // returns; nothing is made when receiver is gone by then.
    static void run(const QObject *receiver, const AskName &askName, Title title, Paint paint);
};
