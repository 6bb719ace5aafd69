// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

#include <QWidget>

// The yellow arrow that tells which axis to choose next.
class ArrowPrompt : public QWidget
{
    Q_OBJECT
public:
    explicit ArrowPrompt(QWidget *parent = nullptr);
    char16_t caption() const { return m_caption; }
    void setCaption(char16_t caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    char16_t m_caption = ArrowExpectX;
};
