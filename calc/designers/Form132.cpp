#include "calc/designers/Form132.h"

#include "calc/designers/DesignerWindow.h"
#include "calc/designers/TorsionDesign.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/Prompt.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using designer::query;
using designer::unit;

const QString kMm = QStringLiteral("mm");
const QString kDegree = QStringLiteral("°");
const QString kRed = QStringLiteral("#ff0000");
const QString kBlue = QStringLiteral("#0000ff");

ui::Cell redUnit(const char* name, const QString& text) {
    return ui::colored(unit(name, text), kRed);
}

} // namespace

Form132::Form132() : FormBase(QStringLiteral("Form132")) {
    setWindowTitle(StringTable::text(1054));
    auto* page = new QVBoxLayout(this);
    page->addWidget(buildInputs());
    page->addWidget(designer::commandRow(
        this, [this] { calculate(); }, [this] { reset(); }, [this] { return designReport(); }));
    page->addWidget(buildResults());
    page->addStretch();

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    designer::attachTensileStrengthViewers(this);
    designer::markChoiceBox(field(QStringLiteral("Text15")));
    for (const char* box : {"Text1_1", "Text1_4", "Text1_5", "Text1_6", "Text1_8", "Text5", "Text6", "Text7",
                            "Text8", "Text9", "Text10", "Text11", "Text12", "Text14"})
        field(QString::fromLatin1(box))->setStyleSheet(QStringLiteral("color: #ff0000"));
    designer::setHints(this, {{"Text1_0", "碳钢丝206000；不锈钢185000"},
                              {"Text1_1", "依据估计线径暂取相应值"},
                              {"Text1_6", "无缝隙可以填0"},
                              {"Text15", "依据计算值选择一个合适的线径，然后再按计算键"}});
}

QGroupBox* Form132::buildInputs() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    auto* row = new QHBoxLayout(frame);
    auto* left = new QWidget(frame);
    row->addWidget(left, 0, Qt::AlignTop);
    ui::grid(left, {
                       {ui::label("Label36", 1562), ui::edit("Text1_0", "206000"), unit("Label8", "N/mm2"),
                        ui::mark("Label23_1", true)},
                       {ui::label("Label63", 1993), ui::edit("Text1_1", "1236"), unit("Label4", "Mpa"),
                        query("Label23_3")},
                       {ui::label("Label1", 2178), ui::edit("Text1_2", "35"), unit("Label38", kMm),
                        ui::mark("Label23_8", true)},
                       {ui::label("Label6", 2180), ui::edit("Text1_3", "60"), unit("Label2", "N"),
                        ui::mark("Label23_7", true)},
                       {ui::label("Label3", 2179), ui::edit("Text1_4", "13.3"), unit("Label64", kMm),
                        ui::mark("Label23_4", true)},
                       {ui::label("Label34", 2181), ui::edit("Text1_5", "37"), unit("Label23_0", kMm),
                        ui::mark("Label23_5", true)},
                       {ui::label("Label39", 2177), ui::edit("Text1_6", "0.5"), unit("Label23_2", kMm),
                        ui::mark("Label23_6", true)},
                       {ui::label("Label22", 2184), ui::edit("Text1_7", "40"), unit("Label23_9", kDegree),
                        ui::mark("Label23_10", true)},
                       {ui::label("Label40", 2175), ui::edit("Text1_8", "142"), unit("Label23_11", kDegree),
                        ui::mark("Label23_12", true)},
                   });
    for (QLineEdit* input : inputArray(QStringLiteral("Text1")))
        input->setFixedWidth(ui::twips(855));
    // 230 x 225 pixels: the spring along its axis on the left, from the side on the right.
    row->addWidget(ui::sketch(frame, QStringLiteral(":/pictures/designers/torsion.svg"), 3450, 3375,
                              {{"Label25", "2", 1350, 2250},
                               {"Label26", "3", 700, 2700},
                               {"Label7", "b", 300, 900},
                               {"Label29", "4", 1050, 450},
                               {"Label28", "4", 120, 1950},
                               {"Label27", "1", 150, 2550},
                               {"Label31", "?", 2400, 3150},
                               {"Label32", "?", 3300, 825}}),
                   0, Qt::AlignTop);
    return frame;
}

QGroupBox* Form132::buildResults() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 1936);
    ui::grid(
        frame,
        {
            {ui::label("Label19", 2153), ui::result("Text8"), ui::label("Label12_3", 2142),
             ui::edit("Text15"), ui::label("Label14_0", 2176), ui::result("Text2"), unit("Label15", kDegree)},
            {ui::label("Label9", 2102), ui::result("Text9"), unit("Label12_5", kMm), ui::gap(),
             ui::label("Label11", 2283), ui::result("Text3"), unit("Label24", kDegree)},
            {ui::label("Label10", 1332), ui::result("Text10"), unit("Label12_6", kMm), ui::gap(),
             ui::label("Label33", 2185), ui::result("Text4"), unit("Label12_0", kDegree)},
            {ui::label("Label13", 1469), ui::result("Text11"), unit("Label12_7", kMm), ui::gap(),
             ui::label("Label16", 2184), ui::result("Text5"), redUnit("Label12_4", kDegree)},
            {ui::label("Label18", 2138), ui::result("Text12"), unit("Label12_8", "T"), ui::gap(),
             ui::label("Label20", 2183), ui::result("Text13"), redUnit("Label12_9", "Mpa")},
            {ui::label("Label21", 1918), ui::result("Text7"), unit("Label12_2", kMm), ui::gap(),
             ui::label("Label17", 1369), ui::result("Text6"), redUnit("Label12_1", kMm)},
            {ui::label("Label5", 1485), ui::result("Text16"), ui::colored(unit("Label37", "N.mm/°"), kBlue),
             ui::gap(), ui::label("Label30", 2182), ui::result("Text14"), redUnit("Label12_11", "N.mm")},
        });
    for (QLineEdit* box : frame->findChildren<QLineEdit*>())
        box->setFixedWidth(ui::twips(855));
    field(QStringLiteral("Text15"))->setFixedWidth(ui::twips(600));
    return frame;
}

void Form132::calculate() {
    // The message for a missing coil gap adds that 0 is a valid entry.
    const std::pair<const char*, int> required[] = {{"Text1_0", 1562}, {"Text1_1", 1993}, {"Text1_2", 2178},
                                                    {"Text1_3", 2180}, {"Text1_4", 2179}, {"Text1_5", 2181},
                                                    {"Text1_6", 2177}, {"Text1_7", 2184}, {"Text1_8", 2175}};
    for (const auto& [box, captionId] : required) {
        if (isEmpty(QString::fromLatin1(box))) {
            QString message = StringTable::text(1383) + StringTable::text(captionId);
            if (captionId == 2177)
                message += StringTable::text(2285);
            prompt::inform(this, message);
            return;
        }
    }

    torsiondesign::Inputs in;
    designer::readInputs(this, {&in.youngsModulus, &in.allowableStress, &in.leverArm, &in.maxLoad,
                                &in.outerDiameterLimit, &in.freeHeightLimit, &in.coilGap, &in.workingAngle,
                                &in.estimatedFreeAngle});
    in.chosenWireDiameter = designer::chosenWireDiameter(this, "Text15");

    torsiondesign::Design out;
    // Verdicts decided before a fault stay on the window.
    auto showVerdicts = [this, &out] {
        if (out.stressOk)
            setText(QStringLiteral("Label12_9"),
                    *out.stressOk ? QStringLiteral("Mpa OK") : QStringLiteral("Mpa NG"));
        if (out.freeHeightOk)
            setText(QStringLiteral("Label12_1"),
                    *out.freeHeightOk ? QStringLiteral("mm OK") : QStringLiteral("mm NG"));
        if (out.angleOk)
            setText(QStringLiteral("Label12_4"),
                    *out.angleOk ? QStringLiteral("°OK") : QStringLiteral("°NG"));
    };
    designer::designShowingVerdicts([&] { torsiondesign::design(in, out); }, showVerdicts);

    setText(QStringLiteral("Label25"), num::textSingle(in.leverArm));
    setText(QStringLiteral("Label27"), num::textSingle(in.estimatedFreeAngle) + kDegree);

    // Each sketch label follows the box just written.
    designer::showResults(this, {{"Text2", out.torsionAngle, "0", "Label26", "°"},
                                 {"Text3", out.correctionAngle, "0", "Label7", "°"},
                                 {"Text4", out.correctedAngle, "0", "Label29", "°"},
                                 {"Text5", out.impliedWorkingAngle, "0", "Label28", "°"},
                                 {"Text6", out.freeHeight, "0.0", "Label31"},
                                 {"Text7", out.pitch, "0.0", "Label32"},
                                 {"Text8", out.wireDiameter, "0.0"},
                                 {"Text9", out.innerDiameter, "0.0"},
                                 {"Text10", out.meanDiameter, "0.0"},
                                 {"Text11", in.outerDiameterLimit, "0.0"},
                                 {"Text12", out.activeCoils, "0.0"},
                                 {"Text13", out.bendingStress, "0.0"},
                                 {"Text14", out.actualTorque, "0.00"},
                                 {"Text16", out.rate, "0.0"}});
}

void Form132::reset() {
    designer::clearInputsAndResults(this, 8, 16);
}

report::DesignReport Form132::designReport() const {
    using designer::line;
    return {StringTable::text(2284),
            {
                line(this, {"Label36", "Text1_0", "Label8"}),
                line(this, {"Label63", "Text1_1", "Label4"}),
                line(this, {"Label1", "Text1_2", "Label38"}),
                line(this, {"Label6", "Text1_3", "Label2"}),
                line(this, {"Label3", "Text1_4"}) + kMm,
                line(this, {"Label34", "Text1_5"}) + kMm,
                line(this, {"Label39", "Text1_6"}) + kMm,
                line(this, {"Label22", "Text1_7"}) + kDegree,
                line(this, {"Label40", "Text1_8"}) + kDegree,
            },
            {
                line(this, {"Label19", "Text8"}) + kMm,
                line(this, {"Label9", "Text9"}) + kMm,
                line(this, {"Label10", "Text10"}) + kMm,
                line(this, {"Label13", "Text11"}) + kMm,
                line(this, {"Label18", "Text12"}) + QStringLiteral("T"),
                line(this, {"Label21", "Text7"}) + kMm,
                line(this, {"Label5", "Text16", "Label37"}),
                line(this, {"Label14_0", "Text2"}) + kDegree,
                line(this, {"Label11", "Text3"}) + kDegree,
                line(this, {"Label33", "Text4"}) + kDegree,
                line(this, {"Label16", "Text5"}) + kDegree,
                line(this, {"Label20", "Text13"}) + QStringLiteral("Mpa"),
                line(this, {"Label17", "Text6"}) + kMm,
                line(this, {"Label30", "Text14"}) + QStringLiteral("N.mm"),
            }};
}

SPIRELTA_REGISTER_FORM(Form132)
