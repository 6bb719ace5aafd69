// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// "Skriv dit navn": asks for the player's name before a printout.
class TfmBrugerNavn : public QDialog
{
    Q_OBJECT
public:
    explicit TfmBrugerNavn(QWidget *parent = nullptr);

    QLineEdit *edNavn = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

    void reject() override;

protected:
    bool event(QEvent *event) override;

private:
    void FormActivate();

    QLabel *Label1 = nullptr;
};

// The player's name for the run, exactly as typed; empty at start.
const QString &PlayerName();
// Asks for the name; answered is told true on OK (the name then holds what
// the box held), unless receiver is gone by then.
void AskPlayerName(const QObject *receiver, std::function<void(bool ok)> answered);
