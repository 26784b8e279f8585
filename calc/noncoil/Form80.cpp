#include "calc/noncoil/Form80.h"

#include "calc/noncoil/FineWireForms.h"
#include "common/SpringMaterials.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Calculation.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

using finewire::BalanceBarInputs;
using finewire::BalanceBarResults;

// Every label of the window belongs to Label1; the arm and length rows are labelled crosswise.
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1815, .unit = "mm", .caption = "Label1_0", .unitName = "Label1_5"},
    {.field = "Text1_1", .captionId = 1886, .unit = "kgf", .caption = "Label1_1", .unitName = "Label1_7"},
    {.field = "Text1_2", .captionId = 1897, .unit = "mm", .caption = "Label1_3", .unitName = "Label1_9"},
    {.field = "Text1_3", .captionId = 1898, .unit = "mm", .caption = "Label1_2", .unitName = "Label1_10"},
};

const ui::ResultRow kResults[] = {
    {.box = "Text1_4", .captionId = 1901, .caption = "Label1_6", .unit = "mm", .unitName = "Label1_11"},
    {.box = "Text1_5", .captionId = 1902, .caption = "Label1_8", .unit = "kgf/mm2", .unitName = "Label1_12"},
    {.box = "Text1_6", .captionId = 1900, .caption = "Label1_14", .unit = "kgf/mm2", .unitName = "Label1_13"},
    {.box = "Text1_7", .captionId = 1899, .caption = "Label1_16", .unit = "kgf/mm2", .unitName = "Label1_15"},
};

const ui::In<BalanceBarInputs> kRead[] = {
    {"Text1_0", &BalanceBarInputs::d},
    {"Text1_1", &BalanceBarInputs::load},
    {"Text1_2", &BalanceBarInputs::arm},
    {"Text1_3", &BalanceBarInputs::middle},
};

const ui::Out<BalanceBarResults> kShow[] = {
    {"Text1_4", &BalanceBarResults::deflection, "0.00"},
    {"Text1_5", &BalanceBarResults::torsion, "0.0000"},
    {"Text1_6", &BalanceBarResults::bending, "0.0000"},
    {"Text1_7", &BalanceBarResults::maxShear, "0.0000"},
};

QWidget* sketch(QWidget* parent) {
    auto* side = new QWidget(parent);
    auto* column = new QVBoxLayout(side);
    column->addWidget(ui::makePicture(side, QStringLiteral("Image1"),
                                      QStringLiteral(":/pictures/noncoil/balance-bar.svg"), 220));
    return side;
}

} // namespace

Form80::Form80() : FormBase(QStringLiteral("Form80")) {
    ui::buildArrayCalculator(
        this,
        {.captionId = 1093,
         .inputs = kInputs,
         .results = kResults,
         .materials = shortMaterialList(ShortListOrder::Steels),
         .focusFirstField = false,
         .exitButton = "Command3",
         .resetButton = "Command2",
         .materialCaption = "Label1_4",
         .side = sketch(this)},
        [this] { calculate(); },
        [this] {
            for (QLineEdit* box : inputArray(QStringLiteral("Text1")))
                box->clear();
        });
    // The results belong to the input array: the user may type into them, and Down walks
    // from the last input on through them.
    for (const ui::ResultRow& row : kResults)
        field(QString::fromLatin1(row.box))->setReadOnly(false);
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));
}

void Form80::calculate() {
    BalanceBarInputs start;
    const QString material = text(QStringLiteral("Combo1"));
    start.g = springMaterialModulus(SpringMaterialRows::Short, material, Modulus::G);
    start.e = springMaterialModulus(SpringMaterialRows::Short, material, Modulus::E);
    ui::calculate(this, kInputs, kRead, start, &finewire::balanceBar, kShow);
}

SPIRELTA_REGISTER_FORM(Form80)
