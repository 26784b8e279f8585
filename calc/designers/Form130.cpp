// Extension spring designer: from two working points (extension and load), the shear
// modulus, the allowable stress and a trial spring index it proposes the wire diameter,
// diameters, coil count, rate, initial tension and free length, and judges the initial
// stress, the characteristic (deformation) ratio and the safety factor.

#include "calc/designers/DesignerWindow.h"
#include "calc/designers/ExtensionDesign.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "platform/TextReport.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using extensiondesigner::Inputs;
using extensiondesigner::Results;

const ui::InputField kInputs[] = {
    designer::input("Text1_0", 1972, "N/mm2", "79000", 1567, "Label36", "Label8", "Label23_1"),
    designer::input("Text1_1", 1993, "Mpa", "600", 0, "Label63", "Label4", "Label23_2"),
    designer::input("Text1_2", 2125, "", "5.5", 1419, "Label5", nullptr, "Label23_3"),
    designer::input("Text1_3", 2144, "mm", "7.5", 0, "Label1", "Label2", "Label23_8"),
    designer::input("Text1_4", 2147, "N", "180", 0, "Label3", "Label64", "Label23_7"),
    designer::input("Text1_5", 2145, "mm", "17", 0, "Label7", "Label23_0", "Label23_4"),
    designer::input("Text1_6", 2148, "N", "340", 0, "Label6", "Label23_5", "Label23_6"),
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::shearModulus}, {"Text1_1", &Inputs::allowableStress},
    {"Text1_2", &Inputs::springIndex},  {"Text1_3", &Inputs::firstExtension},
    {"Text1_4", &Inputs::firstLoad},    {"Text1_5", &Inputs::secondExtension},
    {"Text1_6", &Inputs::secondLoad},
};

const char* const kChoiceBox = "Text6";

const ui::Out<Results> kShow[] = {
    {"Text2", &Results::initialTension, "0.00"}, {"Text3", &Results::limitStress, "0.00"},
    {"Text4", &Results::limitLoad, "0.00"},      {"Text5", &Results::rate, "0.00"},
    {"Text7", &Results::freeLength, "0.00"},     {"Text8", &Results::wireDiameter, "0.00"},
    {"Text9", &Results::innerDiameter, "0.00"},  {"Text10", &Results::meanDiameter, "0.00"},
    {"Text11", &Results::outerDiameter, "0.00"}, {"Text12", &Results::activeCoils, "0.00"},
    {"Text13", &Results::initialStress, "0.00"}, {"Text14", &Results::maxShearStress, "0.00"},
    {"Text15", &Results::safetyFactor, "0.00"},  {"Text16", &Results::characteristicRatio, "0.0"},
};

const designer::Verdict<Results> kVerdicts[] = {
    {"Label17", &Results::initialStressOk, "Mpa OK", "Mpa NG"},
    {"Label12_1", &Results::characteristicOk, "Ok", "NG"},
    {"Label32", &Results::safetyOk, "OK", "NG"},
};

const designer::Echo kEchoes[] = {{"Label26", "Text7"}, {"Label27", "Text8"}, {"Label25", "Text11"}};

const designer::Line kReport[] = {
    {"Label14_1", "Text5", "Label16"},    {"Label14_0", "Text2", "Label15"},
    {"Label20", "Text13", "Label17"},     {"Label11", "Text3", "Label24"},
    {"Label33", "Text4", "Label12_0"},    {"Label30", "Text14", "Label12_11"},
    {"Label31", "Text15", "Label32"},     {"Label19", "Text8", nullptr, "mm"},
    {"Label9", "Text9", nullptr, "mm"},   {"Label10", "Text10", nullptr, "mm"},
    {"Label13", "Text11", nullptr, "mm"}, {"Label18", "Text12", nullptr, "T"},
    {"Label21", "Text7", nullptr, "mm"},  {"Label28", "Text16", "Label12_1"},
};

} // namespace

class Form130 : public designer::DesignerForm {
public:
    Form130();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildResults();

    void calculate() override;
    void reset() override;
    report::DesignReport designReport() const override;
};

Form130::Form130() : DesignerForm(QStringLiteral("Form130")) {
    QVBoxLayout* page = startPage(this, 1056, buildInputs());
    page->addWidget(buildResults());
    page->addStretch();

    designer::attachTensileStrengthViewers(this);
    designer::markChoiceBox(field(QString::fromLatin1(kChoiceBox)));
    designer::redTexts(
        this, {"Text4", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text16"});
    designer::setHints(this, {{"Text1_0", "碳钢丝79000；不锈钢71000"},
                              {"Text1_1", "依据估计线径暂取相应值"},
                              {"Text1_2", "依内外径估计中径除以估计线径"},
                              {"Text6", "依据计算值选择一个合适的线径，然后再按计算键"},
                              {"Text13", "要小于G/100C"},
                              {"Text12", "大于20T时圆整为整数，小于20T时尾数圆整为0.5T"},
                              {"Text14", "小于[τ]OK"},
                              {"Text15", "大于1 OK"},
                              {"Text16", "0.2fs=<变形量f=<0.8fs OK"}});
    designer::declareTables(this, kInputs, kRead, kShow, kVerdicts, kEchoes, kReport,
                            {QString::fromLatin1(kChoiceBox)});
}

QGroupBox* Form130::buildInputs() {
    std::vector<std::vector<ui::Cell>> rows = ui::inputRows(kInputs);
    rows[1][3] = designer::query("Label23_2");
    // The echo labels stand where the free length, the outer and the wire diameter are marked.
    return designer::inputFrame(
        this, std::move(rows),
        ui::sketch(this, QStringLiteral(":/pictures/designers/extension.svg"), 1950, 2925,
                   {{"Label26", "3", 240, 1080}, {"Label25", "2", 960, 2400}, {"Label27", "1", 2040, 1680}}),
        "Label22");
}

QGroupBox* Form130::buildResults() {
    using ui::unit;
    QGroupBox* frame = designer::resultFrame(
        this, {
                  {ui::label("Label14_1", 1362), ui::result("Text5"), unit("Label16", "N/mm"),
                   ui::label("Label19", 2141), ui::result("Text8"), ui::label("Label12_3", 2142),
                   ui::edit(kChoiceBox)},
                  {ui::label("Label14_0", 2025), ui::result("Text2"), unit("Label15", "N"),
                   ui::label("Label9", 2102), ui::result("Text9"), unit("Label12_5", "mm")},
                  {ui::label("Label20", 2135), ui::result("Text13"), unit("Label17", "Mpa"),
                   ui::label("Label10", 1332), ui::result("Text10"), unit("Label12_6", "mm")},
                  {ui::label("Label11", 2136), ui::result("Text3"), unit("Label24", "Mpa"),
                   ui::label("Label13", 1469), ui::result("Text11"), unit("Label12_7", "mm")},
                  {ui::label("Label33", 1365), ui::result("Text4"), unit("Label12_0", "N"),
                   ui::label("Label18", 2138), ui::result("Text12"), unit("Label12_8", "T")},
                  {ui::label("Label30", 2143), ui::result("Text14"), unit("Label12_11", "Mpa"),
                   ui::label("Label21", 2139), ui::result("Text7"), unit("Label12_2", "mm")},
                  {ui::label("Label31", 2127), ui::result("Text15"), unit("Label32", "?"),
                   ui::label("Label28", 2014), ui::result("Text16"), unit("Label12_1", "?")},
              });
    field(QStringLiteral("Text8"))->setFixedWidth(ui::twips(495));
    field(QString::fromLatin1(kChoiceBox))->setFixedWidth(ui::twips(495));
    return frame;
}

void Form130::calculate() {
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.chosenWireDiameter = designer::chosenWireDiameter(this, kChoiceBox);
    Results out;
    designer::computeShowingVerdicts(
        this, [&] { extensiondesigner::compute(in, out); }, out, kVerdicts);
    ui::show(this, out, kShow);
    designer::showEchoes(this, kEchoes);
}

void Form130::reset() {
    designer::clearInputsAndResults(this, kInputs,
                                    ui::controlNames(kShow) << QString::fromLatin1(kChoiceBox));
}

report::DesignReport Form130::designReport() const {
    return {StringTable::text(2286), designer::inputLines(this, kInputs),
            designer::reportLines(this, kReport)};
}

SPIRELTA_REGISTER_FORM(Form130)
