#include "calc/wizards/StepLayout.h"

#include "common/Numbers.h"
#include "common/ui/FormBase.h"

#include <QLineEdit>

namespace wizardsteps {

std::vector<std::vector<ui::Cell>> boxRows(std::span<const BoxRow> rows) {
    std::vector<std::vector<ui::Cell>> cells;
    for (const BoxRow& r : rows) {
        std::vector<ui::Cell> row;
        row.push_back(ui::label(QString::fromLatin1(r.caption), r.captionId));
        const QString box = QString::fromLatin1(r.box);
        const QString text = QString::fromUtf8(r.defaultText);
        row.push_back(r.output ? ui::result(box, text) : ui::edit(box, text));
        if (!r.unit)
            row.push_back(ui::gap());
        else if (r.unitId)
            row.push_back(ui::label(QString::fromLatin1(r.unit), r.unitId));
        else
            row.push_back(ui::literal(QString::fromLatin1(r.unit), QString::fromUtf8(r.unitText)));
        cells.push_back(std::move(row));
    }
    return cells;
}

QStringList boxNames(std::span<const BoxRow> rows) {
    QStringList names;
    for (const BoxRow& r : rows)
        names << QString::fromLatin1(r.box);
    return names;
}

void tintOutputs(FormBase* form, std::span<const BoxRow> rows) {
    for (const BoxRow& r : rows) {
        if (!r.output)
            continue;
        QLineEdit* box = form->field(QString::fromLatin1(r.box));
        box->setReadOnly(true);
        box->setStyleSheet(QStringLiteral("background-color: rgb(192, 192, 255);"));
    }
}

float readSingle(const FormBase* form, const QString& name) {
    return num::single(num::strictOrFault(form->text(name)));
}

} // namespace wizardsteps
