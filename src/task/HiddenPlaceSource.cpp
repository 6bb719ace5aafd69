// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "HiddenPlaceSource.h"
#include "TaskState.h"

#include <QTime>

std::pair<int, int> RandomHiddenPlace::nextPlace()
{
    m_generator.seed(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
    std::uniform_int_distribution<int> coordinate(0, LatticeMax);
    const int x = coordinate(m_generator);
    const int y = coordinate(m_generator);
    return {x, y};
}
