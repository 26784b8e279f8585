#include "calc/expert/Form21.h"

#include "calc/expert/CompressionExpertCore.h"
#include "calc/expert/ExpertCellMapExport.h"
#include "calc/expert/ExpertFormCells.h"
#include "common/EndForms.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/LabelClick.h"
#include "common/ui/Verdicts.h"
#include "platform/WindowCommands.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using namespace compressionexpert;

const QString kMm = QStringLiteral("mm");
const QString kNewton = QStringLiteral("N");
const QString kStress = QStringLiteral("Mpa");
const QString kHertz = QStringLiteral("Hz");
const QString kPercent = QStringLiteral("%");
const QString kCoils = QStringLiteral("T");

// The end-form code and the tolerance keep their texts on reset; the tolerance sits beside
// the free height (see inputLayout).
// clang-format off
const ui::InputField kInputs[] = {
    {.field = "Text3",    .captionId = 1367, .need = ui::Need::Plain, .defaultText = "YI", .onReset = ui::OnReset::Keep, .caption = "Label34"},
    {.field = "Text1_0",  .captionId = 1394, .unit = "N/mm²", .defaultText = "78000", .caption = "Label9"},
    {.field = "Text1_1",  .captionId = 1333, .unit = "mm", .defaultText = "1",  .caption = "Label1",  .mark = "Label23_1"},
    {.field = "Text1_2",  .captionId = 1332, .unit = "mm", .defaultText = "10", .caption = "Label3",  .mark = "Label23_2"},
    {.field = "Text1_3",  .captionId = 1373, .unit = "T",  .defaultText = "4",  .caption = "Label5",  .mark = "Label23_3"},
    {.field = "Text1_4",  .captionId = 1331, .unit = "T",  .defaultText = "6",  .caption = "Label63", .mark = "Label23_4"},
    {.field = "Text1_5",  .captionId = 1369, .unit = "mm", .defaultText = "16", .caption = "Label36", .mark = "Label23_5"},
    {.field = "Text1_6",  .captionId = 1372, .unit = "mm", .defaultText = "14", .caption = "Label7",  .mark = "Label23_6"},
    {.field = "Text1_7",  .captionId = 1370, .unit = "mm", .defaultText = "12", .caption = "Label22", .mark = "Label23_7"},
    {.field = "Text1_8",  .captionId = 1374, .unit = "mm", .need = ui::Need::Optional, .defaultText = "10", .caption = "Label56", .mark = "Label23_8"},
    {.field = "Text1_9",  .captionId = 1412, .unit = "Mpa", .need = ui::Need::Plain, .defaultText = "1660", .caption = "Label41"},
    {.field = "Text1_10", .captionId = 1440, .need = ui::Need::Plain, .defaultText = "0.41", .caption = "Label55"},
    {.field = "Text1_11", .unit = "mm", .need = ui::Need::Plain, .defaultText = "0.2", .onReset = ui::OnReset::Keep},
};
// clang-format on

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::G},  {"Text1_1", &Inputs::d},  {"Text1_2", &Inputs::D},
    {"Text1_3", &Inputs::n},  {"Text1_4", &Inputs::n1}, {"Text1_5", &Inputs::H0},
    {"Text1_6", &Inputs::h1}, {"Text1_7", &Inputs::h2}, {"Text1_11", &Inputs::tolerance},
};
// Read only when typed: the third height and the strength values.
const ui::In<Inputs> kReadWhenTyped[] = {
    {"Text1_8", &Inputs::h3},
    {"Text1_9", &Inputs::tensileStrength},
    {"Text1_10", &Inputs::coefficient},
};

const ui::Out<Geometry> kGeometry[] = {
    {"Text13", &Geometry::developedLength, "0.0"}, {"Text14", &Geometry::solidHeight, "0.0"},
    {"Text16", &Geometry::maxDeflection, "0.0"},   {"Text23", &Geometry::pitch, "0.0"},
    {"Text4", &Geometry::helixAngle, "0.0"},
};
const ui::Verdict<Geometry> kGeometryVerdicts[] = {
    {"Label46", &Geometry::pitchOk},
    {"Label27", &Geometry::helixAngleOk},
};

const ui::Out<Installed> kInstalled[] = {
    {"Text8", &Installed::rate, "0.00"},           {"Text6", &Installed::load, "0.00"},
    {"Text7", &Installed::tolerance, "0%"},        {"Text10", &Installed::solidLoad, "0.00"},
    {"text28", &Installed::naturalFrequency, "0"}, {"Text29", &Installed::forcedFrequency, "0.0"},
    {"Text5", &Installed::springIndex, "0.0"},     {"Text22", &Installed::activeCoils},
    {"Text17", &Installed::stress, "0.00"},
};
const ui::Verdict<Installed> kInstalledVerdicts[] = {
    {"Label72", &Installed::resonanceOk},
    {"Label28", &Installed::springIndexOk},
    {"Label44", &Installed::activeCoilsOk},
};

// The two working heights write partly the same boxes, each in its own order.
const ui::Out<Working> kWorking2[] = {
    {"Text11", &Working::load, "0.0"},         {"Text27", &Working::limitLoad, "0.00"},
    {"Text12", &Working::tolerance, "0%"},     {"Text18", &Working::stress, "0.00"},
    {"Text15", &Working::stressRatio, "0.00"}, {"Text25", &Working::deformationRatio, "0.00"},
    {"Text21", &Working::slenderness, "0.0"},
};
const ui::Out<Working> kWorking3[] = {
    {"Text9", &Working::load, "0.00"},       {"Text24", &Working::tolerance, "0%"},
    {"Text27", &Working::limitLoad, "0.00"}, {"Text25", &Working::deformationRatio, "0.00"},
    {"Text18", &Working::stress, "0.00"},    {"Text15", &Working::stressRatio, "0.00"},
};
const ui::Verdict<Working> kWorkingVerdicts[] = {{"Label50", &Working::deformationOk}};

const ui::Out<Strength> kStrength[] = {
    {"Text19", &Strength::allowableStress},       {"Text20", &Strength::safetyFactor, "0.00"},
    {"Text31", &Strength::testLoad, "0.00"},      {"Text31", &Strength::solidTestLoad, "0.00"},
    {"Text32", &Strength::testDeflection, "0.0"}, {"Text32", &Strength::solidTestDeflection, "0.0"},
};
const ui::Verdict<Strength> kStrengthVerdicts[] = {
    {"Label80", &Strength::safetyOk},
    {"Label79", &Strength::characteristicOk},
};
const char* const kLifeBox = "Text26";

// Print, Save As and Drawing need a calculation that ran through.
const QStringList kOutputButtons = {"Command5", "Command6", "Command7"};

ui::Cell plusMinus(const QString& fieldName) {
    return ui::literal(QStringLiteral("Sign_") + fieldName, QStringLiteral("+/-"));
}

// The captions that verdict labels show until a calculation writes "OK" or "NG".
ui::Cell verdict(const QString& name, const QString& designCaption, int columnSpan = 1) {
    return ui::literal(name, designCaption, columnSpan);
}

// The declared input rows, with the links to the reference windows in the mark column and the
// tolerance moved beside the free height.
std::vector<std::vector<ui::Cell>> inputLayout() {
    using expertui::Column;
    std::vector<std::vector<ui::Cell>> rows =
        expertui::inputRows(kInputs, {
                                         {"Text3", Column::Mark, ui::link("Label15", 1407)},
                                         {"Text1_0", Column::Mark, ui::link("Label20", 1407)},
                                         {"Text1_9", Column::Mark, ui::link("Label42", 1411)},
                                         {"Text1_10", Column::Mark, ui::link("Label54", 1410)},
                                     });
    std::vector<ui::Cell> tolerance = std::move(rows.back()); // Text1_11
    rows.pop_back();
    std::vector<ui::Cell>& freeHeight = rows[6]; // Text1_5
    freeHeight.push_back(ui::literal("Label23_9", "+/-"));
    freeHeight.push_back(std::move(tolerance[1]));
    freeHeight.push_back(std::move(tolerance[2]));
    return rows;
}

QStringList resultNames() {
    return ui::controlNames(kGeometry) + ui::controlNames(kInstalled) + ui::controlNames(kWorking2) +
           ui::controlNames(kWorking3) + ui::controlNames(kStrength) +
           QStringList{QString::fromLatin1(kLifeBox)};
}

QStringList verdictNames() {
    return ui::controlNames(kGeometryVerdicts) + ui::controlNames(kInstalledVerdicts) +
           ui::controlNames(kWorkingVerdicts) + ui::controlNames(kStrengthVerdicts) +
           QStringList{"Label40", "Label48", "Label62"};
}

} // namespace

Form21::Form21() : FormBase(QStringLiteral("Form21")) {
    setWindowTitle(StringTable::text(1404));

    auto* inputs = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    auto* results = ui::makeFrame(this, QStringLiteral("Frame2"), 1360);
    auto* checks = ui::makeFrame(this, QStringLiteral("Frame3"), 1426);
    buildInputs(inputs);
    buildResults(results);
    buildChecks(checks);

    auto* left = new QVBoxLayout;
    left->addWidget(inputs);
    left->addWidget(ui::makePicture(this, QStringLiteral("Image2"),
                                    QStringLiteral(":/pictures/expert/form21_sketch.svg"), 260),
                    0, Qt::AlignHCenter);
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(results, 0, Qt::AlignTop);
    columns->addWidget(checks, 0, Qt::AlignTop);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addWidget(buildButtons());

    // Boxes as wide as they were laid out (1215 twips), result boxes a little wider for their
    // hints, which show from their first character.
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setMinimumWidth(ui::twips(box->isReadOnly() ? 1500 : 1215));
        box->setCursorPosition(0);
    }
    for (const char* narrow : {"Text1_11", "Text7", "Text12", "Text24"})
        field(QString::fromLatin1(narrow))->setMinimumWidth(ui::twips(855));

    declare(ui::fieldNames(kInputs) + resultNames() + verdictNames());
    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    setDefaultButton(button(QStringLiteral("Command1")));

    ui::onLabelClick(label(QStringLiteral("Label15")), [] { FormRegistry::show(QStringLiteral("Form129")); });
    ui::onLabelClick(label(QStringLiteral("Label20")), [] { FormRegistry::show(QStringLiteral("Form25")); });
    ui::onLabelClick(label(QStringLiteral("Label42")), [] { FormRegistry::show(QStringLiteral("Form142")); });
    ui::onLabelClick(label(QStringLiteral("Label54")), [] { FormRegistry::show(QStringLiteral("Form141")); });

    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command4"), [this] { reset(); });
    onClick(QStringLiteral("Command8"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command5"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command3"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form8")); });
    expertcells::connectExports(this); // Command6 (Save As) and Command7 (Drawing)
    setEnabled(kOutputButtons, false);
}

void Form21::buildInputs(QGroupBox* frame) {
    ui::grid(frame, inputLayout());
}

void Form21::buildResults(QGroupBox* frame) {
    ui::grid(frame, {
                        {ui::label("Label52", 1476), ui::result("Text13"), ui::unitOf("Text13", kMm)},
                        {ui::label("Label14_3", 1425), ui::result("Text14"), ui::unitOf("Text14", kMm)},
                        {ui::label("Label14_4", 1424), ui::result("Text16"), ui::unitOf("Text16", kMm)},
                        {ui::label("Label47", 1422), ui::result("Text23", "建议0.28~0.5*D2"),
                         ui::unitOf("Text23", kMm), verdict("Label46", "(0.28~0.5D2)", 3)},
                        {ui::label("Label14_1", 1417), ui::result("Text4", "建议5°~8°"),
                         ui::unitOf("Text4", "°"), verdict("Label27", "(5~9)", 3)},
                        {ui::label("Label14_0", 1362), ui::result("Text8"), ui::unitOf("Text8", "N/mm")},
                        {ui::label("Label11", 1363), ui::result("Text6"), ui::unitOf("Text6", kNewton),
                         plusMinus("Text7"), ui::result("Text7"), ui::unitOf("Text7", kPercent)},
                        {ui::label("Label19", 1361), ui::result("Text11"), ui::unitOf("Text11", kNewton),
                         plusMinus("Text12"), ui::result("Text12"), ui::unitOf("Text12", kPercent)},
                        {ui::label("Label33", 1364), ui::result("Text9"), ui::unitOf("Text9", kNewton),
                         plusMinus("Text24"), ui::result("Text24"), ui::unitOf("Text24", kPercent)},
                        {ui::label("Label18", 2095), ui::result("Text10"), ui::unitOf("Text10", kNewton)},
                        {ui::label("Label14_5", 1423), ui::result("Text27"), ui::unitOf("Text27", kNewton)},
                        {ui::label("Label16", 1419), ui::result("Text5", "建议4~16"), ui::gap(),
                         verdict("Label28", "4~16", 3)},
                        {ui::label("Label45", 1373), ui::result("Text22", "建议3T以上"),
                         ui::unitOf("Text22", kCoils), verdict("Label44", "(>3T)", 3)},
                    });
}

void Form21::buildChecks(QGroupBox* frame) {
    ui::grid(frame, {
                        {ui::heading("Label49", 1439, 4)},
                        {ui::label("Label43", 1438), ui::result("Text21"), ui::gap()},
                        {ui::label("Label40", 1401), ui::label("Label48", 1402), ui::label("Label62", 1403)},
                        {ui::heading("Label65", 1435, 4)},
                        {ui::label("Label29", 1436), ui::result("Text17"), ui::unitOf("Text17", kStress)},
                        {ui::label("Label31", 1437), ui::result("Text18"), ui::unitOf("Text18", kStress)},
                        {ui::label("Label66", 2003), ui::result("Text15")},
                        {ui::label("Label35", 1859), ui::result("Text19"), ui::unitOf("Text19", kStress)},
                        {ui::label("Label39", 1427), ui::result("Text20", "大于1 OK"),
                         verdict("Label80", "(OK/NG)")},
                        {ui::label("Label60", 1416), ui::result("Text26"), ui::label("Label59", 1415)},
                        {ui::heading("Label78", 1430, 2), verdict("Label79", "(OK/NG)")},
                        {ui::label("Label14_2", 1429), ui::result("Text31"), ui::unitOf("Text31", kNewton)},
                        {ui::label("Label14_6", 1428), ui::result("Text32"), ui::unitOf("Text32", kMm)},
                        {ui::label("Label51", 1414), ui::result("Text25", "建议0.2~0.8*最大变形量"),
                         verdict("Label50", "(合理/不合理)")},
                        {ui::heading("Label67", 1434, 2), verdict("Label72", "(OK/NG)")},
                        {ui::label("Label68", 1433), ui::result("text28", "大于10倍迫震频率OK"),
                         ui::unitOf("text28", kHertz)},
                        {ui::label("Label70", 1432), ui::result("Text29", "转速1400/60计算"),
                         ui::unitOf("Text29", kHertz)},
                    });
}

QWidget* Form21::buildButtons() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (const auto& [name, textId] : {std::pair{"Command1", 1357},
                                       {"Command4", 1321},
                                       {"Command8", 1359},
                                       {"Command6", 1406},
                                       {"Command5", 1358},
                                       {"Command7", 1355},
                                       {"Command3", 1405}})
        row->addWidget(ui::makeButton(bar, QString::fromLatin1(name), textId));
    button(QStringLiteral("Command1"))->setToolTip(QStringLiteral("可以直接按回车键"));
    return bar;
}

void Form21::reset() {
    ui::resetFields(this, kInputs);
    clearFields(resultNames());
}

void Form21::calculate() {
    if (!ui::requireFilled(this, kInputs))
        return;
    // Without a known end form there is no solid height, and every step needs it.
    Inputs in;
    in.endForm = endforms::find(text(QStringLiteral("Text3")));
    if (!in.endForm) {
        prompt::inform(this, StringTable::text(1383) + StringTable::text(1367));
        return;
    }
    in = ui::read(this, kRead, in);
    in.h3Given = !isEmpty(QStringLiteral("Text1_8"));
    in.strengthGiven = !isEmpty(QStringLiteral("Text1_9")) && !isEmpty(QStringLiteral("Text1_10"));
    in = ui::read(this, kReadWhenTyped, in);

    Results r;
    ui::computeThenShow([&] { compute(in, r); }, [&] { show(r); });
    setEnabled(kOutputButtons, true);
}

void Form21::show(const Results& r) {
    ui::showReached(this, r.geometry, kGeometry);
    ui::showVerdicts(this, r.geometry, kGeometryVerdicts);
    ui::showReached(this, r.installed, kInstalled);
    ui::showVerdicts(this, r.installed, kInstalledVerdicts);

    const auto showStrength = [this](const Strength& s) {
        ui::showReached(this, s, kStrength);
        ui::showVerdicts(this, s, kStrengthVerdicts);
        if (s.life)
            setText(QString::fromLatin1(kLifeBox), s.life->text());
    };
    ui::showReached(this, r.working2, kWorking2);
    ui::showVerdicts(this, r.working2, kWorkingVerdicts);
    if (r.working2.slendernessPassed)
        showSlenderness(*r.working2.slendernessPassed);
    showStrength(r.working2.strength);
    ui::showReached(this, r.working3, kWorking3);
    ui::showVerdicts(this, r.working3, kWorkingVerdicts);
    showStrength(r.working3.strength);

    for (int i = 0; i < r.heightsBelowSolid; ++i)
        prompt::inform(this, StringTable::text(2471));
}

void Form21::showSlenderness(const springchecks::SlendernessVerdicts& passed) {
    using springchecks::EndFixing;
    using springchecks::slendernessTextId;
    // Only the first limit that b exceeds is marked; the other labels keep what they showed.
    if (!passed.bothFixed) {
        setText(QStringLiteral("Label40"), StringTable::text(slendernessTextId(EndFixing::BothFixed, false)));
    } else if (!passed.oneFixedOnePivoted) {
        setText(QStringLiteral("Label48"),
                StringTable::text(slendernessTextId(EndFixing::OneFixedOnePivoted, false)));
    } else if (!passed.bothPivoted) {
        setText(QStringLiteral("Label62"),
                StringTable::text(slendernessTextId(EndFixing::BothPivoted, false)));
    } else {
        setText(QStringLiteral("Label40"), StringTable::text(slendernessTextId(EndFixing::BothFixed, true)));
        setText(QStringLiteral("Label48"),
                StringTable::text(slendernessTextId(EndFixing::OneFixedOnePivoted, true)));
        setText(QStringLiteral("Label62"),
                StringTable::text(slendernessTextId(EndFixing::BothPivoted, true)));
    }
}

SPIRELTA_REGISTER_FORM(Form21)
