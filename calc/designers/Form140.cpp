// Quick torsion designer: from two working points given as leg angle and load, the load arm,
// the legs, the inner diameter and the modulus it finds the coils that give the required rate
// for an estimated wire diameter, live, until the coil count reads OK. Leg angles may be
// negative, so its fields take "-" and refuse other keys without a word.

#include "calc/designers/QuickDesign.h"
#include "calc/designers/QuickDesignerFrame.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using quick::Reading;
using quick::TorsionInputs;
using quick::TorsionResults;

// Label1(6) names the first leg in the sixth row and Label1(5) the load arm in the seventh.
const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1496,
     .unit = "°",
     .defaultText = "18.22",
     .caption = "Label1_0",
     .unitName = "Label2_1"},
    {.field = "Text1_1", .captionId = 1967, .defaultText = "2.083", .caption = "Label1_1"},
    {.field = "Text1_2",
     .captionId = 1497,
     .unit = "°",
     .defaultText = "-12.78",
     .caption = "Label1_2",
     .unitName = "Label2_3"},
    {.field = "Text1_3", .captionId = 1965, .defaultText = "5.52", .caption = "Label1_3"},
    {.field = "Text1_4",
     .captionId = 1626,
     .unit = "mm",
     .defaultText = "3.4",
     .caption = "Label1_4",
     .unitName = "Label2_0"},
    {.field = "Text1_5",
     .captionId = 1494,
     .unit = "mm",
     .defaultText = "9",
     .caption = "Label1_6",
     .unitName = "Label2_13"},
    {.field = "Text1_6",
     .captionId = 1493,
     .unit = "mm",
     .defaultText = "9.31",
     .caption = "Label1_5",
     .unitName = "Label2_2"},
    {.field = "Text1_7",
     .captionId = 1495,
     .unit = "mm",
     .defaultText = "9",
     .caption = "Label1_7",
     .unitName = "Label2_4"},
    {.field = "Text1_8", .captionId = 2454, .defaultText = "186000", .caption = "Label1_8"},
    {.field = "Text1_9", .captionId = 2141, .unit = "mm", .caption = "Label1_9", .unitName = "Label2_17"},
};

const quick::ResultRow kResults[] = {
    {"Label3_0", 1333, "Text2_0", "Label2_5", "mm"},
    {"Label3_1", 1469, "Text2_1", "Label2_6", "mm"},
    {"Label3_2", 1332, "Text2_2", "Label2_7", "mm"},
    {"Label3_3", 1626, "Text2_3", "Label2_8", "mm"},
    {"Label3_4", 1938, "Text2_4", "Label2_9", "mm"},
    {"Label3_5", 1480, "Text2_5", "Label2_10", "T"},
    {"Label3_6", 2034, "Text2_6", "Label2_11", "°"},
    {"Label3_7", 1492, "Text2_7", "Label2_12", "mm"},
    {"Label3_8", 2031, "Text2_8"},
    {"Label3_9", 2032, "Text2_9"},
};

const quick::Tip kTips[] = {
    {"Text1_1", 0, "不确定时,一般(0.1-0.5)P2"},
    {"Text1_9", 2466},
};

const char* const kRequired[] = {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4",
                                 "Text1_5", "Text1_6", "Text1_7", "Text1_8"};

const quick::Read<TorsionInputs> kRead[] = {
    {"Text1_0", &TorsionInputs::installedAngle, Reading::Lenient},
    {"Text1_1", &TorsionInputs::installedLoad, Reading::Strict},
    {"Text1_2", &TorsionInputs::workingAngle, Reading::Lenient},
    {"Text1_3", &TorsionInputs::workingLoad, Reading::Strict},
    {"Text1_4", &TorsionInputs::innerDiameter, Reading::Strict},
    {"Text1_5", &TorsionInputs::leg1, Reading::Strict},
    {"Text1_6", &TorsionInputs::loadArm, Reading::Strict},
    {"Text1_7", &TorsionInputs::leg2, Reading::Strict},
    {"Text1_8", &TorsionInputs::youngsModulus, Reading::Strict},
};

const ui::Out<TorsionResults> kShow[] = {
    {"Text2_0", &TorsionResults::wireDiameter},
    {"Text2_1", &TorsionResults::outerDiameter},
    {"Text2_2", &TorsionResults::meanDiameter},
    {"Text2_3", &TorsionResults::innerDiameter, "0.0"},
    {"Text2_4", &TorsionResults::solidHeight, "0.00"},
    {"Text2_5", &TorsionResults::activeCoils, "0.00"},
    {"Text2_6", &TorsionResults::freeAngle, "0.00"},
    {"Text2_7", &TorsionResults::woundInnerDiameter, "0.00"},
    {"Text2_8", &TorsionResults::installedTorque, "0.00"},
    {"Text2_9", &TorsionResults::workingTorque, "0.00"},
};

QString verdictText(quick::CoilVerdict verdict) {
    switch (verdict) {
    case quick::CoilVerdict::Ok:
        return QStringLiteral("OK");
    case quick::CoilVerdict::TooFew:
        return QStringLiteral("NG");
    case quick::CoilVerdict::TooMany:
        break;
    }
    return QStringLiteral("n太多");
}

} // namespace

class Form140 : public quick::QuickDesignerFrame {
public:
    Form140() : QuickDesignerFrame(QStringLiteral("Form140"), 2452) {
        build(kInputs, kResults, "Label6", 2462,
              {":/pictures/designers/quick-torsion-space.svg", ":/pictures/designers/youngs-moduli.svg",
               "材料纵弹性系数表"},
              {.estimates = {"Text1_9"},
               .keyResults = {"Text2_4", "Text2_5", "Text2_6"},
               .redLabels = {"Label2_10"},
               .redFields = {"Text1_3"}},
              kTips);
        declare(quick::readNames<TorsionInputs>(kRead) + ui::controlNames(kShow));
        start(NumericFieldKeys::Filter::SignedQuiet);
    }

private:
    void recompute() override {
        if (!allFilled(kRequired))
            return;
        // The known conditions are read before the wire is looked at.
        TorsionInputs in = readAll<TorsionInputs>(kRead);
        if (isEmpty(QStringLiteral("Text1_9")))
            return;
        in.wireDiameter = readSingle("Text1_9", Reading::Lenient);
        const TorsionResults r = quick::compute(in);
        ui::show(this, r, kShow);
        setText(QStringLiteral("Label2_10"), verdictText(r.coils));
    }
};

SPIRELTA_REGISTER_FORM(Form140)
