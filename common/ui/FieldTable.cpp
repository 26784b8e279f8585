#include "common/ui/FieldTable.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"

namespace ui {

namespace {
QString derived(const char* given, const char* prefix, const char* field) {
    return given ? QString::fromUtf8(given) : QString::fromLatin1(prefix) + QString::fromLatin1(field);
}
} // namespace

QString InputField::captionName() const {
    return derived(caption, "Caption_", field);
}
QString InputField::unitLabelName() const {
    return derived(unitName, "Unit_", field);
}
QString InputField::markName() const {
    return derived(mark, "Mark_", field);
}

std::vector<std::vector<Cell>> inputRows(InputFields fields, bool withMarks) {
    std::vector<std::vector<Cell>> rows;
    rows.reserve(fields.size());
    for (const InputField& f : fields) {
        std::vector<Cell> row;
        row.push_back(f.captionId ? label(f.captionName(), f.captionId) : gap());
        row.push_back(edit(QString::fromLatin1(f.field), QString::fromUtf8(f.defaultText)));
        row.push_back(*f.unit ? literal(f.unitLabelName(), QString::fromUtf8(f.unit)) : gap());
        if (withMarks)
            row.push_back(f.need == Need::Plain ? gap() : mark(f.markName(), f.need == Need::Required));
        rows.push_back(std::move(row));
    }
    return rows;
}

bool requireFilled(FormBase* form, InputFields fields) {
    for (const InputField& f : fields) {
        if (f.need == Need::Required && form->isEmpty(QString::fromLatin1(f.field))) {
            prompt::inform(form, StringTable::text(1383) + StringTable::text(f.requiredMessageId()));
            return false;
        }
    }
    return true;
}

void resetFields(FormBase* form, InputFields fields) {
    for (const InputField& f : fields) {
        if (f.onReset == OnReset::Keep)
            continue;
        form->setText(QString::fromLatin1(f.field),
                      f.onReset == OnReset::Default ? QString::fromUtf8(f.defaultText) : QString());
    }
}

QStringList fieldNames(InputFields fields) {
    QStringList names;
    for (const InputField& f : fields)
        names.append(QString::fromLatin1(f.field));
    return names;
}

} // namespace ui
