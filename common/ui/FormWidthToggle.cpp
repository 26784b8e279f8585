#include "common/ui/FormWidthToggle.h"

#include "common/ui/FormBuilder.h"

#include <QEvent>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <algorithm>

namespace ui {
namespace {

class WidthToggle : public QObject {
public:
    WidthToggle(QWidget* window, int widthTwips, QWidget* revealed)
        : QObject(window), window_(window), width_(twips(widthTwips)), revealed_(revealed) {
        if (revealed_)
            revealed_->hide();
    }

    void watch(QWidget* trigger) {
        trigger->setMouseTracking(true);
        trigger->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            widen();
        return false;
    }

private:
    void widen() {
        if (revealed_ && !revealed_->isVisible())
            revealed_->show();
        // Laid-out contents may need more than the fixed width in a large font; they win.
        const QSize least = window_->minimumSizeHint();
        window_->resize(std::max(width_, least.width()), std::max(window_->height(), least.height()));
    }

    QWidget* window_;
    int width_;
    QPointer<QWidget> revealed_;
};

} // namespace

void attachFormWidthToggle(QWidget* window, const QList<QWidget*>& triggers, int widthTwips,
                           QWidget* revealed) {
    auto* toggle = new WidthToggle(window, widthTwips, revealed);
    for (QWidget* trigger : triggers)
        toggle->watch(trigger);
}

} // namespace ui
