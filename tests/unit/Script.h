// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskEngine.h"

#include <QString>
#include <QStringList>

// Drives the rules from a line of words, so that test tables stay readable:
//   start  lav  indstil  loes   the tool buttons and "Løs opgaven"
//   x3  y5                      the coordinate buttons
//   L3,5  R3,5  M3,5            a mouse button released over lattice point (3, 5)
inline void runScript(TaskEngine &engine, const QString &script)
{
    const QStringList words = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (word == QLatin1String("start"))
            engine.bbStartClick();
        else if (word == QLatin1String("lav"))
            engine.bbLavOpgaveClick();
        else if (word == QLatin1String("indstil"))
            engine.bbIndstilClick();
        else if (word == QLatin1String("loes"))
            engine.btLoesClick();
        else if (word.startsWith(QLatin1Char('x')))
            engine.btX0Click(word.mid(1).toInt());
        else if (word.startsWith(QLatin1Char('y')))
            engine.btY0Click(word.mid(1).toInt());
        else {
            const QStringList xy = word.mid(1).split(QLatin1Char(','));
            const int x = xy.value(0).toInt();
            const int y = xy.value(1).toInt();
            const auto button = word.startsWith(QLatin1Char('L')) ? TaskEngine::MouseButton::Left
                : word.startsWith(QLatin1Char('R'))               ? TaskEngine::MouseButton::Right
                                                                  : TaskEngine::MouseButton::Middle;
            engine.sgNetMouseUp(button, x * 30 + 15, (10 - y) * 30 + 15);
        }
    }
}
