// Quick extension designer: from the installed and the working point of a hooked extension
// spring, its inner diameter and the modulus it designs the spring around an estimated wire
// diameter, live, until the free length, the coil count and the initial tension read OK.

#include "calc/designers/QuickDesign.h"
#include "calc/designers/QuickDesignerFrame.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using quick::ExtensionInputs;
using quick::ExtensionResults;
using quick::Reading;

// Label1(6) names the modulus in the fifth row and Label1(5) the wire in the sixth.
const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1372,
     .unit = "mm",
     .defaultText = "34",
     .caption = "Label1_0",
     .unitName = "Label2_1"},
    {.field = "Text1_1", .captionId = 1363, .defaultText = "40", .caption = "Label1_1"},
    {.field = "Text1_2",
     .captionId = 1370,
     .unit = "mm",
     .defaultText = "39",
     .caption = "Label1_2",
     .unitName = "Label2_3"},
    {.field = "Text1_3", .captionId = 1361, .defaultText = "60", .caption = "Label1_3"},
    {.field = "Text1_4",
     .captionId = 1626,
     .unit = "mm",
     .defaultText = "7.8",
     .caption = "Label1_4",
     .unitName = "Label2_0"},
    {.field = "Text1_5", .captionId = 2453, .defaultText = "69000", .caption = "Label1_6"},
    {.field = "Text1_6", .captionId = 2141, .unit = "mm", .caption = "Label1_5", .unitName = "Label2_2"},
};

const quick::ResultRow kResults[] = {
    {"Label3_0", 1333, "Text2_0", "Label2_5", "mm"},
    {"Label3_1", 1469, "Text2_1", "Label2_6", "mm"},
    {"Label3_2", 1332, "Text2_2", "Label2_7", "mm"},
    {"Label3_3", 1626, "Text2_3", "Label2_8", "mm"},
    {"Label3_4", 1369, "Text2_4", "Label2_9", "mm"},
    {"Label3_5", 2138, "Text2_5", "Label2_10", "T"},
    {"Label3_6", 2460, "Text2_6"},
    {"Label3_7", 2461, "Text2_7"},
    {"Label3_8", 1569, "Text2_8", "Label2_13", "--"},
};

const quick::Tip kTips[] = {
    {"Text1_1", 0, "不确定时,一般(0.1-0.5)P2"},
    {"Text1_6", 2465},
    {"Text2_8", 0, "小于0不行!"},
};

const char* const kRequired[] = {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5"};

const quick::Read<ExtensionInputs> kRead[] = {
    {"Text1_0", &ExtensionInputs::installedLength, Reading::Strict},
    {"Text1_1", &ExtensionInputs::installedLoad, Reading::Strict},
    {"Text1_2", &ExtensionInputs::workingLength, Reading::Strict},
    {"Text1_3", &ExtensionInputs::workingLoad, Reading::Strict},
    {"Text1_4", &ExtensionInputs::innerDiameter, Reading::Strict},
    {"Text1_5", &ExtensionInputs::shearModulus, Reading::Strict},
};

const ui::Out<ExtensionResults> kShow[] = {
    {"Text2_0", &ExtensionResults::wireDiameter},
    {"Text2_1", &ExtensionResults::outerDiameter, "0.0"},
    {"Text2_2", &ExtensionResults::meanDiameter, "0.0"},
    {"Text2_3", &ExtensionResults::innerDiameter},
    {"Text2_4", &ExtensionResults::freeLength, "0.0"},
    {"Text2_5", &ExtensionResults::activeCoils, "0.0"},
    {"Text2_6", &ExtensionResults::requiredRate, "0.0"},
    {"Text2_7", &ExtensionResults::rate, "0.00"},
    {"Text2_8", &ExtensionResults::initialTension, "0.00"},
};

} // namespace

class Form122 : public quick::QuickDesignerFrame {
public:
    Form122() : QuickDesignerFrame(QStringLiteral("Form122"), 2451) {
        build(kInputs, kResults, "Label6", 2462,
              {":/pictures/designers/quick-extension-space.svg", ":/pictures/designers/shear-moduli.svg",
               "材料横弹性系数表"},
              {.estimates = {"Text1_6"},
               .keyResults = {"Text2_4", "Text2_5", "Text2_8"},
               .redLabels = {"Label2_9", "Label2_10", "Label2_13"},
               .redFields = {}},
              kTips);
        declare(quick::readNames<ExtensionInputs>(kRead) + ui::controlNames(kShow));
        start();
    }

private:
    void recompute() override {
        if (!allFilled(kRequired))
            return;
        // The known conditions are read before the wire is looked at.
        ExtensionInputs in = readAll<ExtensionInputs>(kRead);
        if (isEmpty(QStringLiteral("Text1_6")))
            return;
        in.wireDiameter = readSingle("Text1_6", Reading::Lenient);
        const ExtensionResults r = quick::compute(in);
        ui::show(this, r, kShow);
        showVerdict("Label2_9", r.freeLengthOk);
        showVerdict("Label2_10", r.coilsOk);
        showVerdict("Label2_13", r.initialTensionOk);
    }
};

SPIRELTA_REGISTER_FORM(Form122)
