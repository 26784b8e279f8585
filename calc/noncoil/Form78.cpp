#include "calc/noncoil/Form78.h"

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

using finewire::Results;
using finewire::SerpentineInputs;

// The labels of the crest and stretch rows are Label1_4 and Label1_3, crosswise to the fields;
// the crest count's unit label reads "mm" like the others.
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1815, .unit = "mm", .caption = "Label1_0", .unitName = "Label2_0"},
    {.field = "Text1_1", .captionId = 1891, .unit = "mm", .caption = "Label1_1", .unitName = "Label2_1"},
    {.field = "Text1_2", .captionId = 1892, .unit = "mm", .caption = "Label1_2", .unitName = "Label2_2"},
    {.field = "Text1_3", .captionId = 1894, .unit = "mm", .caption = "Label1_4", .unitName = "Label2_3"},
    {.field = "Text1_4", .captionId = 1893, .unit = "mm", .caption = "Label1_3", .unitName = "Label2_4"},
};

const ui::ResultRow kResults[] = {
    {.box = "Text2", .captionId = 1362, .caption = "Label3", .unit = "Kgf.mm", .unitName = "Label4"},
    {.box = "Text3", .captionId = 1886, .caption = "Label5", .unit = "Kgf", .unitName = "Label6"},
    {.box = "Text4", .captionId = 1885, .caption = "Label7", .unit = "Kgf/mm2", .unitName = "Label8"},
};

const ui::In<SerpentineInputs> kRead[] = {
    {"Text1_0", &SerpentineInputs::d},        {"Text1_1", &SerpentineInputs::r},
    {"Text1_2", &SerpentineInputs::straight}, {"Text1_3", &SerpentineInputs::crests},
    {"Text1_4", &SerpentineInputs::stretch},
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
                                      QStringLiteral(":/pictures/noncoil/serpentine.svg"), 220));
    return side;
}

} // namespace

Form78::Form78() : FormBase(QStringLiteral("Form78")) {
    ui::buildArrayCalculator(
        this,
        {.captionId = 1091,
         .inputs = kInputs,
         .results = kResults,
         .materials = shortMaterialList(ShortListOrder::Steels),
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

void Form78::calculate() {
    SerpentineInputs in;
    in.e = num::single(
        springMaterialModulus(SpringMaterialRows::Short, text(QStringLiteral("Combo1")), Modulus::E));
    if (!ui::requireFilled(this, kInputs))
        return;
    in = noncoil::readStrict(this, kRead, in);
    Results r;
    ui::computeThenShow(
        this, [&] { finewire::serpentine(in, r); }, r, kShow);
}

SPIRELTA_REGISTER_FORM(Form78)
