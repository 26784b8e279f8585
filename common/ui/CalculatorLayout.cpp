#include "common/ui/CalculatorLayout.h"

#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QPushButton>

namespace ui {

QBoxLayout* column(QWidget* widget) {
    return new QVBoxLayout(widget);
}

QGroupBox* addFrame(QWidget* parent, const QString& name, int captionId) {
    QGroupBox* frame = makeFrame(parent, name, captionId);
    new QVBoxLayout(frame);
    if (parent->layout())
        parent->layout()->addWidget(frame);
    return frame;
}

void addButtonRow(QWidget* parent, std::initializer_list<std::pair<const char*, int>> buttons) {
    auto* row = new QHBoxLayout;
    for (const auto& [name, textId] : buttons)
        row->addWidget(makeButton(parent, QString::fromLatin1(name), textId));
    row->addStretch();
    if (auto* box = qobject_cast<QBoxLayout*>(parent->layout()))
        box->addLayout(row);
}

void setTabOrder(const FormBase* form, const QStringList& names) {
    for (qsizetype i = 1; i < names.size(); ++i)
        QWidget::setTabOrder(form->control<QWidget>(names.at(i - 1)), form->control<QWidget>(names.at(i)));
}

QStringList listTexts(std::initializer_list<int> textIds, std::initializer_list<const char*> literals) {
    QStringList texts;
    for (int id : textIds)
        texts.append(StringTable::text(id));
    for (const char* literal : literals)
        texts.append(QString::fromUtf8(literal));
    return texts;
}

} // namespace ui
