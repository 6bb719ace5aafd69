// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "RunWindows.h"
#include "About.h"
#include "Indstil.h"
#include "Visstat.h"

RunWindows::RunWindows(QWidget *owner)
    : m_owner(owner)
{
}

TfmIndstil &RunWindows::indstil()
{
    if (!m_indstil)
        m_indstil = new TfmIndstil(m_owner);
    return *m_indstil;
}

TfmAbout &RunWindows::about()
{
    if (!m_about)
        m_about = new TfmAbout(m_owner);
    return *m_about;
}

TfmStatistik &RunWindows::statistik()
{
    if (!m_statistik) {
        m_statistik = new TfmStatistik(m_owner);
        m_statistik->GameName = QObject::tr("Gitterspor");
    }
    return *m_statistik;
}

TDistanceMeasure RunWindows::distanceMeasure() const
{
    return m_indstil ? m_indstil->distanceMeasure() : TfmIndstil::FirstMeasure;
}
