// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace WindowPlacement {

namespace {

// The window manager's frame as last seen around a decorated window. Before
// a window is first shown its own frame is unknown; the last one seen is the
// best guess, so that a dialog opens where it belongs instead of jumping.
QMargins g_lastFrame;

bool hasFrame(const QWidget *window)
{
    return !(window->windowFlags() & Qt::FramelessWindowHint) && window->windowType() != Qt::SplashScreen;
}

// Known once the window manager has framed the shown window.
bool ownFrameKnown(const QWidget *window)
{
    return window->isVisible() && window->windowHandle() && !window->windowHandle()->frameMargins().isNull();
}

QMargins frameOf(const QWidget *window)
{
    if (!hasFrame(window))
        return {};
    if (ownFrameKnown(window))
        g_lastFrame = window->windowHandle()->frameMargins();
    return g_lastFrame;
}

void centre(QWidget *window, const QMargins &frame)
{
    const QRect screen = screenArea(window);
    const QSize outer = window->size().grownBy(frame);
    // a top-level window's position is that of its frame
    window->move(screen.x() + screen.width() / 2 - outer.width() / 2,
                 screen.y() + screen.height() / 2 - outer.height() / 2);
}

// Centres the window once more when its real frame turns out to differ from
// the guess it was centred by, then goes. It acts during the first showing
// only, until the window is first activated, so that it never moves a window
// the user has moved.
class FrameWatcher : public QObject
{
public:
    FrameWatcher(QWidget *window, const QMargins &assumed)
        : QObject(window)
        , m_window(window)
        , m_assumed(assumed)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show: // some platforms know the frame from the start
        case QEvent::Move:
        case QEvent::Resize:
            if (ownFrameKnown(m_window))
                recentreAndGo();
            break;
        case QEvent::WindowActivate: // no frame by now: none will come in time
            recentreAndGo();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void recentreAndGo()
    {
        m_window->removeEventFilter(this);
        if (ownFrameKnown(m_window)) {
            const QMargins frame = frameOf(m_window);
            if (frame != m_assumed && m_window->windowState() == Qt::WindowNoState)
                centre(m_window, frame);
        }
        deleteLater();
    }

    QWidget *m_window;
    QMargins m_assumed;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    const QMargins frame = frameOf(window);
    centre(window, frame);
    if (hasFrame(window) && !ownFrameKnown(window))
        new FrameWatcher(window, frame);
}

void noteFrame(const QWidget *window)
{
    frameOf(window);
}

QRect screenArea(const QWidget *window, bool available)
{
    const QScreen *screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(0, 0, 640, 480);
    return available ? screen->availableGeometry() : screen->geometry();
}

} // namespace WindowPlacement
