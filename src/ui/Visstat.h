// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "TaskPage.h"

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
    QStringList report() const { return m_lines; }

    QString GameName;
    QFrame *Panel1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *bbClose = nullptr;
    QPlainTextEdit *meStat = nullptr;

    // The print position, kept from one printout to the next.
    static int PrintLeft;
    static int PrintTop;
    static int LineHeight;

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
    void PrintLine(QPainter &painter, const QString &text, int size, bool underlined, int resolution);
    QList<TaskPage::PrintedText> m_printed;
    void NewLine(int height);

    QStringList m_lines;
    bool m_shownBefore = false;
};
