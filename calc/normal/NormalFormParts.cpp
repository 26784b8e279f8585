#include "calc/normal/NormalFormParts.h"

#include "common/SpringMaterials.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormRegistry.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace normalparts {

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

void fixWidths(FormBase* form, const QString& inputArray, const QStringList& results) {
    for (QLineEdit* input : form->inputArray(inputArray))
        input->setFixedWidth(ui::twips(1350));
    for (const QString& name : results)
        form->field(name)->setFixedWidth(ui::twips(1100));
    form->comboBox(QStringLiteral("Combo1"))->setFixedWidth(ui::twips(2400));
    form->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

std::vector<std::vector<ui::Cell>> inputTable(const MaterialRow& materials, ui::InputFields fields) {
    std::vector<std::vector<ui::Cell>> rows = ui::inputRows(fields);
    rows.insert(
        rows.begin(),
        {ui::label(QString::fromLatin1(materials.caption), materials.captionId),
         ui::spanning(ui::combo(QStringLiteral("Combo1"), springMaterialNames(SpringMaterialRows::All)), 2),
         ui::button(QString::fromLatin1(materials.expertButton), 1371)});
    return rows;
}

void addInputFrame(FormBase* form, const std::vector<std::vector<ui::Cell>>& fields,
                   const std::vector<std::vector<ui::Cell>>& buttons, const Picture& picture) {
    QGroupBox* frame = ui::makeFrame(form, QStringLiteral("Frame1"), 1366);
    form->layout()->addWidget(frame);
    auto* columns = new QHBoxLayout(frame);
    auto* inputs = new QWidget(frame);
    auto* rows = new QVBoxLayout(inputs);
    rows->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(inputs);

    ui::grid(inputs, fields)->setColumnStretch(4, 1);
    ui::grid(inputs, buttons);
    rows->addStretch();

    columns->addWidget(ui::makePicture(frame, QString::fromLatin1(picture.name),
                                       QString::fromLatin1(picture.resource), picture.maxWidth));
}

void setUpInputArray(FormBase* form, const QString& array, const QString& calculateButton) {
    form->attachInputArray(array);
    form->setFirstField(form->field(array + QStringLiteral("_0")));
    form->setDefaultButton(form->button(calculateButton));
}

} // namespace normalparts
