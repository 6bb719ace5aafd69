// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "BoardAccessible.h"
#include "BoardGrid.h"

#include <QPointer>

namespace {

constexpr int PointCount = LatticeSize * LatticeSize;

// One lattice point; children are numbered row by row from the top left.
class PointAccessible : public QAccessibleInterface
{
public:
    PointAccessible(BoardGrid *grid, int index)
        : m_grid(grid)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_grid; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_grid); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = m_grid && m_grid->hasFocus() && m_grid->currentIndex() == m_index;
        return state;
    }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!m_grid)
            return {};
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // one of its own, which a browser's grid refers to its points by
        if (t == QAccessible::Identifier)
            return QStringLiteral("punkt-%1-%2").arg(column()).arg(flipRow(row()));
#endif
        if (t != QAccessible::Name)
            return {};
        return m_grid->pointDescription(column(), flipRow(row()));
    }

    QRect rect() const override
    {
        if (!m_grid)
            return {};
        const QRect cell = BoardGrid::cellRect(column(), row());
        return QRect(m_grid->mapToGlobal(cell.topLeft()), cell.size());
    }

private:
    int column() const { return m_index % LatticeSize; }
    int row() const { return m_index / LatticeSize; }

    QPointer<BoardGrid> m_grid;
    int m_index;
};

} // namespace

BoardAccessible::BoardAccessible(BoardGrid *grid)
    : QAccessibleWidget(grid, QAccessible::Grouping)
{
}

BoardAccessible::~BoardAccessible()
{
    for (QAccessible::Id id : m_children)
        QAccessible::deleteAccessibleInterface(id);
}

BoardGrid *BoardAccessible::grid() const
{
    return static_cast<BoardGrid *>(widget());
}

int BoardAccessible::childCount() const
{
    return PointCount;
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    if (index < 0 || index >= PointCount)
        return nullptr;
    if (m_children.empty()) {
        m_children.reserve(PointCount);
        for (int i = 0; i < PointCount; ++i)
            m_children.push_back(QAccessible::registerAccessibleInterface(new PointAccessible(grid(), i)));
    }
    return QAccessible::accessibleInterface(m_children[index]);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < int(m_children.size()); ++i) {
        if (QAccessible::accessibleInterface(m_children[i]) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const
{
    const auto point = BoardGrid::pointAt(grid()->mapFromGlobal(QPoint(x, y)));
    if (!point)
        return nullptr;
    return child(BoardGrid::pointIndex(*point));
}

QAccessibleInterface *BoardAccessible::focusChild() const
{
    return grid()->hasFocus() ? child(grid()->currentIndex()) : nullptr;
}

QAccessibleInterface *BoardAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("BoardGrid") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardGrid *>(object));
    return nullptr;
}

QAccessibleInterface *BoardAccessible::panelFactory(const QString &className, QObject *object)
{
    // Qt calls a plain frame a frame, and Orca takes a frame for a window of
    // its own that is never active: what is inside would go unspoken.
    if (className == QLatin1String("QFrame") && object && object->isWidgetType()
        && !static_cast<QWidget *>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    return nullptr;
}
