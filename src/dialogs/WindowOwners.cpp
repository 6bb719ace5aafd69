// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "WindowOwners.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace WindowOwners {

namespace {

QPointer<QWidget> g_mainWindow;

// Gives a dialog its owner as it is shown: its window exists by then and is
// not yet on the screen. Made any earlier, the window would take a move for
// the place of its client area rather than of its frame.
class OwnerAtShow : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = static_cast<QWidget *>(watched);
        if (event->type() != QEvent::Show || !dialog->windowHandle())
            return false;
        QWidget *owner = QApplication::activeWindow();
        if (!owner || owner == dialog)
            owner = QApplication::activeModalWidget();
        if (!owner || owner == dialog)
            owner = g_mainWindow;
        if (owner && owner != dialog && owner->windowHandle())
            dialog->windowHandle()->setTransientParent(owner->windowHandle());
        return false;
    }
};

} // namespace

void setMainWindow(QWidget *window)
{
    g_mainWindow = window;
}

void setOwner(QWidget *dialog)
{
    dialog->installEventFilter(new OwnerAtShow(dialog));
}

} // namespace WindowOwners
