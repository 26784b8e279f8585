#include "calc/noncoil/Form77.h"

#include "calc/noncoil/FineWireFormWindow.h"
#include "common/ui/FormRegistry.h"

namespace {

using finewire::CirclipInputs;

// The labels of the angle and spread rows are Label1_4 and Label1_3, crosswise to the fields.
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1815, .unit = "mm", .caption = "Label1_0", .unitName = "Label2_0"},
    {.field = "Text1_1", .captionId = 1890, .unit = "mm", .caption = "Label1_1", .unitName = "Label2_1"},
    {.field = "Text1_2", .captionId = 1889, .unit = "mm", .caption = "Label1_2", .unitName = "Label2_2"},
    {.field = "Text1_3", .captionId = 1887, .unit = "°", .caption = "Label1_4", .unitName = "Label2_3"},
    {.field = "Text1_4", .captionId = 1888, .unit = "mm", .caption = "Label1_3", .unitName = "Label2_4"},
};

const ui::In<CirclipInputs> kRead[] = {
    {"Text1_0", &CirclipInputs::d}, {"Text1_1", &CirclipInputs::r},
    {"Text1_2", &CirclipInputs::k}, {"Text1_3", &CirclipInputs::openingAngle},
    {"Text1_4", &CirclipInputs::g},
};

} // namespace

Form77::Form77() : FormBase(QStringLiteral("Form77")) {
    finewire::buildFormWindow(this,
                              {.captionId = 1090,
                               .inputs = kInputs,
                               .materials = ShortListOrder::TableFirst,
                               .picture = ":/pictures/noncoil/circlip.svg"},
                              [this] { calculate(); });
    declare(ui::controlNames(kRead));
}

void Form77::calculate() {
    finewire::calculateForm(this, kInputs, kRead, &finewire::circlip);
}

SPIRELTA_REGISTER_FORM(Form77)
