#include "calc/sections/Form85.h"

#include "calc/sections/EllipticalSectionTorsion.h"
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

using ellipticaltorsion::Inputs;
using ellipticaltorsion::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1672, .unit = "mm", .caption = "Label1_0"},
    {.field = "Text1_1", .captionId = 1671, .unit = "mm", .caption = "Label1_1"},
    {.field = "Text1_2", .captionId = 1332, .unit = "mm", .caption = "Label1_3"},
    {.field = "Text1_3", .captionId = 1480, .caption = "Label1_6"},
    // The message names the angle by its longer caption.
    {.field = "Text1_4", .captionId = 1496, .unit = "°", .messageId = 1670, .caption = "Label1_5"},
    {.field = "Text1_5", .captionId = 1669, .unit = "mm", .caption = "Label1_7"},
};

const ui::InputField kResults[] = {
    {.field = "Text1_7",
     .captionId = 1668,
     .unit = "N.mm/°",
     .caption = "Label1_10",
     .unitName = "Label1_12"},
    {.field = "Text1_8", .captionId = 1667, .unit = "N.mm", .caption = "Label1_11"},
    {.field = "Text1_9", .captionId = 1673, .unit = "N", .caption = "Label1_26"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::axisA}, {"Text1_1", &Inputs::axisB}, {"Text1_2", &Inputs::meanDiameter},
    {"Text1_3", &Inputs::coils}, {"Text1_4", &Inputs::angle}, {"Text1_5", &Inputs::arm},
};

const ui::Out<Results> kShow[] = {
    {"Text1_7", &Results::rateN, "0.000000"},
    {"Text1_8", &Results::torqueN, "0.00"},
    {"Text1_9", &Results::forceN, "0.00"},
};

} // namespace

Form85::Form85() : FormBase(QStringLiteral("Form85")) {
    setWindowTitle(StringTable::text(1098));
    ui::column(this);
    QGroupBox* inputs = ui::addFrame(this, QStringLiteral("Frame1"), 1366);
    auto* top = new QHBoxLayout;
    auto* fields = new QWidget(inputs);
    ui::column(fields);
    ui::grid(fields, {{ui::label(QStringLiteral("Label1_4"), 1646),
                       ui::combo(QStringLiteral("Combo1"), shortMaterialList(ShortListOrder::TableFirst)),
                       ui::gap()}});
    ui::grid(fields, ui::inputRows(kInputs, false));
    top->addWidget(fields);
    top->addWidget(ui::makePicture(inputs, QStringLiteral("Image1"),
                                   QStringLiteral(":/pictures/sections/elliptical-section.svg"), 200));
    static_cast<QBoxLayout*>(inputs->layout())->addLayout(top);
    QGroupBox* results = ui::addFrame(this, QStringLiteral("Frame2"), 1812);
    ui::grid(results, ui::inputRows(kResults, false));
    ui::addButtonRow(this, {{"Command1", 1357}, {"Command2", 1321}});
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    // The array has no Index 6; Down counts elements (InputArrayNavigation.h).
    attachInputArray(QStringLiteral("Text1"), ui::DownRule::ElementCount);
    setFirstField(field(QStringLiteral("Text1_0")));
    setDefaultButton(button(QStringLiteral("Command1")));
    ui::setTabOrder(this, {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Combo1",
                           "Text1_7", "Text1_8", "Text1_9", "Command1", "Command2"});
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] {
        ui::resetFields(this, kInputs);
        ui::resetFields(this, kResults);
    });
}

void Form85::calculate() {
    Inputs start{};
    start.e = springMaterialModulus(SpringMaterialRows::Short, text(QStringLiteral("Combo1")), Modulus::E);
    ui::calculate(this, kInputs, kRead, start, &ellipticaltorsion::compute, kShow, ui::Reading::BeforeTest);
}

SPIRELTA_REGISTER_FORM(Form85)
