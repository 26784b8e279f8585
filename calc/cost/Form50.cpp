#include "calc/cost/Form50.h"

#include "calc/cost/CostFormParts.h"
#include "calc/cost/SheetDensityTable.h"
#include "calc/cost/Stamping.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

namespace {

using Need = ui::Need;

// The two results belong to the same array as the inputs: same keys, emptied by the reset.
const ui::InputField kFields[] = {
    {.field = "Text1_0", .captionId = 1732, .unit = "mm", .caption = "Label1_0", .unitName = "Label1_19"},
    {.field = "Text1_1", .captionId = 1733, .unit = "mm", .caption = "Label1_1", .unitName = "Label1_18"},
    {.field = "Text1_2", .captionId = 1627, .unit = "mm", .caption = "Label1_3", .unitName = "Label1_17"},
};
const ui::InputField kResults[] = {
    {.field = "Text1_3",
     .captionId = 1734,
     .unit = "mm",
     .need = Need::Plain,
     .caption = "Label1_5",
     .unitName = "Label1_16"},
    {.field = "Text1_4",
     .captionId = 1735,
     .unit = "g/pcs",
     .need = Need::Plain,
     .caption = "Label1_7",
     .unitName = "Label1_21"},
};

} // namespace

Form50::Form50() : FormBase(QStringLiteral("Form50")) {
    setWindowTitle(StringTable::text(1731));
    QWidget* column = costparts::columns(this, QStringLiteral("Picture1"),
                                         QStringLiteral(":/pictures/cost/stamping.svg"), 200);
    ui::grid(column, {{ui::label("Label1_4", 1956), ui::combo("Combo1"), ui::gap()}});
    ui::grid(column, costparts::fieldRows(kFields));
    ui::grid(column, {{ui::button("Command1", 1357), ui::button("Command2", 1321)}});
    ui::grid(column, costparts::fieldRows(kResults));
    costparts::fillList(this, QStringLiteral("Combo1"), SheetDensityTable::names(), 0);
    declare(ui::fieldNames(kFields) + ui::fieldNames(kResults));

    attachInputArray(QStringLiteral("Text1"));
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] {
        ui::resetFields(this, kFields);
        ui::resetFields(this, kResults);
    });
}

void Form50::calculate() {
    stamping::BlankInputs in;
    in.density = SheetDensityTable::density(text(QStringLiteral("Combo1")));
    in.length = number(QStringLiteral("Text1_0"));
    in.width = number(QStringLiteral("Text1_1"));
    in.thickness = number(QStringLiteral("Text1_2"));
    if (!ui::requireFilled(this, kFields))
        return;
    const stamping::Blank blank = stamping::blank(in);
    setNumber(QStringLiteral("Text1_3"), blank.margin);
    setNumber(QStringLiteral("Text1_4"), blank.weight, u"0.00");
}

SPIRELTA_REGISTER_FORM(Form50)
