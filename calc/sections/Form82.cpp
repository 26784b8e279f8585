#include "calc/sections/Form82.h"

#include "calc/sections/EllipticalCoil.h"
#include "common/Prompt.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>

namespace {

using ellipticalcoil::Inputs;
using ellipticalcoil::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1815,
     .unit = "mm",
     .messageId = 1333,
     .caption = "Label2_0",
     .unitName = "Label3_0"},
    {.field = "Text1_1", .captionId = 1904, .unit = "mm", .caption = "Label2_1", .unitName = "Label3_1"},
    {.field = "Text1_2", .captionId = 1903, .unit = "mm", .caption = "Label2_2", .unitName = "Label3_2"},
    {.field = "Text1_3", .captionId = 1373, .unit = "T", .caption = "Label2_7", .unitName = "Label3_7"},
    {.field = "Text1_4", .captionId = 1369, .unit = "mm", .caption = "Label2_8", .unitName = "Label3_8"},
    {.field = "Text1_5", .captionId = 2084, .unit = "mm", .caption = "Label2_3", .unitName = "Label3_3"},
    {.field = "Text1_6", .captionId = 2085, .unit = "mm", .caption = "Label2_4", .unitName = "Label3_4"},
};

const ui::InputField kResults[] = {
    {.field = "Text2_0", .onReset = ui::OnReset::Empty},
    {.field = "Text2_1"},
    {.field = "Text2_3"},
    {.field = "Text2_2"},
    {.field = "Text2_4"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},           {"Text1_1", &Inputs::outerLength}, {"Text1_2", &Inputs::outerWidth},
    {"Text1_3", &Inputs::activeCoils}, {"Text1_4", &Inputs::freeHeight},  {"Text1_5", &Inputs::height1},
    {"Text1_6", &Inputs::height2},
};

const ui::Out<Results> kShow[] = {
    {"Text2_0", &Results::rate, "0.00"},    {"Text2_1", &Results::load1, "0.000"},
    {"Text2_3", &Results::load1N, "0.000"}, {"Text2_2", &Results::load2, "0.000"},
    {"Text2_4", &Results::load2N, "0.000"},
};

} // namespace

Form82::Form82() : FormBase(QStringLiteral("Form82")) {
    setWindowTitle(StringTable::text(1101));
    ui::column(this);
    QGroupBox* inputs = ui::addFrame(this, QStringLiteral("Frame1"), 1366);
    auto* top = new QHBoxLayout;
    auto* fields = new QWidget(inputs);
    ui::column(fields);
    ui::grid(fields, {{ui::label(QStringLiteral("Label1"), 1646),
                       ui::combo(QStringLiteral("Combo1"), shortMaterialList(ShortListOrder::TableFirst)),
                       ui::gap()}});
    ui::grid(fields, ui::inputRows(kInputs, false));
    top->addWidget(fields);
    QGroupBox* sketch = ui::makeFrame(inputs, QStringLiteral("Frame3"), 0);
    new QVBoxLayout(sketch);
    sketch->layout()->addWidget(ui::makePicture(sketch, QStringLiteral("Image4"),
                                                QStringLiteral(":/pictures/sections/elliptical.svg"), 260));
    top->addWidget(sketch);
    static_cast<QBoxLayout*>(inputs->layout())->addLayout(top);
    ui::addButtonRow(inputs, {{"Command1", 1357}, {"Command2", 1321}, {"Command3", 1315}});
    QGroupBox* results = ui::addFrame(this, QStringLiteral("Frame2"), 1812);
    ui::grid(results,
             {
                 {ui::label(QStringLiteral("Label4_0"), 1362), ui::edit(QStringLiteral("Text2_0")),
                  ui::literal(QStringLiteral("Label4_1"), QStringLiteral("kgf/mm")), ui::gap(), ui::gap()},
                 {ui::label(QStringLiteral("Label4_2"), 2192), ui::edit(QStringLiteral("Text2_1")),
                  ui::literal(QStringLiteral("Label4_3"), QStringLiteral("Kgf")),
                  ui::edit(QStringLiteral("Text2_3")),
                  ui::literal(QStringLiteral("Label4_5"), QStringLiteral("N"))},
                 {ui::label(QStringLiteral("Label4_4"), 2191), ui::edit(QStringLiteral("Text2_2")),
                  ui::literal(QStringLiteral("Label4_6"), QStringLiteral("kgf")),
                  ui::edit(QStringLiteral("Text2_4")),
                  ui::literal(QStringLiteral("Label4_7"), QStringLiteral("N"))},
             });
    declare(ui::controlNames(kRead) + ui::controlNames(kShow) + ui::fieldNames(kResults));

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

void Form82::calculate() {
    const double g = springMaterialModulus(SpringMaterialRows::Short, text(QStringLiteral("Combo1")));
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.g = g;
    if (!ellipticalcoil::fits(in)) {
        prompt::inform(this, StringTable::text(2405));
        return;
    }
    Results r;
    ui::computeThenShow(
        this, [&] { ellipticalcoil::compute(in, r); }, r, kShow);
}

SPIRELTA_REGISTER_FORM(Form82)
