#include "cad/host/ScreenPlacement.h"

#include "common/ui/PaletteShape.h"

#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace host {

namespace {

QMargins reportedFrame(const QWidget* w) {
    return w && w->windowHandle() ? w->windowHandle()->frameMargins() : QMargins();
}

// The window a dialog belongs to, while it is on the screen.
const QWidget* visibleOwner(const QWidget* w) {
    const QWidget* owner = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    return owner && owner->isVisible() ? owner : nullptr;
}

// A window's frame as the window system draws it. Before the window manager has framed a new
// window the window system reports none, though a title bar will sit above the window; the
// frame of the visible window it belongs to is the best guess, as one window manager draws
// both, else a title bar taller than the common window managers draw: 40 px, or three lines
// of a large desktop font.
QMargins frameOf(const QWidget* w) {
    const QMargins own = reportedFrame(w);
    if (!own.isNull() || (w->windowFlags() & Qt::FramelessWindowHint))
        return own;
    const QMargins owners = reportedFrame(visibleOwner(w));
    if (!owners.isNull())
        return owners;
    const int title = std::max(40, w->fontMetrics().lineSpacing() * 3);
    return {4, title, 4, 4};
}

QPoint clampedFrameOrigin(QRect frame, const QRect& area) {
    if (frame.right() > area.right())
        frame.moveRight(area.right());
    if (frame.bottom() > area.bottom())
        frame.moveBottom(area.bottom());
    if (frame.left() < area.left())
        frame.moveLeft(area.left());
    if (frame.top() < area.top())
        frame.moveTop(area.top());
    return frame.topLeft();
}

// Shrinks the window where its frame would not fit into the area, then centres the frame on
// the given point, or comes as near as the area allows. A window that exists in the window
// system is moved by its client area, which the window manager then frames; the offset Qt
// already knows between the two is taken off again, as Qt adds it back.
void fitInto(QWidget* window, const QRect& area, QPoint frameCentre) {
    const QMargins frame = frameOf(window);
    window->resize(window->size().boundedTo(area.size().shrunkBy(frame)));
    QRect outer(QPoint(), window->size().grownBy(frame));
    outer.moveCenter(frameCentre);
    const QPoint origin = clampedFrameOrigin(outer, area);
    if (window->testAttribute(Qt::WA_WState_Created))
        window->move(origin + QPoint(frame.left(), frame.top()) -
                     (window->geometry().topLeft() - window->pos()));
    else
        window->move(origin);
}

class PaletteClearance : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            // Centred on the window it belongs to, as dialogs open, but below the palette.
            auto* dialog = static_cast<QWidget*>(watched);
            const QRect area = paletteFreeArea(dialog->screen());
            const QWidget* owner = visibleOwner(dialog);
            fitInto(dialog, area, owner ? owner->frameGeometry().center() : area.center());
        }
        return false;
    }
};

// Window managers stack a dialog together with the window it belongs to, so a dialog above
// other windows while its window is not stays under Helidraw's windows (openbox does so); the
// window it belongs to stays above other windows too while one of its dialogs is shown.
class FrontOnShow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show) {
            keepOwnerAbove(dialog, +1);
            // The window manager stacks a window when it maps it, after this event.
            QTimer::singleShot(0, dialog, [dialog] { bringForward(dialog); });
        } else if (event->type() == QEvent::Hide) {
            keepOwnerAbove(dialog, -1);
        }
        return false;
    }

private:
    static void keepOwnerAbove(QWidget* dialog, int change) {
        QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
        if (!owner || !owner->windowHandle() || owner->windowFlags() & Qt::WindowStaysOnTopHint)
            return;
        const char* const kShown = "dialogsShownInFront";
        const int shown = std::max(0, owner->property(kShown).toInt() + change);
        owner->setProperty(kShown, shown);
        // The window itself, without the widget, so that the window stays where it is.
        owner->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, shown > 0);
    }
};

} // namespace

QRect paletteFreeArea(const QScreen* screen) {
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect area = available.adjusted(0, paletteshape::outerHeight(), 0, 0);
    // At a fractional scale the window system rounds every edge to whole device pixels, each
    // way, so that a frame that fits exactly can reach a pixel into the palette or off the
    // screen; a pixel kept free on each side takes the rounding.
    const qreal scale = screen ? screen->devicePixelRatio() : 1;
    return scale == std::floor(scale) ? area : area.adjusted(1, 1, -1, -1);
}

void placeWindow(QWidget* window, const QSize& preferred) {
    const QRect area = paletteFreeArea(window->screen());
    window->resize(preferred);
    fitInto(window, area, area.center());
}

void keepClearOfPalette(QDialog* dialog) {
    dialog->installEventFilter(new PaletteClearance(dialog));
}

void keepInFront(QDialog* dialog) {
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog->installEventFilter(new FrontOnShow(dialog));
}

void bringForward(QWidget* window) {
    if (!window || !window->isVisible())
        return;
    window->raise();
    window->activateWindow();
}

} // namespace host
