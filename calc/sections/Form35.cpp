#include "calc/sections/Form35.h"

#include "calc/sections/EqualPitchBarrelSpring.h"
#include "calc/sections/WireSectionFrame.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"
#include "common/ui/PictureWithLabels.h"

#include <QVBoxLayout>

namespace {

using equalpitchbarrel::Inputs;
using equalpitchbarrel::Results;

// The wire is named by text 1333 when it is missing, though its label shows 1815.
const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1815,
     .unit = "mm",
     .defaultText = "0.8",
     .messageId = 1333,
     .caption = "Label1_0",
     .unitName = "Label1_15"},
    {.field = "Text1_1",
     .captionId = 1520,
     .unit = "mm",
     .defaultText = "6",
     .caption = "Label1_1",
     .unitName = "Label1_14"},
    {.field = "Text1_2",
     .captionId = 1521,
     .unit = "mm",
     .defaultText = "11.5",
     .caption = "Label1_2",
     .unitName = "Label1_13"},
    {.field = "Text1_3",
     .captionId = 1373,
     .unit = "T",
     .defaultText = "6",
     .caption = "Label1_3",
     .unitName = "Label1_12"},
    {.field = "Text1_4",
     .captionId = 1369,
     .unit = "mm",
     .defaultText = "17",
     .caption = "Label1_6",
     .unitName = "Label1_16"},
    {.field = "Text1_5",
     .captionId = 1680,
     .unit = "mm",
     .defaultText = "14",
     .caption = "Label1_19",
     .unitName = "Label1_18"},
};

// From top to bottom as on the window; the working load shows in N and, below, in kgf.
const ui::ResultRow kResults[] = {
    {.box = "Text1_6", .captionId = 1921, .caption = "Label1_5", .unit = "N/mm", .unitName = "Label1_11"},
    {.box = "Text1_7", .captionId = 1922, .caption = "Label1_7", .unit = "N ", .unitName = "Label1_9"},
    {.box = "Text1_8", .unit = "Kgf", .unitName = "Label1_17"},
    {.box = "Text1_9", .captionId = 1920, .caption = "Label1_4", .unit = "N", .unitName = "Label1_10"},
    {.box = "Text1_11", .captionId = 2433, .caption = "Label1_22", .unit = "mm", .unitName = "Label1_23"},
    {.box = "Text1_10", .captionId = 1923, .caption = "Label1_21", .unit = "N", .unitName = "Label1_20"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::endDiameter},
    {"Text1_2", &Inputs::middleDiameter},
    {"Text1_3", &Inputs::activeCoils},
    {"Text1_4", &Inputs::freeHeight},
    {"Text1_5", &Inputs::workingHeight},
};

const ui::Shown<Results> kShown[] = {
    {"Text1_6", &Results::rateN, "0.00"},
    {"Text1_7", &Results::workingLoadN, "0.00"},
    {"Text1_8", &Results::workingLoadKgf, "0.00"},
    {"Text1_9", &Results::contactLoadN, "0.00"},
    {"Text1_11", &Results::contactDeflection, "0.00"},
    {"Text1_10", &Results::solidLoadN, "0.00"},
};

// The spring with its measures, and the load-deflection sketch whose two point labels echo the
// contact-start load and the load with all coils closed.
QWidget* pictures(FormBase* form) {
    auto* side = new QWidget(form);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(wiresection::picture(form, "barrel-spring.svg"));
    column->addWidget(ui::sketch(side, QStringLiteral(":/pictures/sections/barrel-load.svg"), 3000, 2400,
                                 {{"Label10", "N", 60, 60},
                                  {"Label58", "mm", 2700, 2150},
                                  {"Label62", "F1", 700, 2150},
                                  {"Label24", "Fz", 1400, 2150},
                                  {"Label2", "Fb", 2300, 2150},
                                  {"Label3", "Fz", 1500, 1100},
                                  {"Label11", "fb", 2400, 250}},
                                 QStringLiteral("Diagram")));
    column->addStretch();
    return side;
}

} // namespace

Form35::Form35() : FormBase(QStringLiteral("Form35")) {
    wiresection::build(
        this,
        {.captionId = 1058,
         .materialLabel = "Label1_8",
         .materials = springMaterialNames(SpringMaterialRows::All),
         .inputs = kInputs,
         .results = kResults,
         .inputFrameId = 1366,
         .exitButton = "Command3",
         .side = pictures(this)},
        [this] { calculate(); },
        // The verdict and the sketch labels keep what the last calculation wrote.
        [this] { clearFields(ui::fieldNames(kInputs) + ui::shownNames(kShown)); });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown) +
            QStringList{QStringLiteral("Label3"), QStringLiteral("Label11")});
}

void Form35::calculate() {
    const double g = springMaterialModulus(SpringMaterialRows::All, text(QStringLiteral("Combo1")));
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.g = g;
    Results r;
    // Each sketch label echoes its box as soon as the box is written.
    auto show = [&] {
        ui::showKnown(this, r, kShown);
        if (r.contactLoadN)
            setText(QStringLiteral("Label3"), text(QStringLiteral("Text1_9")) + u'N');
        if (r.solidLoadN)
            setText(QStringLiteral("Label11"), text(QStringLiteral("Text1_10")) + u'N');
        if (r.beyondContact)
            setText(QStringLiteral("Label1_7"), StringTable::text(*r.beyondContact ? 2267 : 2268));
    };
    ui::computeThenShow([&] { equalpitchbarrel::compute(in, r); }, show);
}

SPIRELTA_REGISTER_FORM(Form35)
