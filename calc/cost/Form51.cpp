#include "calc/cost/Form51.h"

#include "calc/cost/CostFormParts.h"
#include "calc/cost/SheetDensityTable.h"
#include "calc/cost/Stamping.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

namespace {

using OnReset = ui::OnReset;

// All ten are required, the five with defaults too.
const ui::InputField kMaterialFields[] = {
    {.field = "Text1_0", .captionId = 1635, .unit = "mm", .caption = "Label1_4", .unitName = "Label1_2"},
    {.field = "Text1_1", .captionId = 1758, .unit = "mm", .caption = "Label1_14", .unitName = "Label1_13"},
    {.field = "Text1_2", .captionId = 1636, .unit = "mm", .caption = "Label2", .unitName = "Label1_19"},
    {.field = "Text1_3",
     .captionId = 1750,
     .unit = "元/公斤",
     .caption = "Label1_20",
     .unitName = "Label1_15"},
};
const ui::InputField kFeeFields[] = {
    {.field = "Text1_4", .captionId = 1752, .unit = "元/个", .caption = "Label1_1", .unitName = "Label1_18"},
    {.field = "Text1_5",
     .captionId = 1753,
     .unit = "%",
     .defaultText = "5",
     .onReset = OnReset::Default,
     .caption = "Label1_3",
     .unitName = "Label1_17"},
    {.field = "Text1_6",
     .captionId = 1754,
     .unit = "元/个",
     .defaultText = "0",
     .onReset = OnReset::Default,
     .caption = "Label1_5",
     .unitName = "Label1_16"},
    {.field = "Text1_7",
     .captionId = 1755,
     .unit = "元/个",
     .defaultText = "0",
     .onReset = OnReset::Default,
     .caption = "Label1_7",
     .unitName = "Label1_21"},
    {.field = "Text1_8",
     .captionId = 1756,
     .unit = "%",
     .defaultText = "17",
     .onReset = OnReset::Default,
     .caption = "Label1_8",
     .unitName = "Label1_6"},
    {.field = "Text1_9",
     .captionId = 1757,
     .unit = "%",
     .defaultText = "10",
     .onReset = OnReset::Default,
     .caption = "Label1_10",
     .unitName = "Label1_9"},
};
const costparts::UnitText kUnits[] = {
    {"Text1_3", 1461}, {"Text1_4", 1452}, {"Text1_6", 1452}, {"Text1_7", 1452}};

// The punching fees by press size, text only: two columns, read left to right.
const int kFeeLabels[][2] = {{23, 1748}, {24, 1747}, {25, 1746}, {26, 1745}, {27, 1744}, {28, 1743},
                             {29, 1742}, {30, 1741}, {31, 1740}, {32, 1739}, {33, 1738}};

} // namespace

Form51::Form51() : FormBase(QStringLiteral("Form51")) {
    setWindowTitle(StringTable::text(1736));
    QWidget* column = costparts::columns(this, QStringLiteral("Picture1"),
                                         QStringLiteral(":/pictures/cost/stamping.svg"), 160);
    ui::grid(column, {{ui::label("Label1_0", 1751, 3)},
                      {ui::label("Label1_34", 1956), ui::combo("Combo1"), ui::gap()}});
    ui::grid(column, costparts::fieldRows(kMaterialFields, kUnits));
    ui::grid(column, costparts::fieldRows(kFeeFields, kUnits));
    ui::grid(column, {{ui::button("Command1", 1357), ui::button("Command2", 1321)},
                      {ui::label("Label1_12", 1759), ui::edit("Text2"), ui::label("Label1_11", 1452)}});

    std::vector<std::vector<ui::Cell>> fees = {{ui::label("Label1_22", 1749, 2)}};
    for (std::size_t i = 0; i < std::size(kFeeLabels); i += 2) {
        std::vector<ui::Cell> row;
        for (std::size_t j = i; j < std::min(i + 2, std::size(kFeeLabels)); ++j)
            row.push_back(ui::label(QStringLiteral("Label1_%1").arg(kFeeLabels[j][0]), kFeeLabels[j][1]));
        fees.push_back(row);
    }
    fees.push_back({ui::label("Label3", 1737, 2)});
    ui::grid(column, fees);
    costparts::fillList(this, QStringLiteral("Combo1"), SheetDensityTable::names(), 0);
    declare(ui::fieldNames(kMaterialFields) + ui::fieldNames(kFeeFields));

    attachInputArray(QStringLiteral("Text1"));
    field(QStringLiteral("Text1_0"))->setFocus();
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] {
        ui::resetFields(this, kMaterialFields);
        ui::resetFields(this, kFeeFields);
        setText(QStringLiteral("Text2"), {});
    });
}

void Form51::calculate() {
    stamping::PriceInputs in;
    in.density = SheetDensityTable::density(text(QStringLiteral("Combo1")));
    double* const values[] = {&in.stripWidth, &in.step,         &in.thickness, &in.unitPrice,
                              &in.punching,   &in.scrapPercent, &in.secondary, &in.plating,
                              &in.taxPercent, &in.profitPercent};
    for (int i = 0; i < 10; ++i)
        *values[i] = number(QStringLiteral("Text1_%1").arg(i));
    if (!ui::requireFilled(this, kMaterialFields) || !ui::requireFilled(this, kFeeFields))
        return;
    setNumber(QStringLiteral("Text2"), stamping::price(in), u"0.0000");
}

SPIRELTA_REGISTER_FORM(Form51)
