#include "calc/expert/Form22.h"

#include "calc/expert/ExpertCellMapExport.h"
#include "calc/expert/ExpertFormCells.h"
#include "calc/expert/TorsionExpert.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/FormWidthToggle.h"
#include "common/ui/LabelClick.h"
#include "common/ui/Verdicts.h"
#include "platform/ContactLinks.h"
#include "platform/WindowCommands.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kMm = QStringLiteral("mm");
const QString kTorque = QStringLiteral("N.mm");
const QString kStress = QStringLiteral("Mpa");
const QString kVerdict = QStringLiteral("(OK/NG)");
const QString kPlusMinus = QStringLiteral("+/-");

// The window as designed, and as wide as it gets when the life diagram is in view.
constexpr int kWidenedTwips = 14865;

using namespace expertui;
using namespace torsionexpert;

// The modulus shows no mark; the wire diameter and the angle tolerance keep their texts on
// reset. The tolerance sits beside the free angle (see inputLayout).
// clang-format off
const ui::InputField kInputs[] = {
    {.field = "Text1_0",  .captionId = 1562, .unit = "N/mm2", .defaultText = "206000", .caption = "Label28", .unitName = "Label2"},
    {.field = "Text1_1",  .captionId = 1333, .unit = "mm", .onReset = ui::OnReset::Keep, .caption = "Label16", .unitName = "Label22", .mark = "Label23_1"},
    {.field = "Text1_2",  .captionId = 1332, .unit = "mm",  .caption = "Label17",   .unitName = "Label23_0", .mark = "Label23_2"},
    {.field = "Text1_3",  .captionId = 1373, .unit = "T",   .caption = "Label18",   .unitName = "Label24",   .mark = "Label23_3"},
    {.field = "Text1_4",  .captionId = 1496, .unit = "。",  .caption = "Label19",   .unitName = "Label25",   .mark = "Label23_4"},
    {.field = "Text1_5",  .captionId = 1497, .unit = "。",  .caption = "Label9",    .unitName = "Label10",   .mark = "Label23_5"},
    {.field = "Text1_6",  .captionId = 1498, .unit = "。",  .need = ui::Need::Optional, .caption = "Label64", .unitName = "Label65", .mark = "Label23_6"},
    {.field = "Text1_7",  .captionId = 1494, .unit = "mm",  .caption = "Label30",   .unitName = "Label31",   .mark = "Label23_7"},
    {.field = "Text1_8",  .captionId = 1495, .unit = "mm",  .caption = "Label15",   .unitName = "Label43",   .mark = "Label23_9"},
    {.field = "Text1_9",  .captionId = 1493, .unit = "mm",  .need = ui::Need::Optional, .caption = "Label42_0", .unitName = "Label44", .mark = "Label23_10"},
    {.field = "Text1_10", .captionId = 1561, .unit = "+/-", .caption = "Label76",   .unitName = "Label75",   .mark = "Label23_8"},
    {.field = "Text1_12", .captionId = 1412, .need = ui::Need::Plain, .caption = "Label57"},
    {.field = "Text1_13", .captionId = 1440, .need = ui::Need::Plain, .defaultText = "0.64", .caption = "Label59"},
    {.field = "Text1_11", .need = ui::Need::Plain, .defaultText = "5", .onReset = ui::OnReset::Keep},
};
// clang-format on

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::modulus},
    {"Text1_1", &Inputs::d},
    {"Text1_2", &Inputs::D},
    {"Text1_3", &Inputs::n},
    {"Text1_4", &Inputs::a1},
    {"Text1_5", &Inputs::a2},
    {"Text1_7", &Inputs::L1},
    {"Text1_8", &Inputs::L2},
    {"Text1_9", &Inputs::arm},
    {"Text1_10", &Inputs::freeAngle},
    {"Text1_11", &Inputs::angleTolerance},
};
// Read only when typed: the third angle and the strength values.
const ui::In<Inputs> kReadWhenTyped[] = {
    {"Text1_6", &Inputs::a3},
    {"Text1_12", &Inputs::tensileStrength},
    {"Text1_13", &Inputs::coefficient},
};

const ui::Out<Results> kFirstAngle[] = {
    {"Text3", &Results::rate, "0.00"},
    {"Text13", &Results::force1, "0.00"},
    {"Text10", &Results::force1Kgf, "0.000"},
    {"Text12", &Results::torque1, "0.00"},
    {"Text9", &Results::tolerance1, "0%"},
    {"Text4", &Results::springIndex, "0.0"},
    {"Text7", &Results::curvatureFactor, "0.00"},
    {"Text8", &Results::momentOfInertia, "0.000"},
    {"Text15", &Results::sectionModulus, "0.000"},
    {"Text21", &Results::bodyLength, "0.00"},
    {"Text25", &Results::allowableStress},
    {"Text6", &Results::sigmaMin, "0"},
    {"Text30", &Results::minStrengthRatio, "0.00"},
};
const ui::Verdict<Results> kIndexVerdict[] = {{"Label52", &Results::springIndexOk}};

// The two later angles write partly the same boxes, with their own patterns.
const ui::Out<Angle> kSecondAngle[] = {
    {"Text2", &Angle::force, "0.00"},          {"Text5", &Angle::forceKgf, "0.000"},
    {"Text19", &Angle::torque, "0.00"},        {"Text20", &Angle::tolerance, "0%"},
    {"Text22", &Angle::innerDiameter, "0.00"}, {"Text23", &Angle::sigmaMaxSingle, "0"},
    {"Text31", &Angle::strengthRatio, "0.00"}, {"Text24", &Angle::safetyFactor, "0.00"},
    {"Text26", &Angle::stressRatio, "0.0"},    {"Text28", &Angle::testTorque, "0.00"},
    {"Text29", &Angle::testAngle, "0.0"},      {"Text16", &Angle::deformationRatio, "0.00"},
};
const ui::Out<Angle> kThirdAngle[] = {
    {"Text17", &Angle::force, "0.000"},        {"Text18", &Angle::forceKgf, "0.000"},
    {"Text27", &Angle::torque, "0.000"},       {"Text11", &Angle::tolerance, "0%"},
    {"Text22", &Angle::innerDiameter, "0.00"}, {"Text23", &Angle::sigmaMax, "0.00"},
    {"Text31", &Angle::strengthRatio, "0.00"}, {"Text24", &Angle::safetyFactor, "0.00"},
    {"Text26", &Angle::stressRatio, "0.0"},    {"Text28", &Angle::testTorque, "0.00"},
    {"Text29", &Angle::testAngle, "0.0"},      {"Text16", &Angle::deformationRatio, "0.00"},
};
const ui::Verdict<Angle> kAngleVerdicts[] = {
    {"Label56", &Angle::belowAllowable},
    {"Label4", &Angle::deformationOk},
};
const char* const kLifeBox = "Text32";

const QStringList kOutputButtons = {"Command6", "Command1"};

// The declared input rows: the unit of the modulus doubles as the link to the publisher's web
// page, the strength values have their reference links, and the angle tolerance sits between
// the free angle and its mark.
std::vector<std::vector<ui::Cell>> inputLayout() {
    std::vector<std::vector<ui::Cell>> rows =
        inputRows(kInputs, {{"Text1_0", Column::Unit, ui::colored(ui::unit("Label2", "N/mm2"), "#0000ff")},
                            {"Text1_0", Column::Mark, ui::gap()},
                            {"Text1_12", Column::Unit, ui::link("Label58", 1411)},
                            {"Text1_13", Column::Unit, ui::link("Label60", 1410)}});
    ui::Cell tolerance = std::move(rows.back()[1]); // Text1_11
    rows.pop_back();
    std::vector<ui::Cell>& freeAngle = rows[10]; // Text1_10
    freeAngle.insert(freeAngle.begin() + std::ptrdiff_t(Column::Mark), std::move(tolerance));
    return rows;
}

QStringList resultNames() {
    return ui::controlNames(kFirstAngle) + ui::controlNames(kSecondAngle) + ui::controlNames(kThirdAngle) +
           QStringList{kLifeBox};
}

void setBase(QLineEdit* box, const QColor& color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, color);
    box->setPalette(palette);
}

} // namespace

Form22::Form22() : FormBase(QStringLiteral("Form22")) {
    setWindowTitle(StringTable::text(1551));

    auto* inputs = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    auto* results = ui::makeFrame(this, QStringLiteral("Frame2"), 1812);
    auto* checks = ui::makeFrame(this, QStringLiteral("Frame3"), 1426);
    buildInputs(inputs);
    buildResults(results);
    buildChecks(checks);

    auto* designed = new QVBoxLayout;
    designed->addWidget(inputs);
    auto* lower = new QHBoxLayout;
    lower->addWidget(results, 0, Qt::AlignTop);
    lower->addWidget(checks, 0, Qt::AlignTop);
    designed->addLayout(lower);
    designed->addStretch();

    // The fatigue-life diagram lies beyond the designed area; pointing at the life label or
    // the life box brings it into view.
    QLabel* lifeDiagram = ui::makePicture(
        this, QStringLiteral("Image1"), QStringLiteral(":/pictures/expert/form22-life.svg"), ui::twips(6000));
    auto* page = new QHBoxLayout(this);
    page->addLayout(designed);
    page->addWidget(lifeDiagram, 0, Qt::AlignTop);
    ui::attachFormWidthToggle(this, {label(QStringLiteral("Label81")), field(QStringLiteral("Text32"))},
                              kWidenedTwips, lifeDiagram);

    styleBoxes();
    declare(ui::fieldNames(kInputs) + resultNames() + ui::controlNames(kIndexVerdict) +
            ui::controlNames(kAngleVerdicts));
    attachInputArray(QStringLiteral("Text1"));
    // The modulus has a default; the wire diameter is what a user types first.
    setFirstField(field(QStringLiteral("Text1_1")));
    setDefaultButton(button(QStringLiteral("Command4")));

    ui::onLabelClick(label(QStringLiteral("Label58")), [] { FormRegistry::show(QStringLiteral("Form142")); });
    ui::onLabelClick(label(QStringLiteral("Label60")), [] { FormRegistry::show(QStringLiteral("Form141")); });
    ui::onLabelClick(label(QStringLiteral("Label2")), [] { contactlinks::openPublisherWebPage(); });
    ui::onLabelClick(label(QStringLiteral("Label4")), [] { contactlinks::composePublisherMail(); });

    onClick(QStringLiteral("Command4"), [this] { calculate(); });
    onClick(QStringLiteral("Command10"), [this] { reset(); });
    onClick(QStringLiteral("Command2"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command1"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command3"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form9")); });
    onClick(QStringLiteral("Command5"), [this] { close(); });
    expertcells::connectExports(this);
    setEnabled(kOutputButtons, false);
}

void Form22::buildInputs(QGroupBox* frame) {
    QVBoxLayout* side =
        inputsBesideSketch(frame, inputLayout(), QStringLiteral(":/pictures/expert/form22-sketch.svg"), 3300);
    side->addWidget(buildButtons(frame));
}

QWidget* Form22::buildButtons(QWidget* parent) {
    auto* bar = new QWidget(parent);
    ui::grid(bar,
             {
                 {ui::button(QStringLiteral("Command4"), 1357), ui::button(QStringLiteral("Command10"), 1321),
                  ui::button(QStringLiteral("Command2"), 1359), ui::button(QStringLiteral("Command6"), 1406)},
                 {ui::button(QStringLiteral("Command1"), 1358), ui::button(QStringLiteral("Command3"), 1405),
                  ui::button(QStringLiteral("Command5"), 1315)},
             });
    button(QStringLiteral("Command4"))->setToolTip(QStringLiteral("可以直接按回车键"));
    return bar;
}

void Form22::buildResults(QGroupBox* frame) {
    const QString newton = QStringLiteral("N");
    const QString equals = QStringLiteral("=");
    const QString kgf = QStringLiteral("Kgf");
    ui::grid(
        frame,
        {
            {ui::label(QStringLiteral("Label13"), 1485), ui::result("Text3"),
             ui::unit("Label14_2", QStringLiteral("N.mm/deg"))},
            {ui::label(QStringLiteral("Label20"), 1489), ui::result("Text12"), ui::unit("Label45", kTorque),
             ui::unit("Label48", kPlusMinus), ui::result("Text9")},
            {ui::label(QStringLiteral("Label68"), 1490), ui::result("Text19"), ui::unit("Label69", kTorque),
             ui::unit("Label70", kPlusMinus), ui::result("Text20")},
            {ui::label(QStringLiteral("Label6"), 1563), ui::result("Text27"), ui::unit("Label5", kTorque),
             ui::unit("Label3", kPlusMinus), ui::result("Text11")},
            {ui::label(QStringLiteral("Label21"), 1486), ui::result("Text13"), ui::unit("Label27", newton),
             ui::unit("Label49", equals), ui::result("Text10"), ui::unit("Label46", kgf)},
            {ui::label(QStringLiteral("Label11"), 1487), ui::result("Text2"), ui::unit("Label12_0", newton),
             ui::unit("Label47", equals), ui::result("Text5"), ui::unit("Label29", kgf)},
            {ui::label(QStringLiteral("Label61"), 1488), ui::result("Text17"), ui::unit("Label62", newton),
             ui::unit("Label66", equals), ui::result("Text18"), ui::unit("Label63", kgf)},
            {ui::label(QStringLiteral("Label71"), 1491), ui::result("Text21"), ui::unit("Label73", kMm)},
            {ui::label(QStringLiteral("Label72"), 1492), ui::result("Text22"), ui::unit("Label74", kMm)},
            {ui::label(QStringLiteral("Label36"), 1418), ui::result("Text7")},
            {ui::label(QStringLiteral("Label51"), 1419), ui::result("Text4"),
             ui::label(QStringLiteral("Label52"), 1420)},
            {ui::label(QStringLiteral("Label37"), 1565), ui::result("Text8"),
             ui::unit("Label40", QStringLiteral("mm4")), ui::gap(), ui::result("Text15"),
             ui::unit("Label41", QStringLiteral("mm3"))},
        });
}

void Form22::buildChecks(QGroupBox* frame) {
    ui::grid(
        frame,
        {
            {ui::heading("Label1", 1553, 4)},
            {ui::label(QStringLiteral("Label35"), 1554), ui::result("Text6"), ui::unit("Label39", kStress)},
            {ui::label(QStringLiteral("Label77"), 1555), ui::result("Text23"), ui::unit("Label78", kStress)},
            {ui::label(QStringLiteral("Label54"), 2436), ui::result("Text30")},
            {ui::label(QStringLiteral("Label55"), 2437), ui::result("Text31")},
            {ui::link("Label81", 1552)},
            {ui::label(QStringLiteral("Label80"), 2438), ui::result("Text26")},
            {ui::label(QStringLiteral("Label85"), 1557), ui::result("Text25"), ui::unit("Label84", kStress)},
            {ui::label(QStringLiteral("Label79"), 1556), ui::result("Text24"), ui::unit("Label56", kVerdict)},
            {ui::heading("Label50", 1560, 4)},
            {ui::label(QStringLiteral("Label32"), 1558), ui::result("Text28"), ui::unit("Label8", kTorque)},
            {ui::label(QStringLiteral("Label38"), 1559), ui::result("Text29"),
             ui::unit("Label33", QStringLiteral("°"))},
            {ui::label(QStringLiteral("Label53"), 1570), ui::result("Text16"), ui::unit("Label4", kVerdict)},
            {ui::label(QStringLiteral("Label83"), 1416), ui::result("Text32"),
             ui::label(QStringLiteral("Label82"), 1415)},
        });
}

void Form22::styleBoxes() {
    const QColor lightBlue(192, 192, 255);
    const QStringList torqueBoxes = {QStringLiteral("Text12"), QStringLiteral("Text19"),
                                     QStringLiteral("Text27"), QStringLiteral("Text9"),
                                     QStringLiteral("Text20"), QStringLiteral("Text11")};
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setMinimumWidth(ui::twips(box->isReadOnly() ? 1100 : 1215));
        if (box->isReadOnly())
            setBase(box,
                    torqueBoxes.contains(box->objectName()) ? lightBlue : palette().color(QPalette::Button));
    }
    for (const char* narrow : {"Text1_10", "Text1_11", "Text9", "Text20", "Text11"})
        field(QString::fromLatin1(narrow))->setMinimumWidth(ui::twips(600));

    field(QStringLiteral("Text4"))->setToolTip(QStringLiteral("4~10最好"));
    field(QStringLiteral("Text24"))->setToolTip(QStringLiteral("大于1 ok"));
    label(QStringLiteral("Label56"))->setToolTip(QStringLiteral("小于许用弯曲应力OK"));
    for (const char* name : {"Text16", "Text28", "Text29"})
        field(QString::fromLatin1(name))->setToolTip(QStringLiteral("0.2~0.8*极限转角"));
}

void Form22::reset() {
    ui::resetFields(this, kInputs);
    clearFields(resultNames());
}

void Form22::calculate() {
    if (ui::requireFilled(this, kInputs)) {
        Inputs in = ui::read(this, kRead);
        in.armGiven = !isEmpty(QStringLiteral("Text1_9"));
        in.a3Given = !isEmpty(QStringLiteral("Text1_6"));
        in.strengthGiven = !isEmpty(QStringLiteral("Text1_12")) && !isEmpty(QStringLiteral("Text1_13"));
        in = ui::read(this, kReadWhenTyped, in);

        Results r;
        const auto showAngle = [this](const Angle& a, const auto& table) {
            ui::showReached(this, a, table);
            ui::showVerdicts(this, a, kAngleVerdicts);
            if (a.life)
                setText(QString::fromLatin1(kLifeBox), a.life->text());
        };
        ui::computeThenShow([&] { compute(in, r); },
                            [&] {
                                ui::showReached(this, r, kFirstAngle);
                                ui::showVerdicts(this, r, kIndexVerdict);
                                showAngle(r.second, kSecondAngle);
                                showAngle(r.third, kThirdAngle);
                            });
    }
    // Every way out but an arithmetic fault leaves print and Save As usable.
    setEnabled(kOutputButtons, true);
}

SPIRELTA_REGISTER_FORM(Form22)
