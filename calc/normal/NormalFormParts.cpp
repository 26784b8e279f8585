#include "calc/normal/NormalFormParts.h"

#include "common/ui/FormRegistry.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace normalparts {

namespace {

class LabelClick : public QObject {
public:
    LabelClick(QLabel* label, std::function<void()> action) : QObject(label), action_(std::move(action)) {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            action_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

} // namespace

QLineEdit* hiddenField(QWidget* parent, const QString& name) {
    QLineEdit* field = ui::makeEdit(parent, name);
    field->hide();
    return field;
}

ui::Cell literalButton(const char* name, const QString& caption) {
    ui::Cell cell = ui::button(QString::fromLatin1(name), 0);
    cell.text = caption;
    return cell;
}

void onLabelClick(QLabel* label, std::function<void()> action) {
    new LabelClick(label, std::move(action));
}

void SheetWriter::put(int box, const QString& text) const {
    FormRegistry::writeText(sheet_, QStringLiteral("Text1_%1").arg(box), text);
}

void SheetWriter::put(std::initializer_list<int> boxes, const QString& text) const {
    for (int box : boxes)
        put(box, text);
}

void SheetWriter::show() const {
    FormRegistry::show(sheet_);
}

} // namespace normalparts
