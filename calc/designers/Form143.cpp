// Compression spring from rate, deflection and mean diameter: for a load class, a modulus,
// the rate and the working deflection it designs the spring around an estimated mean and wire
// diameter, live, until the pitch lies in its usual band of the mean diameter.

#include "calc/designers/QuickDesign.h"
#include "calc/designers/QuickDesignerFrame.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using quick::RateInputs;
using quick::RateResults;
using quick::Reading;

const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1959,
     .unit = "I:  0.2  II: 0.5  III:0.8",
     .defaultText = "0.5",
     .caption = "Label1_0",
     .unitName = "Label2_1"},
    {.field = "Text1_1", .captionId = 1567, .defaultText = "78000", .caption = "Label1_1"},
    {.field = "Text1_2", .captionId = 1362, .defaultText = "19", .caption = "Label1_2"},
    {.field = "Text1_3",
     .captionId = 1871,
     .unit = "mm",
     .defaultText = "10",
     .caption = "Label1_3",
     .unitName = "Label2_4"},
    {.field = "Text1_4", .captionId = 1332, .unit = "mm", .caption = "Label1_4", .unitName = "Label2_0"},
    {.field = "Text1_5", .captionId = 2141, .unit = "mm", .caption = "Label1_5", .unitName = "Label2_14"},
};

const quick::ResultRow kResults[] = {
    {"Label3_0", 2102, "Text2_0", "Label2_5", "mm"},
    {"Label3_1", 1332, "Text2_1", "Label2_6", "mm"},
    {"Label3_2", 1469, "Text2_2", "Label2_7", "mm"},
    {"Label3_3", 1373, "Text2_3", "Label2_8", "T"},
    {"Label3_4", 1331, "Text2_4", "Label2_9", "T"},
    {"Label3_5", 1918, "Text2_5", "Label2_10", "mm", "Label2_15"},
    {"Label3_6", 1369, "Text2_6", "Label2_11", "mm"},
    {"Label3_7", 2194, "Text2_7", "Label2_12", "mm"},
    {"Label3_8", 1424, "Text2_8", "Label2_13", "mm"},
    {"Label3_9", 2259, "Text2_9", "Label2_2", "g"},
};

const char* const kRequired[] = {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5"};

const quick::Read<RateInputs> kRead[] = {
    {"Text1_0", &RateInputs::loadClassFactor, Reading::Lenient},
    {"Text1_1", &RateInputs::shearModulus, Reading::Lenient},
    {"Text1_2", &RateInputs::rate, Reading::Lenient},
    {"Text1_3", &RateInputs::deflection, Reading::Lenient},
    {"Text1_4", &RateInputs::meanDiameter, Reading::Lenient},
    {"Text1_5", &RateInputs::wireDiameter, Reading::Lenient},
};

const ui::Out<quick::RateDiameters> kShowDiameters[] = {
    {"Text2_0", &quick::RateDiameters::inner},
    {"Text2_1", &quick::RateDiameters::mean},
    {"Text2_2", &quick::RateDiameters::outer},
};

const ui::Out<RateResults> kShowCoils[] = {
    {"Text2_3", &RateResults::activeCoils, "0.0"},
    {"Text2_4", &RateResults::totalCoils, "0.0"},
    {"Text2_5", &RateResults::pitch, "0.0"},
};

const ui::Out<RateResults> kShowHeights[] = {
    {"Text2_6", &RateResults::freeHeight, "0.0"},
    {"Text2_7", &RateResults::solidHeight, "0.0"},
    {"Text2_8", &RateResults::maxDeflection, "0.0"},
    {"Text2_9", &RateResults::weight, "0.0"},
};

} // namespace

class Form143 : public quick::QuickDesignerFrame {
public:
    Form143() : QuickDesignerFrame(QStringLiteral("Form143"), 2467) {
        build(kInputs, kResults, "Label1_6", 2468,
              {":/pictures/designers/quick-compression-space.svg", ":/pictures/designers/shear-moduli.svg",
               "材料横弹性系数表"},
              {.estimates = {"Text1_4", "Text1_5"},
               .keyResults = {"Text2_5", "Text2_9"},
               .redLabels = {"Label1_6", "Label2_2", "Label2_10", "Label2_15"},
               .redFields = {"Text1_3"}},
              {});
        declare(quick::readNames<RateInputs>(kRead) + ui::controlNames(kShowDiameters) +
                ui::controlNames(kShowCoils) + ui::controlNames(kShowHeights));
        start();
    }

private:
    void recompute() override {
        if (!allFilled(kRequired))
            return;
        const RateInputs in = readAll<RateInputs>(kRead);
        // The diameters come from the wire as typed and are shown before anything can fail.
        ui::show(this, quick::typedDiameters(in), kShowDiameters);
        const RateResults r = quick::compute(in);
        ui::show(this, r, kShowCoils);
        showRange("Label2_15", num::format(r.pitchLow, u"0.0"), num::format(r.pitchHigh, u"0.0"));
        ui::show(this, r, kShowHeights);
        showVerdict("Label2_10", r.pitchOk);
    }
};

SPIRELTA_REGISTER_FORM(Form143)
