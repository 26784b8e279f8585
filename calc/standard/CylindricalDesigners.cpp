// The compression, torsion and extension designers: cylindrical springs, solved also for the
// mean diameter when the user types text 2291 into Combo1 or picks it as the list's last item.

#include "calc/standard/StandardDesigners.h"
#include "calc/standard/StandardFormulas.h"
#include "common/ui/FormRegistry.h"

namespace {

using standard::DesignerChoice;
using standard::DesignerGroup;
using standard::DesignerTable;
using standard::Quantities;
using standard::SolveFor;

// The load group's caption is the window's own: pressure (1817) or tension (1825).
std::vector<DesignerGroup> heightGroups(int loadCaptionId) {
    return {
        {{.field = "Text3",
          .captionId = 1815,
          .unit = "mm",
          .messageId = 1333,
          .caption = "Label8",
          .unitName = "Label10"},
         &Quantities::d},
        {{.field = "Text4", .captionId = 1369, .unit = "mm", .caption = "Label11", .unitName = "Label12"},
         &Quantities::freeHeight},
        {{.field = "Text5", .captionId = 1332, .unit = "mm", .caption = "Label13", .unitName = "Label14"},
         &Quantities::meanDiameter},
        {{.field = "Text6", .captionId = 1816, .unit = "mm", .caption = "Label15", .unitName = "Label16"},
         &Quantities::loadedHeight},
        {{.field = "Text7", .captionId = 1373, .unit = "T", .caption = "Label17", .unitName = "Label18"},
         &Quantities::activeCoils},
        {{.field = "Text8",
          .captionId = loadCaptionId,
          .unit = "Kgf",
          .caption = "Label19",
          .unitName = "Label20"},
         &Quantities::load},
    };
}

// Compression and extension list the same choices; only the fourth text differs.
std::vector<DesignerChoice> heightChoices(int loadChoiceId) {
    return {
        {2287,
         SolveFor::WireDiameter,
         "mm",
         "0.00",
         {"Text3"},
         {"Text4", "Text5", "Text6", "Text7", "Text8"}},
        {2288, SolveFor::ActiveCoils, "T", "0.00", {"Text7"}, {"Text3", "Text4", "Text5", "Text6", "Text8"}},
        {2289, SolveFor::Rate, "", "0.0000", {"Text4", "Text6", "Text8"}, {"Text3", "Text5", "Text7"}},
        {loadChoiceId,
         SolveFor::Load,
         "",
         "0.0000",
         {"Text8"},
         {"Text3", "Text4", "Text5", "Text6", "Text7"}},
        {2291,
         SolveFor::MeanDiameter,
         "mm",
         "0.00",
         {"Text5"},
         {"Text3", "Text4", "Text6", "Text7", "Text8"}},
    };
}

const DesignerTable kCompression = {
    .className = "Form65",
    .captionId = 1053,
    .resultCaptionId = 1360,
    .modulus = Modulus::G,
    .modulusCaptionId = 1567,
    .loadUnitLabel = "Label20",
    .stepsHeading = "Label22",
    .stepsText = "Label21",
    .groups = heightGroups(1817),
    .choices = heightChoices(2290),
    .solveOrder = {2289, 2287, 2291, 2288, 2290},
    .solve = standard::compressionSolve,
};

const DesignerTable kTorsion = {
    .className = "Form66",
    .captionId = 1054,
    .resultCaptionId = 1812,
    .modulus = Modulus::E,
    .modulusCaptionId = 1562,
    .loadUnitLabel = "Label21",
    .stepsHeading = "Label26",
    .stepsText = "Label25",
    .groups =
        {
            {{.field = "Text3",
              .captionId = 1815,
              .unit = "mm",
              .messageId = 1333,
              .caption = "Label8",
              .unitName = "Label10"},
             &Quantities::d},
            {{.field = "Text4", .captionId = 1822, .unit = "mm", .caption = "Label11", .unitName = "Label12"},
             &Quantities::supportLeg},
            {{.field = "Text5", .captionId = 1332, .unit = "mm", .caption = "Label13", .unitName = "Label14"},
             &Quantities::meanDiameter},
            {{.field = "Text6", .captionId = 1821, .unit = "mm", .caption = "Label15", .unitName = "Label16"},
             &Quantities::forceLeg},
            {{.field = "Text7", .captionId = 1373, .unit = "T", .caption = "Label17", .unitName = "Label18"},
             &Quantities::activeCoils},
            {{.field = "Text8", .captionId = 1820, .unit = "mm", .caption = "Label19", .unitName = "Label20"},
             &Quantities::loadPoint},
            {{.field = "Text9",
              .captionId = 1823,
              .unit = "Kgf",
              .caption = "Label22",
              .unitName = "Label21"},
             &Quantities::load},
            {{.field = "Text10", .captionId = 1824, .unit = "°", .caption = "Label23", .unitName = "Label24"},
             &Quantities::angle},
        },
    .choices =
        {
            {2287,
             SolveFor::WireDiameter,
             "mm",
             "0.00",
             {"Text3"},
             {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10"}},
            {2288,
             SolveFor::ActiveCoils,
             "T",
             "0.00",
             {"Text7"},
             {"Text3", "Text4", "Text5", "Text6", "Text8", "Text9", "Text10"}},
            {2289,
             SolveFor::Rate,
             "",
             "0.0000",
             {"Text8", "Text9", "Text10"},
             {"Text3", "Text4", "Text5", "Text6", "Text7"}},
            {2293,
             SolveFor::Load,
             "",
             "0.0000",
             {"Text9"},
             {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text10"}},
            {2291,
             SolveFor::MeanDiameter,
             "mm",
             "0.00",
             {"Text5"},
             {"Text3", "Text4", "Text6", "Text7", "Text8", "Text9", "Text10"}},
        },
    .solveOrder = {2287, 2291, 2288, 2289, 2293},
    .solve = standard::torsionSolve,
};

const DesignerTable kExtension = {
    .className = "Form67",
    .captionId = 1056,
    .resultCaptionId = 1812,
    .modulus = Modulus::G,
    .modulusCaptionId = 1567,
    .loadUnitLabel = "Label20",
    .stepsHeading = "Label22",
    .stepsText = "Label21",
    .groups = heightGroups(1825),
    .choices = heightChoices(2292),
    .solveOrder = {2289, 2287, 2291, 2288, 2292},
    .solve = standard::extensionSolve,
};

} // namespace

Form65::Form65() : StandardDesignerFrame(kCompression) {}
Form66::Form66() : StandardDesignerFrame(kTorsion) {}
Form67::Form67() : StandardDesignerFrame(kExtension) {}

SPIRELTA_REGISTER_FORM(Form65)
SPIRELTA_REGISTER_FORM(Form66)
SPIRELTA_REGISTER_FORM(Form67)
