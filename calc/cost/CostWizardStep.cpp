#include "calc/cost/CostWizardStep.h"

#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/DesignWizard.h"
#include "common/ui/FormBuilder.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>
#include <string>

CostWizardStep::CostWizardStep(const QString& className, int step) : FormBase(className), step_(step) {}

void CostWizardStep::buildPage(int titleId, const std::vector<std::vector<ui::Cell>>& rows,
                               const QStringList& names, std::function<void()> confirm) {
    setWindowTitle(StringTable::text(titleId));
    auto* fields = new QWidget(this);
    ui::grid(fields, rows);
    auto* page = new QVBoxLayout(this);
    page->addWidget(fields);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* confirmButton = ui::makeButton(this, QStringLiteral("Command1"), 1543);
    QPushButton* cancelButton = ui::makeButton(this, QStringLiteral("Command2"), 1783);
    buttons->addWidget(confirmButton);
    buttons->addWidget(cancelButton);
    page->addLayout(buttons);
    onClick(confirmButton, std::move(confirm));
    connect(cancelButton, &QPushButton::clicked, this, [this] { close(); });
    declare(names);
}

std::optional<std::vector<float>> CostWizardStep::readNumbers(std::initializer_list<NumberField> fields) {
    std::vector<float> values;
    for (const NumberField& f : fields) {
        const std::optional<float> value = strictSingle(f.control, f.labelId);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::optional<float> CostWizardStep::strictSingle(const char* control, int labelId) {
    const std::optional<double> value = num::strict(text(QString::fromLatin1(control)));
    if (!value) {
        prompt::inform(this, StringTable::text(1383) + StringTable::text(labelId));
        return std::nullopt;
    }
    return num::single(*value);
}

int CostWizardStep::captionOf(ui::InputFields fields, const char* control) {
    for (const ui::InputField& f : fields) {
        if (qstrcmp(f.field, control) == 0)
            return f.captionId;
    }
    // A control read as a number is always one of the window's declared fields.
    throw std::logic_error(std::string("no field row for ") + control);
}

void CostWizardStep::handToHub(const QString& report) {
    DesignWizard::confirmToHub(kHub, step_, report);
    close();
}
