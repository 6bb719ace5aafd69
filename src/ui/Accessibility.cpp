// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Accessibility.h"
#include "Announcer.h"
#include "BoardAccessible.h"
#include "GuessLogAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

// To a screen reader the board window is the program's window, as a main
// window is, not a filler: Orca finds the active window among the frames.
QAccessibleInterface *windowFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TfmBraet") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

// A window activated before the accessibility bridge came up has its
// activation and its focus told to nobody, and the screen reader would stay
// silent until the user switched windows. When the bridge comes up, both
// are told again.
class ActivationTeller : public QAccessible::ActivationObserver
{
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (active)
            QTimer::singleShot(0, qApp, &ActivationTeller::tell);
    }

private:
    static void tell()
    {
        QWidget *window = QApplication::activeWindow();
        if (!window || !QAccessible::isActive())
            return;
        // what Qt tells at an activation: the window's active state changed
        QAccessible::State active;
        active.active = true;
        QAccessibleStateChangeEvent activated(window, active);
        QAccessible::updateAccessibility(&activated);
        if (QWidget *focus = QApplication::focusWidget()) {
            QAccessibleEvent focused(focus, QAccessible::Focus);
            QAccessible::updateAccessibility(&focused);
        }
    }
};

} // namespace

namespace Accessibility {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(BoardAccessible::factory);
        QAccessible::installFactory(BoardAccessible::panelFactory);
        QAccessible::installFactory(GuessLogAccessible::factory);
        QAccessible::installFactory(Announcer::factory);
        QAccessible::installFactory(windowFactory);
        static ActivationTeller teller;
        QAccessible::installActivationObserver(&teller);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace Accessibility
