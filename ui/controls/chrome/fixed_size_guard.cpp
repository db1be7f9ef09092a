// Keeps windows of a fixed size from being maximised.
#include "ui/controls/chrome/fixed_size_guard.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// The fixed size a window had before it was let grow.
const char kFixedSize[] = "kelvoraFixedSize";
const char kWatched[] = "kelvoraFixedSizeWatched";

bool IsFixed(const QWidget *window)
{
    return window->minimumSize() == window->maximumSize();
}

} // namespace

FixedSizeGuard::FixedSizeGuard(QObject *parent)
    : QObject(parent)
{ }

void FixedSizeGuard::Watch(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    // A window whose flags change gets a new handle: that one is watched too.
    if (!handle || window->property(kWatched).value<QObject *>() == handle)
        return;
    window->setProperty(kWatched, QVariant::fromValue<QObject *>(handle));
    // The signal comes in the same call that sends the request, before the compositor answers:
    // the window can still take the size it will be given.
    QPointer<QWidget> guarded(window);
    connect(handle, &QWindow::windowStateChanged, window, [guarded](Qt::WindowState) {
        if (!guarded || !(guarded->windowHandle()->windowStates() & Qt::WindowMaximized)
            || guarded->property(kFixedSize).isValid() || !IsFixed(guarded))
            return;
        guarded->setProperty(kFixedSize, guarded->maximumSize());
        guarded->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    });
}

void FixedSizeGuard::Release(QWidget *window)
{
    const QSize fixed = window->property(kFixedSize).toSize();
    window->setProperty(kFixedSize, QVariant());
    window->setFixedSize(fixed);
}

bool FixedSizeGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *window = static_cast<QWidget *>(watched);
    if (!window->isWindow())
        return false;
    switch (event->type()) {
    case QEvent::Show:
        Watch(window);
        break;
    case QEvent::WindowStateChange:
        // Asked before the window exists on screen: no request has gone out yet.
        if (!window->windowHandle() && (window->windowState() & Qt::WindowMaximized)
            && IsFixed(window))
            window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
        break;
    case QEvent::Resize:
        if (!window->property(kFixedSize).isValid())
            break;
        if (!(window->windowState() & Qt::WindowMaximized)) {
            // Back from the compositor's size: fixed again only now, so that no frame of the old
            // size answers the maximised state.
            Release(window);
        } else if (window->size() != window->property(kFixedSize).toSize()) {
            // The compositor's size is taken first, then the state is given back.
            QPointer<QWidget> guarded(window);
            QTimer::singleShot(0, window, [guarded] {
                if (guarded)
                    guarded->setWindowState(guarded->windowState() & ~Qt::WindowMaximized);
            });
        }
        break;
    default:
        break;
    }
    return false;
}

void GuardFixedSizeWindows()
{
    static QPointer<FixedSizeGuard> guard;
    if (guard)
        return;
    guard = new FixedSizeGuard(qApp);
    qApp->installEventFilter(guard);
}
