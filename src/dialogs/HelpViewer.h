// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The program's help: HTML shipped inside the program, shown in a window of
// its own with back, forward and a contents link. A help file name is looked
// up the way the program names it at start-up ("GITTERSP.HLP").
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    static void setHelpFile(const QString &name);
    // Both return false, after one error message, when the help file name
    // resolves to nothing.
    static bool showContents();
    static bool showContext(int context);
    // The open viewer, or nullptr.
    static HelpViewer *instance();

    QTextBrowser *browser() const { return m_browser; }

private:
    explicit HelpViewer(const QUrl &source);
    static bool open(const QString &anchor);

    QTextBrowser *m_browser = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
};
