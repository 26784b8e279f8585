#include "calc/sections/Form83.h"

#include "calc/sections/EggCoil.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>

namespace {

using eggcoil::Inputs;
using eggcoil::Results;

// The chart fields name the chart to read beside them instead of a unit.
const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1815,
     .unit = "mm",
     .messageId = 1333,
     .caption = "Label2_0",
     .unitName = "Label3_0"},
    {.field = "Text1_1", .captionId = 1909, .unit = "mm", .caption = "Label2_1", .unitName = "Label3_1"},
    {.field = "Text1_2", .captionId = 1910, .unit = "mm", .caption = "Label2_2", .unitName = "Label3_2"},
    {.field = "Text1_3", .captionId = 1911, .unit = "mm", .caption = "Label2_3", .unitName = "Label3_3"},
    {.field = "Text1_4", .captionId = 1912, .caption = "Label2_4"},
    {.field = "Text1_5", .captionId = 1914, .caption = "Label2_5"},
    {.field = "Text1_6", .captionId = 1907, .caption = "Label2_9"},
    {.field = "Text1_7", .captionId = 1418, .caption = "Label2_6"},
    {.field = "Text1_8", .captionId = 1373, .unit = "mm", .caption = "Label2_7", .unitName = "Label3_7"},
    {.field = "Text1_9", .captionId = 1917, .unit = "mm", .caption = "Label2_8", .unitName = "Label3_8"},
};

const ui::InputField kResults[] = {
    {.field = "Text2_0", .captionId = 1362, .unit = "Kgf/mm", .caption = "Label4_0", .unitName = "Label4_1"},
    {.field = "Text2_1", .captionId = 1586, .unit = "Kgf", .caption = "Label4_2", .unitName = "Label4_3"},
    {.field = "Text2_2", .captionId = 1419, .caption = "Label4_4"},
    {.field = "Text2_3",
     .captionId = 2004,
     .unit = "kgf/mm",
     .caption = "Label4_15",
     .unitName = "Label4_16"},
    {.field = "Text2_4", .captionId = 1515, .unit = "mm", .caption = "Label4_5", .unitName = "Label4_6"},
    {.field = "Text2_5", .captionId = 1369, .unit = "mm", .caption = "Label4_7", .unitName = "Label4_8"},
    {.field = "Text2_6", .captionId = 1918, .unit = "mm", .caption = "Label4_9", .unitName = "Label4_10"},
    {.field = "Text2_7", .captionId = 2406, .unit = "mm", .caption = "Label4_11", .unitName = "Label4_12"},
    {.field = "Text2_8", .captionId = 1919, .unit = "°", .caption = "Label4_13", .unitName = "Label4_14"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::bigRadius},
    {"Text1_2", &Inputs::smallRadius},
    {"Text1_3", &Inputs::length},
    {"Text1_4", &Inputs::deformationFactor},
    {"Text1_5", &Inputs::stressFactor},
    {"Text1_6", &Inputs::lengthFactor},
    {"Text1_7", &Inputs::curvatureFactor},
    {"Text1_8", &Inputs::activeCoils},
    {"Text1_9", &Inputs::deflection},
};

const ui::Out<Results> kShow[] = {
    {"Text2_0", &Results::rate, "0.0000"},      {"Text2_1", &Results::load, "0.0000"},
    {"Text2_2", &Results::index, "0.00"},       {"Text2_3", &Results::stress, "0.0000"},
    {"Text2_4", &Results::solidHeight, "0.00"}, {"Text2_5", &Results::freeHeight, "0.00"},
    {"Text2_6", &Results::pitch, "0.00"},       {"Text2_7", &Results::wireLength, "0.00"},
    {"Text2_8", &Results::helixAngle, "0.00"},
};

struct ChartLabel {
    const char* name;
    int textId;
    int row;
};
// Labels that name the chart to read, in the unit column of the chart fields.
const ChartLabel kChartLabels[] = {
    {"Label3_4", 1913, 4}, {"Label3_5", 1915, 5}, {"Label3_9", 1908, 6}, {"Label3_6", 1916, 7}};

} // namespace

Form83::Form83() : FormBase(QStringLiteral("Form83")) {
    setWindowTitle(StringTable::text(1102));
    auto* columns = new QHBoxLayout(this);
    auto* left = new QWidget(this);
    ui::column(left);
    columns->addWidget(left);
    QGroupBox* inputs = ui::addFrame(left, QStringLiteral("Frame1"), 1366);
    ui::grid(inputs, {{ui::label(QStringLiteral("Label1"), 1646),
                       ui::combo(QStringLiteral("Combo1"), shortMaterialList(ShortListOrder::TableFirst)),
                       ui::gap()}});
    std::vector<std::vector<ui::Cell>> rows = ui::inputRows(kInputs, false);
    for (const ChartLabel& c : kChartLabels)
        rows[c.row][2] = ui::label(QString::fromLatin1(c.name), c.textId);
    ui::grid(inputs, rows);
    ui::addButtonRow(left, {{"Command1", 1357}, {"Command2", 1321}, {"Command3", 1315}});
    QGroupBox* results = ui::addFrame(left, QStringLiteral("Frame2"), 1812);
    ui::grid(results, ui::inputRows(kResults, false));

    // The sketch and the four charts the factors are read from.
    QGroupBox* charts = ui::makeFrame(this, QStringLiteral("Frame3"), 1905);
    columns->addWidget(charts);
    const QString base = QStringLiteral(":/pictures/sections/");
    ui::grid(
        charts,
        {
            {ui::widget(ui::makePicture(charts, QStringLiteral("Image5"), base + "egg.svg", 260)),
             ui::widget(ui::makePicture(charts, QStringLiteral("Image1"), base + "egg-chart-11-8.svg", 260))},
            {ui::widget(ui::makePicture(charts, QStringLiteral("Image4"), base + "egg-chart-11-9.svg", 260)),
             ui::widget(
                 ui::makePicture(charts, QStringLiteral("Image2"), base + "egg-chart-11-10.svg", 260))},
            {ui::label(QStringLiteral("Label5"), 1906), ui::gap()},
            {ui::widget(
                 ui::makePicture(charts, QStringLiteral("Image3"), base + "curvature-chart-8-4.svg", 260)),
             ui::gap()},
        });
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] {
        ui::resetFields(this, kInputs);
        ui::resetFields(this, kResults);
    });
    onClick(QStringLiteral("Command3"), [this] { close(); });
}

void Form83::calculate() {
    Inputs start{};
    start.g = springMaterialModulus(SpringMaterialRows::Short, text(QStringLiteral("Combo1")));
    ui::calculate(this, kInputs, kRead, start, &eggcoil::compute, kShow);
}

SPIRELTA_REGISTER_FORM(Form83)
