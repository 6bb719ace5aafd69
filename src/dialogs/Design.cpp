// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Design.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>

// The windows and printouts name the fonts of the system they were designed
// on. Map them to the metric-compatible Liberation fonts, so texts keep their
// widths.
static void useFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("System"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
}
Q_COREAPP_STARTUP_FUNCTION(useFontSubstitutes)

namespace Design {

QFont font(const QString &family, int pixelSize, bool bold)
{
    // The stand-in asked for first: a family that is not installed sends Qt
    // through fontconfig's fallbacks, a millisecond or more a family.
    QFont font;
    font.setFamilies(QFont::substitutes(family).mid(0, 1) << family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont typewriterFont(int pixelSize)
{
    QFont typewriter = font(QStringLiteral("Courier New"), pixelSize);
    typewriter.setStyleHint(QFont::TypeWriter);
    return typewriter;
}

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

} // namespace Design
