// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class GuessLogPad;

// The notepad for screen readers: its lines as text, the measure's title
// first and then one line per guess, in the order shown.
class GuessLogAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit GuessLogAccessible(GuessLogPad *pad);

    void *interface_cast(QAccessible::InterfaceType type) override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }

    // Read-only text without a caret or a selection.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override;

    static QAccessibleInterface *factory(const QString &className, QObject *object);

private:
    QString all() const;
};
