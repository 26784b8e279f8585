#include "calc/noncoil/Form77.h"

#include "calc/noncoil/FineWireForms.h"
#include "calc/noncoil/StrictReading.h"
#include "common/SpringMaterials.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

using finewire::CirclipInputs;
using finewire::Results;

// The labels of the angle and spread rows are Label1_4 and Label1_3, crosswise to the fields.
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1815, .unit = "mm", .caption = "Label1_0", .unitName = "Label2_0"},
    {.field = "Text1_1", .captionId = 1890, .unit = "mm", .caption = "Label1_1", .unitName = "Label2_1"},
    {.field = "Text1_2", .captionId = 1889, .unit = "mm", .caption = "Label1_2", .unitName = "Label2_2"},
    {.field = "Text1_3", .captionId = 1887, .unit = "°", .caption = "Label1_4", .unitName = "Label2_3"},
    {.field = "Text1_4", .captionId = 1888, .unit = "mm", .caption = "Label1_3", .unitName = "Label2_4"},
};

const ui::ResultRow kResults[] = {
    {.box = "Text2", .captionId = 1362, .caption = "Label3", .unit = "Kgf.mm", .unitName = "Label4"},
    {.box = "Text3", .captionId = 1886, .caption = "Label5", .unit = "Kgf", .unitName = "Label6"},
    {.box = "Text4", .captionId = 1885, .caption = "Label7", .unit = "Kgf/mm2", .unitName = "Label8"},
};

const ui::In<CirclipInputs> kRead[] = {
    {"Text1_0", &CirclipInputs::d}, {"Text1_1", &CirclipInputs::r},
    {"Text1_2", &CirclipInputs::k}, {"Text1_3", &CirclipInputs::openingAngle},
    {"Text1_4", &CirclipInputs::g},
};

const ui::Out<Results> kShow[] = {
    {"Text2", &Results::rate, "0.0000"},
    {"Text3", &Results::load, "0.0000"},
    {"Text4", &Results::stress, "0.0000"},
};

QWidget* sketch(QWidget* parent) {
    auto* side = new QWidget(parent);
    auto* column = new QVBoxLayout(side);
    column->addWidget(ui::makePicture(side, QStringLiteral("Image1"),
                                      QStringLiteral(":/pictures/noncoil/circlip.svg"), 220));
    return side;
}

} // namespace

Form77::Form77() : FormBase(QStringLiteral("Form77")) {
    ui::buildArrayCalculator(
        this,
        {.captionId = 1090,
         .inputs = kInputs,
         .results = kResults,
         .materials = shortMaterialList(ShortListOrder::TableFirst),
         .exitButton = "Command3",
         .resetButton = "Command2",
         .materialCaption = "Label28",
         .side = sketch(this)},
        [this] { calculate(); },
        [this] {
            ui::resetFields(this, kInputs);
            clearFields({QStringLiteral("Text2"), QStringLiteral("Text3"), QStringLiteral("Text4")});
        });
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));
}

void Form77::calculate() {
    CirclipInputs in;
    in.e = num::single(
        springMaterialModulus(SpringMaterialRows::Short, text(QStringLiteral("Combo1")), Modulus::E));
    if (!ui::requireFilled(this, kInputs))
        return;
    in = noncoil::readStrict(this, kRead, in);
    Results r;
    ui::computeThenShow(
        this, [&] { finewire::circlip(in, r); }, r, kShow);
}

SPIRELTA_REGISTER_FORM(Form77)
