#include "calc/sections/Form84.h"

#include "calc/sections/HourglassSpring.h"
#include "calc/sections/SectionMaterials.h"
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
#include <cmath>

namespace {

using hourglass::Inputs;
using hourglass::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1815,
     .unit = "mm",
     .defaultText = "0.8",
     .messageId = 1333,
     .caption = "Label1_0"},
    {.field = "Text1_1", .captionId = 1520, .unit = "mm", .defaultText = "6", .caption = "Label1_1"},
    {.field = "Text1_2", .captionId = 1521, .unit = "mm", .defaultText = "11.5", .caption = "Label1_2"},
    {.field = "Text1_3", .captionId = 1373, .unit = "T", .defaultText = "6", .caption = "Label1_3"},
    {.field = "Text1_4", .captionId = 1369, .unit = "mm", .defaultText = "17", .caption = "Label1_6"},
    {.field = "Text1_5", .captionId = 1680, .unit = "mm", .defaultText = "14", .caption = "Label1_22"},
};

const char* const kResultBoxes[] = {"Text1_6", "Text1_7", "Text1_8", "Text1_9", "Text1_10"};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},           {"Text1_1", &Inputs::waistOuter}, {"Text1_2", &Inputs::endOuter},
    {"Text1_3", &Inputs::activeCoils}, {"Text1_4", &Inputs::freeHeight}, {"Text1_5", &Inputs::height1},
};

const ui::Out<Results> kShow[] = {
    {"Text1_6", &Results::rateN, "0.00"},       {"Text1_7", &Results::load1N, "0.00"},
    {"Text1_8", &Results::load1, "0.00"},       {"Text1_9", &Results::closeLoadN, "0.00"},
    {"Text1_10", &Results::solidLoadN, "0.00"},
};

QString name(const char* n) {
    return QString::fromLatin1(n);
}

} // namespace

Form84::Form84() : FormBase(QStringLiteral("Form84")) {
    setWindowTitle(StringTable::text(1080));
    ui::column(this);
    QGroupBox* inputs = ui::addFrame(this, QStringLiteral("Frame1"), 1366);
    auto* top = new QHBoxLayout;
    auto* fields = new QWidget(inputs);
    ui::column(fields);
    ui::grid(fields, {{ui::label(QStringLiteral("Label1_8"), 1646),
                       ui::combo(QStringLiteral("Combo1"), sections::noTitaniumMaterialList()), ui::gap()}});
    ui::grid(fields, ui::inputRows(kInputs, false));
    top->addWidget(fields);
    top->addWidget(ui::makePicture(inputs, QStringLiteral("Image1"),
                                   QStringLiteral(":/pictures/sections/hourglass.svg"), 200));
    static_cast<QBoxLayout*>(inputs->layout())->addLayout(top);
    ui::addButtonRow(inputs, {{"Command1", 1357}, {"Command2", 1321}, {"Command3", 1315}});

    QGroupBox* results = ui::addFrame(this, QStringLiteral("Frame2"), 1812);
    auto* bottom = new QHBoxLayout;
    auto* boxes = new QWidget(results);
    ui::column(boxes);
    ui::grid(boxes, {
                        {ui::label(name("Label1_18"), 1921), ui::edit(name("Text1_6")),
                         ui::literal(name("Unit_6"), "N/mm"), ui::gap(), ui::gap()},
                        {ui::label(name("Label1_7"), 1922), ui::edit(name("Text1_7")),
                         ui::literal(name("Unit_7"), "N"), ui::edit(name("Text1_8")),
                         ui::literal(name("Unit_8"), "Kgf")},
                        {ui::label(name("Label1_19"), 1920), ui::edit(name("Text1_9")),
                         ui::literal(name("Unit_9"), "N"), ui::gap(), ui::gap()},
                        {ui::label(name("Label1_5"), 1923), ui::edit(name("Text1_10")),
                         ui::literal(name("Unit_10"), "N"), ui::gap(), ui::gap()},
                    });
    bottom->addWidget(boxes);
    // The load-deflection sketch with the two closing loads written beside its points.
    auto* sketch = new QWidget(results);
    ui::grid(sketch,
             {
                 {ui::literal(name("Label3"), "Fz"), ui::literal(name("Label3Unit"), "N")},
                 {ui::literal(name("Label11"), "fb"), ui::literal(name("Label11Unit"), "N")},
                 {ui::widget(ui::makePicture(sketch, name("LoadSketch"),
                                             QStringLiteral(":/pictures/sections/hourglass-load.svg"), 160),
                             2)},
             });
    bottom->addWidget(sketch);
    static_cast<QBoxLayout*>(results->layout())->addLayout(bottom);
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    setDefaultButton(button(QStringLiteral("Command1")));
    ui::setTabOrder(this,
                    {"Combo1", "Command2", "Command1", "Text1_4", "Text1_3", "Text1_2", "Text1_1", "Text1_0",
                     "Text1_5", "Text1_10", "Text1_9", "Text1_8", "Text1_7", "Text1_6", "Command3"});
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] {
        ui::resetFields(this, kInputs);
        for (const char* box : kResultBoxes)
            setText(name(box), QString());
    });
    onClick(QStringLiteral("Command3"), [this] { close(); });
}

void Form84::calculate() {
    const double g = springMaterialModulus(SpringMaterialRows::NoTitanium, text(QStringLiteral("Combo1")));
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.g = g;
    Results r;
    // The sketch labels repeat the closing loads as soon as their boxes are written, even when
    // a later step faults.
    auto followBoxes = [this, &r] {
        if (std::isfinite(r.closeLoadN))
            setText(name("Label3"), text(name("Text1_9")));
        if (std::isfinite(r.solidLoadN))
            setText(name("Label11"), text(name("Text1_10")));
    };
    ui::computeThenShow(
        [&] {
            ui::computeThenShow(
                this, [&] { hourglass::compute(in, r); }, r, kShow);
        },
        followBoxes);
    setText(name("Label1_7"), StringTable::text(r.beyondContact ? 2267 : 2268));
}

SPIRELTA_REGISTER_FORM(Form84)
