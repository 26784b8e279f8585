#include "calc/noncoil/Form48.h"

#include "calc/noncoil/RubberSpringCore.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QGroupBox>
#include <QLabel>

namespace {

using rubber::ShearInputs;
using rubber::ShearResults;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1720, .unit = "mm"},
    {.field = "Text1_1", .captionId = 1721, .unit = "mm2"},
    {.field = "Text1_2", .captionId = 1704, .unit = "mm"},
    {.field = "Text1_3", .captionId = 1715, .unit = "N"},
    {.field = "Text1_4", .captionId = 1714},
};

const ui::InputField kResults[] = {
    {.field = "Text1_5", .captionId = 1708, .unit = "Mpa", .need = ui::Need::Plain},
    {.field = "Text1_6", .captionId = 1709, .unit = "%", .need = ui::Need::Plain},
    {.field = "Text1_7", .captionId = 1972, .unit = "Mpa", .need = ui::Need::Plain},
    {.field = "Text1_8", .captionId = 1362, .unit = "N/mm", .need = ui::Need::Plain},
    {.field = "Text1_9", .captionId = 1701, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_10", .captionId = 1705, .unit = "mm", .need = ui::Need::Plain},
    {.field = "Text1_11", .captionId = 1699, .unit = "Mpa", .need = ui::Need::Plain},
    {.field = "Text1_12", .captionId = 1698, .unit = "Mpa", .need = ui::Need::Plain},
    {.field = "Text1_13", .captionId = 1711, .need = ui::Need::Plain},
};

const ui::In<ShearInputs> kRead[] = {
    {"Text1_0", &ShearInputs::height},        {"Text1_1", &ShearInputs::shearedArea},
    {"Text1_2", &ShearInputs::deflection1},   {"Text1_3", &ShearInputs::workingLoad},
    {"Text1_4", &ShearInputs::shoreHardness},
};

const ui::Out<ShearResults> kShow[] = {
    {"Text1_5", &ShearResults::allowableStress},
    {"Text1_6", &ShearResults::allowableDeformation, "0.00"},
    {"Text1_7", &ShearResults::shearModulus, "0.000000"},
    {"Text1_8", &ShearResults::rate, "0.0000"},
    {"Text1_9", &ShearResults::load1, "0.0000"},
    {"Text1_10", &ShearResults::deflection2, "0.0000"},
    {"Text1_11", &ShearResults::stress1, "0.0000"},
    {"Text1_12", &ShearResults::stress2, "0.0000"},
};

} // namespace

Form48::Form48() : FormBase(QStringLiteral("Form48")) {
    setWindowTitle(StringTable::text(1719));
    ui::column(this);
    QGroupBox* inputs = ui::addFrame(this, QStringLiteral("Frame1"), 0);
    ui::grid(inputs, ui::inputRows(kInputs, false));
    ui::grid(inputs, {{ui::label(QStringLiteral("Caption_Combo1"), 1713),
                       ui::combo(QStringLiteral("Combo1"), ui::listTexts({2223, 2224})), ui::gap()}});
    ui::addButtonRow(inputs, {{"Command1", 1357}, {"Command2", 1321}});
    QGroupBox* results = ui::addFrame(this, QStringLiteral("Frame2"), 0);
    ui::grid(results, ui::inputRows(kResults, false));
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] {
        ui::resetFields(this, kInputs);
        ui::resetFields(this, kResults);
    });
}

void Form48::calculate() {
    ShearInputs in = ui::read(this, kRead);
    if (!ui::requireFilled(this, kInputs))
        return;
    in.limits = rubber::loadTypeLimits(text(QStringLiteral("Combo1")));
    ShearResults r;
    ui::computeThenShow(
        this, [&] { rubber::computeShear(in, r); }, r, kShow);
    setText(QStringLiteral("Text1_13"), r.stressVerdict);
}

SPIRELTA_REGISTER_FORM(Form48)
