// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "StatisticsPage.h"

#include <QDialog>
#include <QStringList>

class QFrame;
class QPainter;
class QPlainTextEdit;
class QPushButton;

// "Spil statistik": the report of the run, and its printout.
class TfmStatistik : public QDialog
{
    Q_OBJECT
public:
    explicit TfmStatistik(QWidget *parent = nullptr);

    void setReport(const QStringList &lines);

    QString GameName;
    QFrame *Panel1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *bbClose = nullptr;
    QPlainTextEdit *meStat = nullptr;

    // The printout's page, with its print position kept for the run.
    StatisticsPage &printPage() { return m_page; }

    QString printTitle() const;
    // Draws the printout on a page of this physical width, at this vertical
    // resolution; what BitBtn1Click sends to the printer.
    QList<TaskPage::PrintedText> printReport(QPainter &painter, int pageWidth, int resolution);

    void reject() override;

public slots:
    void BitBtn1Click();
    void bbCloseClick();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormShow();
    void createMemo();
    StatisticsPage m_page;
    QStringList m_lines;
    bool m_shownBefore = false;
};
