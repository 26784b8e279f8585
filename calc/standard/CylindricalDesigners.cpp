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
        {"Label8", 1815, "Text3", "Label10", "mm", 1333, &Quantities::d},
        {"Label11", 1369, "Text4", "Label12", "mm", 1369, &Quantities::freeHeight},
        {"Label13", 1332, "Text5", "Label14", "mm", 1332, &Quantities::meanDiameter},
        {"Label15", 1816, "Text6", "Label16", "mm", 1816, &Quantities::loadedHeight},
        {"Label17", 1373, "Text7", "Label18", "T", 1373, &Quantities::activeCoils},
        {"Label19", loadCaptionId, "Text8", "Label20", "Kgf", loadCaptionId, &Quantities::load},
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
    .fixedCaptions = {},
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
            {"Label8", 1815, "Text3", "Label10", "mm", 1333, &Quantities::d},
            {"Label11", 1822, "Text4", "Label12", "mm", 1822, &Quantities::supportLeg},
            {"Label13", 1332, "Text5", "Label14", "mm", 1332, &Quantities::meanDiameter},
            {"Label15", 1821, "Text6", "Label16", "mm", 1821, &Quantities::forceLeg},
            {"Label17", 1373, "Text7", "Label18", "T", 1373, &Quantities::activeCoils},
            {"Label19", 1820, "Text8", "Label20", "mm", 1820, &Quantities::loadPoint},
            {"Label22", 1823, "Text9", "Label21", "Kgf", 1823, &Quantities::load},
            {"Label23", 1824, "Text10", "Label24", "", 1824, &Quantities::angle},
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
    .fixedCaptions = {{"Label24", "°"}},
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
    .fixedCaptions = {},
    .solve = standard::extensionSolve,
};

} // namespace

Form65::Form65() : StandardDesignerFrame(kCompression) {}
Form66::Form66() : StandardDesignerFrame(kTorsion) {}
Form67::Form67() : StandardDesignerFrame(kExtension) {}

SPIRELTA_REGISTER_FORM(Form65)
SPIRELTA_REGISTER_FORM(Form66)
SPIRELTA_REGISTER_FORM(Form67)
