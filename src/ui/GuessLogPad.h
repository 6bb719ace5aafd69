// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "GuessText.h"

#include <QFont>
#include <QImage>
#include <QWidget>

class Announcer;

// The notepad beside the board, with the guess list written on it.
class GuessLogPad : public QWidget
{
    Q_OBJECT
public:
    explicit GuessLogPad(QWidget *parent = nullptr);

    // Writes the measure's title and the lines on the sheet, and tells screen
    // readers the results that are new since the last time.
    void draw(const QString &title, const QList<GuessText::LogLine> &lines);

    // The notepad picture the log is drawn on, at the widget's device pixel
    // ratio.
    const QImage &image() const { return m_image; }
    // The texts written by the last draw, with their top-left corners.
    struct LogText {
        QString text;
        QPoint at;
    };
    const QList<LogText> &texts() const { return m_texts; }
    // The same as lines of words: the title, then one line per guess.
    const QStringList &lines() const { return m_lines; }
    Announcer *announcer() const { return m_announcer; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Loads the sheet again if the ratio changed; true if it did.
    bool followRatio();

    QImage m_image;
    QFont m_font;
    QString m_title; // empty until the first draw
    QList<GuessText::LogLine> m_logLines;
    QList<LogText> m_texts;
    QStringList m_lines;
    Announcer *m_announcer;
};
