// Mine-car buffer spring designer: from the masses of the empty and the loaded car, their
// speed at impact and the deflection the spring may take it works out the spring force, a
// wire in whole millimetres and the compression spring that follows, with its safety factor.

#include "calc/designers/BufferDesign.h"
#include "calc/designers/DesignerWindow.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "platform/TextReport.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace {

using bufferdesigner::Inputs;
using bufferdesigner::Results;

const ui::InputField kInputs[] = {
    designer::input("Text1_0", 2124, "kg", "720", 0, "Label3", "Label2", "Label23_1"),
    designer::input("Text1_1", 2123, "kg", "2700", 0, "Label1", "Label4", "Label23_2"),
    designer::input("Text1_2", 2125, "", "4", 1419, "Label5", nullptr, "Label23_3"),
    designer::input("Text1_3", 1970, "kg/mm2", "75", 0, "Label63", "Label64", "Label23_8"),
    designer::input("Text1_4", 1972, "kg/mm2", "8000", 0, "Label36", "Label8", "Label23_7"),
    designer::input("Text1_5", 2126, "mm", "25", 0, "Label7", "Label23_0", "Label23_4"),
    designer::input("Text1_6", 2122, "m/s", "0.85", 0, "Label6", "Label23_5", "Label23_6"),
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::emptyCarMass}, {"Text1_1", &Inputs::loadedCarMass},
    {"Text1_2", &Inputs::springIndex},  {"Text1_3", &Inputs::allowableStress},
    {"Text1_4", &Inputs::shearModulus}, {"Text1_5", &Inputs::totalDeflection},
    {"Text1_6", &Inputs::impactSpeed},
};

const ui::Out<Results> kShow[] = {
    {"Text2", &Results::springForce, "0.000"},    {"Text3", &Results::allowedForce, "0.000"},
    {"Text4", &Results::rate, "0.000"},           {"Text5", &Results::pitch, "0.0"},
    {"Text6", &Results::solidHeight, "0.0"},      {"Text7", &Results::freeHeight, "0.0"},
    {"Text8", &Results::wireDiameter, "0.0"},     {"Text9", &Results::innerDiameter, "0.0"},
    {"Text10", &Results::meanDiameter, "0.0"},    {"Text11", &Results::outerDiameter, "0.0"},
    {"Text12", &Results::activeCoils, "0.0"},     {"Text13", &Results::totalCoils, "0.0"},
    {"Text14", &Results::maxShearStress, "0.00"}, {"Text15", &Results::safetyFactor, "0.00"},
};

const designer::Verdict<Results> kVerdicts[] = {{"Label32", &Results::safetyOk, "OK", "NG"}};

const designer::Echo kEchoes[] = {
    {"Label28", "Text5"},  {"Label26", "Text7"},  {"Label27", "Text8"},
    {"Label25", "Text10"}, {"Label29", "Text11"},
};

const designer::Line kReport[] = {
    {"Label14_0", "Text2", "Label15"},    {"Label11", "Text3", "Label24"},
    {"Label33", "Text4", "Label12_0"},    {"Label16", "Text5", "Label12_4"},
    {"Label17", "Text6", "Label12_1"},    {"Label21", "Text7", "Label12_2"},
    {"Label30", "Text14", "Label12_11"},  {"Label19", "Text8", nullptr, "mm"},
    {"Label9", "Text9", nullptr, "mm"},   {"Label10", "Text10", nullptr, "mm"},
    {"Label13", "Text11", nullptr, "mm"}, {"Label18", "Text12", nullptr, "T"},
    {"Label20", "Text13", nullptr, "T"},  {"Label31", "Text15"},
};

} // namespace

class Form128 : public designer::DesignerForm {
public:
    Form128();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildResults();

    void calculate() override;
    void reset() override;
    report::DesignReport designReport() const override;
};

Form128::Form128() : DesignerForm(QStringLiteral("Form128")) {
    QVBoxLayout* page = startPage(this, 1047, buildInputs());
    page->addWidget(buildResults());
    page->addStretch();

    designer::redTexts(this, {"Text1_2"});
    designer::setHints(this, {{"Text1_2", "先输入一个估计值"}, {"Text1_4", "碳素钢8000 不锈钢7000"}});
    designer::declareTables(this, kInputs, kRead, kShow, kVerdicts, kEchoes, kReport);
}

QGroupBox* Form128::buildInputs() {
    return designer::inputFrame(this, ui::inputRows(kInputs),
                                ui::sketch(this, QStringLiteral(":/pictures/designers/buffer.svg"), 2250,
                                           3420,
                                           {{"Label29", "4", 1680, 210},
                                            {"Label25", "2", 1650, 420},
                                            {"Label26", "3", 0, 1500},
                                            {"Label28", "4", 2000, 2150},
                                            {"Label27", "1", 1680, 2850}}),
                                "Label22");
}

QGroupBox* Form128::buildResults() {
    using ui::unit;
    return designer::resultFrame(
        this,
        {
            {ui::label("Label14_0", 2132), ui::result("Text2"), unit("Label15", "kg"),
             ui::label("Label19", 2141), ui::result("Text8"), unit("Label12_3", "mm")},
            {ui::label("Label11", 2131), ui::result("Text3"), unit("Label24", "kg"),
             ui::label("Label9", 2102), ui::result("Text9"), unit("Label12_5", "mm")},
            {ui::label("Label33", 1362), ui::result("Text4"), unit("Label12_0", "kg/mm"),
             ui::label("Label10", 1332), ui::result("Text10"), unit("Label12_6", "mm")},
            {ui::label("Label16", 2140), ui::result("Text5"), unit("Label12_4", "mm"),
             ui::label("Label13", 1469), ui::result("Text11"), unit("Label12_7", "mm")},
            {ui::label("Label17", 2130), ui::result("Text6"), unit("Label12_1", "mm"),
             ui::label("Label18", 2138), ui::result("Text12"), unit("Label12_8", "T")},
            {ui::label("Label21", 1369), ui::result("Text7"), unit("Label12_2", "mm"),
             ui::label("Label20", 1331), ui::result("Text13"), unit("Label12_9", "T")},
            {ui::label("Label30", 2128), ui::result("Text14"), unit("Label12_11", "kg/mm2"),
             ui::label("Label31", 2127), ui::result("Text15"), unit("Label32", "?")},
        },
        1100); // forces with three decimals
}

void Form128::calculate() {
    if (!ui::requireFilled(this, kInputs))
        return;
    const Inputs in = ui::read(this, kRead);
    Results out;
    designer::computeShowingVerdicts(
        this, [&] { bufferdesigner::compute(in, out); }, out, kVerdicts);
    ui::show(this, out, kShow);
    designer::showEchoes(this, kEchoes);
}

void Form128::reset() {
    designer::clearInputsAndResults(this, kInputs, ui::controlNames(kShow));
}

report::DesignReport Form128::designReport() const {
    return {StringTable::text(2270), designer::inputLines(this, kInputs),
            designer::reportLines(this, kReport)};
}

SPIRELTA_REGISTER_FORM(Form128)
