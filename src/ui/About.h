// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Om Gitterspor": the program's name, icon, version and publisher.
class TfmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TfmAbout(QWidget *parent = nullptr);

    QPushButton *OKButton = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};
