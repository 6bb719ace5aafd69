// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

#include <QPointer>

class QWidget;
class TfmAbout;
class TfmIndstil;
class TfmStatistik;

// The settings, about and statistics windows of the run. Each is made when
// first opened, not at start-up, and kept for the run: the settings keep
// their choice and their page from one opening to the next. They are Qt
// children of the board window, and go with it.
class RunWindows
{
public:
    explicit RunWindows(QWidget *owner);

    TfmIndstil &indstil();
    TfmAbout &about();
    TfmStatistik &statistik();
    // Settings never opened still hold their first choice.
    TDistanceMeasure distanceMeasure() const;

private:
    QWidget *m_owner;
    QPointer<TfmIndstil> m_indstil;
    QPointer<TfmAbout> m_about;
    QPointer<TfmStatistik> m_statistik;
};
