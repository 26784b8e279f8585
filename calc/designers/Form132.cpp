// Torsion spring designer with tangential legs: from the load, its lever arm, the space for
// the spring, the coil gap and the angles between the legs it proposes the wire diameter,
// diameters, coil count, torsion angles, rate and stress, and judges stress, free height and
// whether the estimated free angle matches the working angle.

#include "calc/designers/DesignerWindow.h"
#include "calc/designers/TorsionDesign.h"
#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "platform/TextReport.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using torsiondesigner::Inputs;
using torsiondesigner::Results;

const ui::InputField kInputs[] = {
    designer::input("Text1_0", 1562, "N/mm2", "206000", 0, "Label36", "Label8", "Label23_1"),
    designer::input("Text1_1", 1993, "Mpa", "1236", 0, "Label63", "Label4", "Label23_3"),
    designer::input("Text1_2", 2178, "mm", "35", 0, "Label1", "Label38", "Label23_8"),
    designer::input("Text1_3", 2180, "N", "60", 0, "Label6", "Label2", "Label23_7"),
    designer::input("Text1_4", 2179, "mm", "13.3", 0, "Label3", "Label64", "Label23_4"),
    designer::input("Text1_5", 2181, "mm", "37", 0, "Label34", "Label23_0", "Label23_5"),
    designer::input("Text1_6", 2177, "mm", "0.5", 0, "Label39", "Label23_2", "Label23_6"),
    designer::input("Text1_7", 2184, "°", "40", 0, "Label22", "Label23_9", "Label23_10"),
    designer::input("Text1_8", 2175, "°", "142", 0, "Label40", "Label23_11", "Label23_12"),
};
constexpr std::size_t kCoilGap = 6; // the row of Text1_6

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::youngsModulus},
    {"Text1_1", &Inputs::allowableStress},
    {"Text1_2", &Inputs::leverArm},
    {"Text1_3", &Inputs::maxLoad},
    {"Text1_4", &Inputs::outerDiameterLimit},
    {"Text1_5", &Inputs::freeHeightLimit},
    {"Text1_6", &Inputs::coilGap},
    {"Text1_7", &Inputs::workingAngle},
    {"Text1_8", &Inputs::estimatedFreeAngle},
};

const char* const kChoiceBox = "Text15";

const ui::Out<Results> kShow[] = {
    {"Text2", &Results::torsionAngle, "0"},     {"Text3", &Results::correctionAngle, "0"},
    {"Text4", &Results::correctedAngle, "0"},   {"Text5", &Results::impliedWorkingAngle, "0"},
    {"Text6", &Results::freeHeight, "0.0"},     {"Text7", &Results::pitch, "0.0"},
    {"Text8", &Results::wireDiameter, "0.0"},   {"Text9", &Results::innerDiameter, "0.0"},
    {"Text10", &Results::meanDiameter, "0.0"},  {"Text11", &Results::outerDiameter, "0.0"},
    {"Text12", &Results::activeCoils, "0.0"},   {"Text13", &Results::bendingStress, "0.0"},
    {"Text14", &Results::actualTorque, "0.00"}, {"Text16", &Results::rate, "0.0"},
};

const designer::Verdict<Results> kVerdicts[] = {
    {"Label12_9", &Results::stressOk, "Mpa OK", "Mpa NG"},
    {"Label12_1", &Results::freeHeightOk, "mm OK", "mm NG"},
    {"Label12_4", &Results::angleOk, "°OK", "°NG"},
};

const designer::Echo kEchoes[] = {
    {"Label26", "Text2", "°"}, {"Label7", "Text3", "°"}, {"Label29", "Text4", "°"},
    {"Label28", "Text5", "°"}, {"Label31", "Text6"},     {"Label32", "Text7"},
};

const designer::Line kReport[] = {
    {"Label19", "Text8", nullptr, "mm"},  {"Label9", "Text9", nullptr, "mm"},
    {"Label10", "Text10", nullptr, "mm"}, {"Label13", "Text11", nullptr, "mm"},
    {"Label18", "Text12", nullptr, "T"},  {"Label21", "Text7", nullptr, "mm"},
    {"Label5", "Text16", "Label37"},      {"Label14_0", "Text2", nullptr, "°"},
    {"Label11", "Text3", nullptr, "°"},   {"Label33", "Text4", nullptr, "°"},
    {"Label16", "Text5", nullptr, "°"},   {"Label20", "Text13", nullptr, "Mpa"},
    {"Label17", "Text6", nullptr, "mm"},  {"Label30", "Text14", nullptr, "N.mm"},
};

ui::Cell redUnit(const char* name, const char* text) {
    return ui::colored(ui::unit(name, QString::fromUtf8(text)), QStringLiteral("#ff0000"));
}

} // namespace

class Form132 : public designer::DesignerForm {
public:
    Form132();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildResults();

    void calculate() override;
    void reset() override;
    report::DesignReport designReport() const override;
};

Form132::Form132() : DesignerForm(QStringLiteral("Form132")) {
    QVBoxLayout* page = startPage(this, 1054, buildInputs());
    page->addWidget(buildResults());
    page->addStretch();

    designer::attachTensileStrengthViewers(this);
    designer::markChoiceBox(field(QString::fromLatin1(kChoiceBox)));
    designer::redTexts(this, {"Text1_1", "Text1_4", "Text1_5", "Text1_6", "Text1_8", "Text5", "Text6",
                              "Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text14"});
    designer::setHints(this, {{"Text1_0", "碳钢丝206000；不锈钢185000"},
                              {"Text1_1", "依据估计线径暂取相应值"},
                              {"Text1_6", "无缝隙可以填0"},
                              {"Text15", "依据计算值选择一个合适的线径，然后再按计算键"}});
    designer::declareTables(this, kInputs, kRead, kShow, kVerdicts, kEchoes, kReport,
                            {QString::fromLatin1(kChoiceBox)});
}

QGroupBox* Form132::buildInputs() {
    std::vector<std::vector<ui::Cell>> rows = ui::inputRows(kInputs);
    rows[1][3] = designer::query("Label23_3");
    // 230 x 225 pixels: the spring along its axis on the left, from the side on the right.
    return designer::inputFrame(this, std::move(rows),
                                ui::sketch(this, QStringLiteral(":/pictures/designers/torsion.svg"), 3450,
                                           3375,
                                           {{"Label25", "2", 1350, 2250},
                                            {"Label26", "3", 700, 2700},
                                            {"Label7", "b", 300, 900},
                                            {"Label29", "4", 1050, 450},
                                            {"Label28", "4", 120, 1950},
                                            {"Label27", "1", 150, 2550},
                                            {"Label31", "?", 2400, 3150},
                                            {"Label32", "?", 3300, 825}}));
}

QGroupBox* Form132::buildResults() {
    using ui::unit;
    QGroupBox* frame = designer::resultFrame(
        this,
        {
            {ui::label("Label19", 2153), ui::result("Text8"), ui::label("Label12_3", 2142),
             ui::edit(kChoiceBox), ui::label("Label14_0", 2176), ui::result("Text2"), unit("Label15", "°")},
            {ui::label("Label9", 2102), ui::result("Text9"), unit("Label12_5", "mm"), ui::gap(),
             ui::label("Label11", 2283), ui::result("Text3"), unit("Label24", "°")},
            {ui::label("Label10", 1332), ui::result("Text10"), unit("Label12_6", "mm"), ui::gap(),
             ui::label("Label33", 2185), ui::result("Text4"), unit("Label12_0", "°")},
            {ui::label("Label13", 1469), ui::result("Text11"), unit("Label12_7", "mm"), ui::gap(),
             ui::label("Label16", 2184), ui::result("Text5"), redUnit("Label12_4", "°")},
            {ui::label("Label18", 2138), ui::result("Text12"), unit("Label12_8", "T"), ui::gap(),
             ui::label("Label20", 2183), ui::result("Text13"), redUnit("Label12_9", "Mpa")},
            {ui::label("Label21", 1918), ui::result("Text7"), unit("Label12_2", "mm"), ui::gap(),
             ui::label("Label17", 1369), ui::result("Text6"), redUnit("Label12_1", "mm")},
            {ui::label("Label5", 1485), ui::result("Text16"),
             ui::colored(unit("Label37", "N.mm/°"), QStringLiteral("#0000ff")), ui::gap(),
             ui::label("Label30", 2182), ui::result("Text14"), redUnit("Label12_11", "N.mm")},
        });
    field(QString::fromLatin1(kChoiceBox))->setFixedWidth(ui::twips(600));
    return frame;
}

void Form132::calculate() {
    // A missing coil gap is asked for with the reminder that 0 is a valid entry.
    const ui::InputFields fields(kInputs);
    if (!ui::requireFilled(this, fields.first(kCoilGap)))
        return;
    if (isEmpty(QString::fromLatin1(kInputs[kCoilGap].field))) {
        prompt::inform(this, StringTable::text(1383) + StringTable::text(kInputs[kCoilGap].captionId) +
                                 StringTable::text(2285));
        return;
    }
    if (!ui::requireFilled(this, fields.subspan(kCoilGap + 1)))
        return;

    Inputs in = ui::read(this, kRead);
    in.chosenWireDiameter = designer::chosenWireDiameter(this, kChoiceBox);
    Results out;
    designer::computeShowingVerdicts(
        this, [&] { torsiondesigner::compute(in, out); }, out, kVerdicts);
    // The sketch repeats the lever arm and the free angle as they were read.
    setText(QStringLiteral("Label25"), num::textSingle(in.leverArm));
    setText(QStringLiteral("Label27"), num::textSingle(in.estimatedFreeAngle) + QStringLiteral("°"));
    ui::show(this, out, kShow);
    designer::showEchoes(this, kEchoes);
}

void Form132::reset() {
    designer::clearInputsAndResults(this, kInputs,
                                    ui::controlNames(kShow) << QString::fromLatin1(kChoiceBox));
}

report::DesignReport Form132::designReport() const {
    return {StringTable::text(2284), designer::inputLines(this, kInputs),
            designer::reportLines(this, kReport)};
}

SPIRELTA_REGISTER_FORM(Form132)
