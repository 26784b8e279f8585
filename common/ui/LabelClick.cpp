#include "common/ui/LabelClick.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace ui {
namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* label, std::function<void()> action, ClickRule rule)
        : QObject(label), action_(std::move(action)), rule_(rule) {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = static_cast<QWidget*>(watched);
        if (rule_ == ClickRule::AnyLeftRelease) {
            // The release still reaches the label.
            if (event->type() == QEvent::MouseButtonRelease &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                action_();
            return false;
        }
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
    ClickRule rule_;
    bool pressed_ = false;
};

} // namespace

void onLabelClick(QWidget* label, std::function<void()> action) {
    onLabelClick(label, std::move(action), ClickRule::PressAndReleaseInside);
}

void onLabelClick(QWidget* label, std::function<void()> action, ClickRule rule) {
    if (rule == ClickRule::PressAndReleaseInside)
        label->setCursor(Qt::PointingHandCursor);
    new ClickFilter(label, std::move(action), rule);
}

} // namespace ui
