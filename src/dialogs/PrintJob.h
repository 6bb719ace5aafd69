// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

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
    // Asks the name; false when the player cancels.
    using AskName = std::function<bool()>;
    // The document's title, once the name is known.
    using Title = std::function<QString()>;
    using Paint = std::function<void(QPainter &, const PrintPage &)>;

    // True when the document went to the printer whole.
    static bool run(const AskName &askName, const Title &title, const Paint &paint);
};
