// The conical, barrel and hourglass designers: springs described by a large and a small mean
// diameter. They solve for four quantities only; the frame is the same as the cylindrical
// designers'.

#include "calc/standard/ShapedSpringFormulas.h"
#include "calc/standard/StandardDesigners.h"
#include "common/ui/FormRegistry.h"

namespace {

using standard::DesignerTable;
using standard::Quantities;
using standard::SolveFor;

DesignerTable shapedTable(const char* className, int captionId, float (*solve)(SolveFor, const Quantities&)) {
    return {
        .className = className,
        .captionId = captionId,
        .resultCaptionId = 1812,
        .modulus = Modulus::G,
        .modulusCaptionId = 1567,
        .loadUnitLabel = "Label20",
        .stepsHeading = "Label22",
        .stepsText = "Label21",
        .groups =
            {
                {{.field = "Text3",
                  .captionId = 1815,
                  .unit = "mm",
                  .messageId = 1333,
                  .caption = "Label8",
                  .unitName = "Label10"},
                 &Quantities::d},
                {{.field = "Text4",
                  .captionId = 1641,
                  .unit = "mm",
                  .caption = "Label11",
                  .unitName = "Label12"},
                 &Quantities::largeMeanDiameter},
                {{.field = "Text5",
                  .captionId = 1373,
                  .unit = "T",
                  .caption = "Label13",
                  .unitName = "Label14"},
                 &Quantities::activeCoils},
                {{.field = "Text6",
                  .captionId = 1584,
                  .unit = "mm",
                  .caption = "Label15",
                  .unitName = "Label16"},
                 &Quantities::deflection},
                {{.field = "Text7",
                  .captionId = 1640,
                  .unit = "mm",
                  .caption = "Label17",
                  .unitName = "Label18"},
                 &Quantities::smallMeanDiameter},
                {{.field = "Text8",
                  .captionId = 1817,
                  .unit = "Kgf",
                  .caption = "Label19",
                  .unitName = "Label20"},
                 &Quantities::load},
            },
        .choices =
            {
                {2287,
                 SolveFor::WireDiameter,
                 "mm",
                 "0.00",
                 {"Text3"},
                 {"Text4", "Text5", "Text6", "Text7", "Text8"}},
                {2288,
                 SolveFor::ActiveCoils,
                 "T",
                 "0.00",
                 {"Text5"},
                 {"Text3", "Text4", "Text6", "Text7", "Text8"}},
                {2289,
                 SolveFor::Rate,
                 "",
                 "0.0000",
                 {"Text6", "Text8"},
                 {"Text3", "Text4", "Text5", "Text7"}},
                {2290,
                 SolveFor::Load,
                 "",
                 "0.0000",
                 {"Text8"},
                 {"Text3", "Text4", "Text5", "Text6", "Text7"}},
            },
        .solveOrder = {2287, 2288, 2289, 2290},
        .solve = solve,
    };
}

const DesignerTable kConical = shapedTable("Form68", 1057, standard::conicalSolve);
const DesignerTable kBarrel = shapedTable("Form69", 1058, standard::barrelSolve);
const DesignerTable kHourglass = shapedTable("Form86", 1059, standard::hourglassSolve);

} // namespace

Form68::Form68() : StandardDesignerFrame(kConical) {}
Form69::Form69() : StandardDesignerFrame(kBarrel) {}
Form86::Form86() : StandardDesignerFrame(kHourglass) {}

SPIRELTA_REGISTER_FORM(Form68)
SPIRELTA_REGISTER_FORM(Form69)
SPIRELTA_REGISTER_FORM(Form86)
