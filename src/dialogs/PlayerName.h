// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The player's name for the run, exactly as typed; empty at start.
const QString &PlayerName();
// Asks for the name; true on OK (the name then holds what the box held).
bool AskPlayerName();
