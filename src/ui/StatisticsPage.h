// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskPage.h"

#include <QStringList>

// The printed statistics: a title and the report's lines. The print position
// is kept from one printout to the next, for the whole run.
class StatisticsPage
{
public:
    // pageWidth: the physical page width in printer pixels; resolution: the
    // printer's pixels per inch.
    QList<TaskPage::PrintedText> paintPage(QPainter &painter, int pageWidth, int resolution, const QString &title,
                                       const QStringList &report);

    int PrintLeft = 0;
    int PrintTop = 0;
    int LineHeight = 0;

private:
    void PrintLine(QPainter &painter, const QString &text, int size, bool underlined, int resolution);
    void NewLine(int height);

    QList<TaskPage::PrintedText> m_printed;
};
