// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The title picture shown for a few seconds at start-up.
class TfmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TfmSplash(const QPixmap &picture, QWidget *owner = nullptr);

    QTimer Timer1;

public slots:
    void Timer1Timer();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
};

// Creates and shows the splash, not modally; it hides itself when done.
TfmSplash *ShowSplash(const QPixmap &picture, QWidget *owner = nullptr);
