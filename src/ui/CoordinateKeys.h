// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "Lattice.h"

#include <QObject>

#include <array>

class QPushButton;

// The coordinate buttons for a keyboard player: focus follows the arrow
// prompt, and the arrow keys walk the x row and the y column by place
// (Left/Right in the x row, Up/Down in the y column, stopping at the ends).
class CoordinateKeys : public QObject
{
public:
    using Buttons = std::array<QPushButton *, LatticeSize>;
    CoordinateKeys(const Buttons &x, const Buttons &y, QObject *parent);

    // The prompt asks for an x (or a y): focus to that axis's button of this value.
    void expectX(int value);
    void expectY(int value);
    // Disabled buttons give their keyboard focus to the fallback.
    void setEnabled(bool enabled, QWidget *fallback);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool holdFocus() const;

    const Buttons m_x;
    const Buttons m_y;
};
