// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

#include <vector>

class BoardGrid;

// The board for screen readers: 121 children, one a lattice point, each
// named after what stands on it.
class BoardAccessible : public QAccessibleWidget
{
public:
    explicit BoardAccessible(BoardGrid *grid);
    ~BoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    static QAccessibleInterface *factory(const QString &className, QObject *object);
    // The board's and the tool bar's panels as panels, not as frames.
    static QAccessibleInterface *panelFactory(const QString &className, QObject *object);

private:
    BoardGrid *grid() const;
    mutable std::vector<QAccessible::Id> m_children;
};
