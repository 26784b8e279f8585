#include "calc/noncoil/Form78.h"

#include "calc/noncoil/FineWireFormWindow.h"
#include "common/ui/FormRegistry.h"

namespace {

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

const ui::In<SerpentineInputs> kRead[] = {
    {"Text1_0", &SerpentineInputs::d},        {"Text1_1", &SerpentineInputs::r},
    {"Text1_2", &SerpentineInputs::straight}, {"Text1_3", &SerpentineInputs::crests},
    {"Text1_4", &SerpentineInputs::stretch},
};

} // namespace

Form78::Form78() : FormBase(QStringLiteral("Form78")) {
    finewire::buildFormWindow(this,
                              {.captionId = 1091,
                               .inputs = kInputs,
                               .materials = ShortListOrder::Steels,
                               .picture = ":/pictures/noncoil/serpentine.svg"},
                              [this] { calculate(); });
    declare(ui::controlNames(kRead));
}

void Form78::calculate() {
    finewire::calculateForm(this, kInputs, kRead, &finewire::serpentine);
}

SPIRELTA_REGISTER_FORM(Form78)
