#include "cad/host/ScreenPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

namespace host {

namespace {

// The palette is one row of buttons, each a small picture over a caption, and a 4-px strip.
int paletteBand() {
    return QFontMetrics(QApplication::font()).lineSpacing() * 2 + 40;
}

// A window's frame as the window system draws it; before the first show it is not known,
// so a title bar two lines high is assumed.
QMargins frameOf(const QWidget* w) {
    if (w->isVisible())
        return {w->geometry().left() - w->frameGeometry().left(),
                w->geometry().top() - w->frameGeometry().top(),
                w->frameGeometry().right() - w->geometry().right(),
                w->frameGeometry().bottom() - w->geometry().bottom()};
    const int title = w->fontMetrics().lineSpacing() * 2;
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

class PaletteClearance : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = static_cast<QWidget*>(watched);
            dialog->move(clampedFrameOrigin(dialog->frameGeometry(), paletteFreeArea(dialog->screen())));
        }
        return false;
    }
};

} // namespace

QRect paletteFreeArea(const QScreen* screen) {
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return available.adjusted(0, paletteBand(), 0, 0);
}

void placeWindow(QWidget* window, const QSize& preferred) {
    const QRect area = paletteFreeArea(window->screen());
    const QMargins frame = frameOf(window);
    const QSize room = area.size().shrunkBy(frame);
    window->resize(preferred.boundedTo(room));
    QRect outer(QPoint(), window->size().grownBy(frame));
    outer.moveCenter(area.center());
    window->move(clampedFrameOrigin(outer, area));
}

void keepClearOfPalette(QDialog* dialog) {
    dialog->installEventFilter(new PaletteClearance(dialog));
}

} // namespace host
