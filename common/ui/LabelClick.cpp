#include "common/ui/LabelClick.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace ui {
namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* label, std::function<void()> action) : QObject(label), action_(std::move(action)) {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = pressed_ && mouse->button() == Qt::LeftButton &&
                               label->rect().contains(mouse->position().toPoint());
            pressed_ = false;
            if (click)
                action_(); // may close the window that holds the label: touch nothing after it
            return click;
        }
        return false;
    }

private:
    std::function<void()> action_;
    bool pressed_ = false;
};

} // namespace

void onLabelClick(QWidget* label, std::function<void()> action) {
    label->setCursor(Qt::PointingHandCursor);
    new ClickFilter(label, std::move(action));
}

} // namespace ui
