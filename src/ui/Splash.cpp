// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Splash.h"
#include "WindowPlacement.h"

#include <QKeyEvent>
#include <QPainter>

TfmSplash::TfmSplash(const QPixmap &picture, QWidget *owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(picture)
{
    setObjectName(QStringLiteral("fmSplash"));
    setWindowTitle(QStringLiteral("fmSplash"));
    setAccessibleName(tr("Gitterspor"));
    // a coarse timer may fire up to 5 % early; the splash stays its 3 s
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(3000);
    connect(&Timer1, &QTimer::timeout, this, &TfmSplash::Timer1Timer);
    Timer1.start();
}

void TfmSplash::Timer1Timer()
{
    Timer1.stop();
    hide();
}

void TfmSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void TfmSplash::mouseReleaseEvent(QMouseEvent *)
{
    Timer1Timer();
}

void TfmSplash::keyPressEvent(QKeyEvent *event)
{
    // only keys that produce a character
    if (!event->text().isEmpty() && event->text().at(0).isPrint())
        Timer1Timer();
}

TfmSplash *ShowSplash(const QPixmap &picture, QWidget *owner)
{
    auto *splash = new TfmSplash(picture, owner);
    splash->resize(picture.deviceIndependentSize().toSize());
    WindowPlacement::centreOnScreen(splash);
    splash->show();
    return splash;
}
