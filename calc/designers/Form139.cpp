// Quick compression designer: from the installed and the working point, the outer diameter
// and the modulus it designs a compression spring around an estimated wire diameter (and, if
// the user likes, a coil count), live, until Hb, P1' and t read OK.

#include "calc/designers/QuickDesign.h"
#include "calc/designers/QuickDesignerFrame.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using quick::CompressionInputs;
using quick::CompressionResults;
using quick::Reading;

// Label1(6) names the modulus in the fifth row and Label1(5) the wire in the sixth: the
// captions sit crossed over their fields, as the window has always had them.
const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1372,
     .unit = "mm",
     .defaultText = "20",
     .caption = "Label1_0",
     .unitName = "Label2_1"},
    {.field = "Text1_1", .captionId = 1363, .defaultText = "15", .caption = "Label1_1"},
    {.field = "Text1_2",
     .captionId = 1370,
     .unit = "mm",
     .defaultText = "14",
     .caption = "Label1_2",
     .unitName = "Label2_3"},
    {.field = "Text1_3", .captionId = 1361, .defaultText = "20", .caption = "Label1_3"},
    {.field = "Text1_4",
     .captionId = 1469,
     .unit = "mm",
     .defaultText = "31.5",
     .caption = "Label1_4",
     .unitName = "Label2_0"},
    {.field = "Text1_5", .captionId = 2453, .defaultText = "78000", .caption = "Label1_6"},
    {.field = "Text1_6", .captionId = 2141, .unit = "mm", .caption = "Label1_5", .unitName = "Label2_2"},
    {.field = "Text1_7", .captionId = 2138, .need = ui::Need::Optional, .caption = "Label1_7"},
};

const quick::ResultRow kResults[] = {
    {"Label3_0", 1333, "Text2_0", "Label2_5", "mm"},
    {"Label3_1", 1469, "Text2_1", "Label2_6", "mm"},
    {"Label3_2", 1332, "Text2_2", "Label2_7", "mm"},
    {"Label3_3", 1626, "Text2_3", "Label2_8", "mm"},
    {"Label3_4", 1369, "Text2_4", "Label2_9", "mm"},
    {"Label3_5", 1331, "Text2_5", "Label2_10", "T"},
    {"Label3_6", 1425, "Text2_6", "Label2_11", "mm"},
    {"Label3_7", 2455, "Text2_7", "Label2_12", "--", "Label2_15"},
    {"Label3_8", 1918, "Text2_8", "Label2_13", "--", "Label2_16"},
};

const quick::Tip kTips[] = {
    {"Text1_1", 0, "不确定时,一般(0.1-0.5)P2"},
    {"Text1_6", 2463},
    {"Text1_7", 2464},
};

const char* const kRequired[] = {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Text1_6"};

const quick::Read<CompressionInputs> kRead[] = {
    {"Text1_0", &CompressionInputs::installedHeight, Reading::Strict},
    {"Text1_1", &CompressionInputs::installedLoad, Reading::Strict},
    {"Text1_2", &CompressionInputs::workingHeight, Reading::Strict},
    {"Text1_3", &CompressionInputs::workingLoad, Reading::Strict},
    {"Text1_4", &CompressionInputs::outerDiameter, Reading::Strict},
    {"Text1_5", &CompressionInputs::shearModulus, Reading::Strict},
    {"Text1_6", &CompressionInputs::wireDiameter, Reading::Lenient},
};

const ui::Out<CompressionResults> kShow[] = {
    {"Text2_0", &CompressionResults::wireDiameter},
    {"Text2_1", &CompressionResults::outerDiameter},
    {"Text2_2", &CompressionResults::meanDiameter},
    {"Text2_3", &CompressionResults::innerDiameter, "0.0"},
    {"Text2_4", &CompressionResults::freeHeight, "0.0"},
    {"Text2_5", &CompressionResults::totalCoils, "0.0"},
    {"Text2_6", &CompressionResults::solidHeight, "0.0"},
    {"Text2_7", &CompressionResults::actualInstalledLoad, "0.00"},
    {"Text2_8", &CompressionResults::pitch, "0.0"},
};

} // namespace

class Form139 : public quick::QuickDesignerFrame {
public:
    Form139() : QuickDesignerFrame(QStringLiteral("Form139"), 2450) {
        build(kInputs, kResults, "Label6", 2458,
              {":/pictures/designers/quick-compression-space.svg", ":/pictures/designers/shear-moduli.svg",
               "材料横弹性系数表"},
              {.estimates = {"Text1_6", "Text1_7"},
               .keyResults = {"Text2_6", "Text2_7", "Text2_8"},
               .redLabels = {"Label2_11", "Label2_12", "Label2_13", "Label2_14", "Label2_15", "Label2_16"},
               .redFields = {"Text1_3"}},
              kTips, {{ui::label("Label2_4", 2459), ui::literal("Label2_14", QStringLiteral("mm"))}});
        declare(quick::readNames<CompressionInputs>(kRead) + ui::controlNames(kShow));
        start();
    }

private:
    void recompute() override {
        if (!allFilled(kRequired))
            return;
        CompressionInputs in = readAll<CompressionInputs>(kRead);
        // The most coils that fit are shown before the coil count is even looked at.
        setSingle(QStringLiteral("Label2_14"), quick::maxActiveCoils(in.workingHeight, in.wireDiameter),
                  u"0.0");
        if (!isEmpty(QStringLiteral("Text1_7")))
            in.activeCoils = readSingle("Text1_7", Reading::Lenient);
        const CompressionResults r = quick::compute(in);
        ui::show(this, r, kShow);
        showRange("Label2_15", num::text(r.loadLow), num::text(r.loadHigh));
        showRange("Label2_16", num::format(r.pitchLow, u"0.0"), num::format(r.pitchHigh, u"0.0"));
        showVerdict("Label2_11", r.solidHeightOk);
        showVerdict("Label2_12", r.installedLoadOk);
        showVerdict("Label2_13", r.pitchOk);
    }
};

SPIRELTA_REGISTER_FORM(Form139)
