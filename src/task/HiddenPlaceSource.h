// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <random>
#include <utility>

// Where a computer task gets its hidden place from. The game draws it at
// random; tests hand in places of their own.
class HiddenPlaceSource
{
public:
    virtual ~HiddenPlaceSource() = default;
    // The x is drawn first, then the y.
    virtual std::pair<int, int> nextPlace() = 0;
};

class RandomHiddenPlace : public HiddenPlaceSource
{
public:
    // Re-seeded from the time of day, to the millisecond, for every task.
    std::pair<int, int> nextPlace() override;

private:
    std::mt19937 m_generator;
};
