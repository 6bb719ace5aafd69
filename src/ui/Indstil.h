// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskState.h"

#include <QDialog>
#include <QFrame>

class QButtonGroup;
class QPushButton;
class QRadioButton;
class QTabWidget;

// A frame of radio buttons with exactly one item selected.
class RadioGroup : public QFrame
{
    Q_OBJECT
public:
    RadioGroup(const QStringList &items, QWidget *parent = nullptr);
    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton *item(int index) const;

private:
    QButtonGroup *m_group;
};

// "Indstillinger": the distance measure and the printer set-up. Its radio
// group is the program's one store of the distance measure.
class TfmIndstil : public QDialog
{
    Q_OBJECT
public:
    explicit TfmIndstil(QWidget *parent = nullptr);

    // The choice when the dialog is made.
    static constexpr TDistanceMeasure FirstMeasure = dmTaxi;
    TDistanceMeasure distanceMeasure() const;

    QTabWidget *TabbedNotebook1 = nullptr;
    RadioGroup *rgAfstand = nullptr;
    QPushButton *bbPrinterSetup = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

    void reject() override;

public slots:
    void bbPrinterSetupClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_shownBefore = false;
};
