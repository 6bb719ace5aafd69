// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

#include <QTimer>
#include <QWidget>

// The yellow arrow that tells which axis to choose next. It blinks when it
// asks: shown for a second, dark for a tenth, three times, then steady.
class ArrowPrompt : public QWidget
{
    Q_OBJECT
public:
    explicit ArrowPrompt(QWidget *parent = nullptr);
    char16_t caption() const { return m_caption; }
    void setCaption(char16_t caption);

    // Shown with this caption, blinking from the start.
    void startBlinking(char16_t caption);
    // A new caption, blinking from the start; shown or dark as the blinking has it.
    void switchTo(char16_t caption);
    void stopBlinking();

    QTimer tiArrow;
    int ArrowTicks = 0;
    void tiArrowTimer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void restartBlinking();

    char16_t m_caption = ArrowExpectX;
};
