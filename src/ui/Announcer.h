// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QAccessibleInterface;

// Says a text to screen readers without moving focus. From Qt 6.8 it is an
// announcement, which Qt passes on to UI Automation (Narrator) and AT-SPI
// (Orca). Before, Qt had none of its own: an unseen notification inside an
// unseen status bar is what Orca reads out from anywhere, without a role
// word before it.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &text);
    QString lastAnnouncement() const;

    static QAccessibleInterface *factory(const QString &className, QObject *object);

private:
    QWidget *m_message;
    bool m_pending = false;
};
