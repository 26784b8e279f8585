#include "calc/expert/Form23.h"

#include "calc/expert/ExpertCellMapExport.h"
#include "calc/expert/ExpertFormCells.h"
#include "calc/expert/ExtensionExpert.h"
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

const QString kMm = QStringLiteral("mm");
const QString kGf = QStringLiteral("gf");
const QString kStress = QStringLiteral("Mpa");
const QString kVerdict = QStringLiteral("(OK/NG)");

using namespace expertui;
using namespace extensionexpert;

// The modulus shows no mark and its required message names text 1972; the coefficient keeps
// its text on reset.
// clang-format off
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1567, .unit = "kg/mm2", .defaultText = "8000", .messageId = 1972, .caption = "Label9", .unitName = "Label32"},
    {.field = "Text1_1", .captionId = 1333, .unit = "mm", .caption = "Label15", .unitName = "Label14",   .mark = "Label23_1"},
    {.field = "Text1_2", .captionId = 1332, .unit = "mm", .caption = "Label13", .unitName = "Label12",   .mark = "Label23_2"},
    {.field = "Text1_3", .captionId = 1373, .unit = "T",  .caption = "Label16", .unitName = "Label11",   .mark = "Label23_3"},
    {.field = "Text1_4", .captionId = 1369, .unit = "mm", .caption = "Label40", .unitName = "Label2",    .mark = "Label23_4"},
    {.field = "Text1_5", .captionId = 1507, .unit = "mm", .caption = "Label1",  .unitName = "Label23_0", .mark = "Label23_7"},
    {.field = "Text1_6", .captionId = 1508, .unit = "mm", .caption = "Label37", .unitName = "Label35",   .mark = "Label23_5"},
    {.field = "Text1_7", .captionId = 1509, .unit = "mm", .need = ui::Need::Optional, .caption = "Label25", .unitName = "Label24", .mark = "Label23_6"},
    {.field = "Text1_8", .captionId = 1412, .need = ui::Need::Plain, .caption = "Label31"},
    {.field = "Text1_9", .captionId = 1440, .need = ui::Need::Plain, .defaultText = "0.3", .onReset = ui::OnReset::Keep, .caption = "Label55"},
};
// clang-format on

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::g},           {"Text1_1", &Inputs::d},
    {"Text1_2", &Inputs::D},           {"Text1_3", &Inputs::n},
    {"Text1_4", &Inputs::H0},          {"Text1_5", &Inputs::L1},
    {"Text1_6", &Inputs::L2},          {"Text1_8", &Inputs::tensileStrength},
    {"Text1_9", &Inputs::coefficient},
};

// Up to the checks at the second length.
const ui::Out<Results> kFirstLengths[] = {
    {"Text19", &Results::initialTension, "0.000"},
    {"Text9", &Results::initialTensionN, "0.000"},
    {"Text21", &Results::rate, "0.000"},
    {"Text10", &Results::rateN, "0.000"},
    {"Text20", &Results::low1, "0.000"},
    {"Text6", &Results::high1, "0.000"},
    {"Text13", &Results::slenderness, "0.0"},
    {"Text3", &Results::springIndex, "0.0"},
    {"Text4", &Results::wahl, "0.0000"},
    {"Text14", &Results::stress1, "0"},
    {"Text2", &Results::low2, "0.000"},
    {"Text7", &Results::high2, "0.000"},
    {"Text15", &Results::stress2, "0"},
    {"Text18", &Results::allowableStress},
};
const ui::Verdict<Results> kIndexVerdict[] = {{"Label29", &Results::springIndexOk}};

const ui::Out<Results> kThirdLength[] = {
    {"Text11", &Results::low3, "0.000"},
    {"Text8", &Results::high3, "0.000"},
    {"Text15", &Results::stress3, "0"},
};

const ui::Out<Checks> kChecks[] = {
    {"Text5", &Checks::safetyFactor, "0.0"},
    {"Text16", &Checks::testLoad, "0.00"},
    {"Text17", &Checks::testDeflection, "0.0"},
    {"Text25", &Checks::deformationRatio, "0.000"},
};
const ui::Verdict<Checks> kCheckVerdicts[] = {
    {"Label27", &Checks::belowAllowable},
    {"Label50", &Checks::deformationOk},
};
const char* const kLifeBox = "Text26";
const char* const kTestLengthLabel = "Label20";

const QStringList kOutputButtons = {"Command1", "Command4", "Command7"};

} // namespace

Form23::Form23() : FormBase(QStringLiteral("Form23")) {
    setWindowTitle(StringTable::text(1566));

    auto* inputs = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    auto* results = ui::makeFrame(this, QStringLiteral("Frame2"), 1812);
    auto* checks = ui::makeFrame(this, QStringLiteral("Frame3"), 1426);
    buildInputs(inputs);
    buildResults(results);
    buildChecks(checks);

    auto* page = new QVBoxLayout(this);
    page->addWidget(inputs);
    auto* lower = new QHBoxLayout;
    lower->addWidget(results, 0, Qt::AlignTop);
    lower->addWidget(checks, 0, Qt::AlignTop);
    page->addLayout(lower);
    QLabel* note = ui::makeLabel(this, QStringLiteral("Label36"), 2449);
    note->setWordWrap(true);
    page->addWidget(note);

    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setMinimumWidth(ui::twips(box->isReadOnly() ? 1000 : 1575));
    field(QStringLiteral("Text1_9"))->setMinimumWidth(ui::twips(975));

    declare(ui::fieldNames(kInputs) + ui::controlNames(kFirstLengths) + ui::controlNames(kIndexVerdict) +
            ui::controlNames(kThirdLength) + ui::controlNames(kChecks) + ui::controlNames(kCheckVerdicts) +
            QStringList{kLifeBox, kTestLengthLabel});
    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    setDefaultButton(button(QStringLiteral("Command6")));

    ui::onLabelClick(label(QStringLiteral("Label47")), [] { FormRegistry::show(QStringLiteral("Form142")); });
    ui::onLabelClick(label(QStringLiteral("Label5")), [] { FormRegistry::show(QStringLiteral("Form141")); });

    onClick(QStringLiteral("Command6"), [this] { calculate(); });
    onClick(QStringLiteral("Command11"), [this] { reset(); });
    onClick(QStringLiteral("Command1"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command5"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command3"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form10")); });
    expertcells::connectExports(this);
    setEnabled(kOutputButtons, false);
}

void Form23::buildInputs(QGroupBox* frame) {
    QVBoxLayout* side =
        inputsBesideSketch(frame,
                           inputRows(kInputs, {{"Text1_0", Column::Mark, ui::gap()},
                                               {"Text1_8", Column::Unit, ui::link("Label47", 1411)},
                                               {"Text1_9", Column::Unit, ui::link("Label5", 1410)}}),
                           QStringLiteral(":/pictures/expert/form23-sketch.svg"), 3720);
    field(QStringLiteral("Text1_0"))->setToolTip(StringTable::text(2277));
    side->addWidget(buildButtons(frame));
}

QWidget* Form23::buildButtons(QWidget* parent) {
    auto* bar = new QWidget(parent);
    ui::grid(bar,
             {
                 {ui::button(QStringLiteral("Command6"), 1357), ui::button(QStringLiteral("Command11"), 1321),
                  ui::button(QStringLiteral("Command1"), 1358)},
                 {ui::button(QStringLiteral("Command5"), 1359), ui::button(QStringLiteral("Command4"), 1406),
                  ui::button(QStringLiteral("Command7"), 1355)},
                 {ui::button(QStringLiteral("Command3"), 1405, 3)},
             });
    button(QStringLiteral("Command6"))->setToolTip(QStringLiteral("可以直接按回车键"));
    return bar;
}

void Form23::buildResults(QGroupBox* frame) {
    QGridLayout* grid = ui::grid(
        frame, {
                   {ui::label("Label45", 1503), ui::result("Text21"),
                    ui::unit("Label53", QStringLiteral("g/mm   ="), 2), ui::result("Text10"),
                    ui::unit("Label34", QStringLiteral("N/mm"))},
                   {ui::label("Label43", 1569), ui::result("Text19"), ui::unit("Label51", kGf),
                    ui::unit("Label33", "="), ui::result("Text9"), ui::unit("Label10", QStringLiteral("N"))},
                   {ui::label("Label44", 2147), ui::result("Text20"), ui::unit("Label52", kGf),
                    ui::label("Label18", 1501), ui::result("Text6"), ui::unit("Label17", kGf)},
                   {ui::label("Label3", 2148), ui::result("Text2"), ui::unit("Label19", kGf),
                    ui::label("Label38", 1501), ui::result("Text7"), ui::unit("Label4", kGf)},
                   {ui::label("Label46", 2274), ui::result("Text11"), ui::unit("Label39", kGf),
                    ui::label("Label26", 1501), ui::result("Text8"), ui::unit("Label41", kGf)},
                   {ui::label("Label30", 1419), ui::result("Text3"), ui::unit("Label29", QStringLiteral("?")),
                    ui::label("Label6", 1418), ui::result("Text4")},
                   {ui::label("Label48", 1438), ui::result("Text13")},
                   {ui::label("Label62", 1416), ui::result("Text26"), ui::label("Label63", 1415, 3)},
                   {ui::label("Label20", 1502, 6)},
               });
    // The first band row has a second copy of its "max" caption lying exactly under the first;
    // drawn twice it would look bold, so only one is shown.
    QLabel* hiddenCopy = ui::makeLabel(frame, QStringLiteral("Label22"), 1501);
    grid->addWidget(hiddenCopy, 2, 3);
    hiddenCopy->hide();
    label(QStringLiteral("Label20"))->setWordWrap(true);
    field(QStringLiteral("Text3"))->setToolTip(QStringLiteral("4~10最好"));
}

void Form23::buildChecks(QGroupBox* frame) {
    ui::grid(frame,
             {
                 {ui::heading("Label21", 1553, 4)},
                 {ui::label("Label54", 1436), ui::result("Text14"), ui::unit("Label49", kStress)},
                 {ui::label("Label57", 1437), ui::result("Text15"), ui::unit("Label56", kStress)},
                 {ui::label("Label66", 1993), ui::result("Text18"), ui::unit("Label65", kStress)},
                 {ui::label("Label7", 2127), ui::result("Text5"), ui::unit("Label27", kVerdict)},
                 {ui::heading("Label8", 1560, 4)},
                 {ui::label("Label60", 1429), ui::result("Text16"), ui::unit("Label61", QStringLiteral("N"))},
                 {ui::label("Label58", 1559), ui::result("Text17"), ui::unit("Label59", kMm)},
                 {ui::label("Label28", 1570), ui::result("Text25"), ui::unit("Label50", kVerdict)},
             });
    field(QStringLiteral("Text5"))->setToolTip(QStringLiteral("大于1 ok"));
    field(QStringLiteral("Text25"))->setToolTip(QStringLiteral("建议0.2~0.8*Lmax"));
}

void Form23::reset() {
    // The life box keeps its text.
    ui::resetFields(this, kInputs);
    clearFields(ui::controlNames(kFirstLengths) + ui::controlNames(kThirdLength) + ui::controlNames(kChecks) +
                QStringList{kTestLengthLabel});
}

void Form23::calculate() {
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.L3Given = !isEmpty(QStringLiteral("Text1_7"));
    in.L3 = number(QStringLiteral("Text1_7"));
    in.strengthGiven = !isEmpty(QStringLiteral("Text1_8")) && !isEmpty(QStringLiteral("Text1_9"));
    in.H0Strict = num::strict(text(QStringLiteral("Text1_4")));
    in.L2Strict = num::strict(text(QStringLiteral("Text1_6")));
    in.L3Strict = num::strict(text(QStringLiteral("Text1_7")));

    Results r;
    ui::computeThenShow([&] { compute(in, r); },
                        [&] {
                            ui::showReached(this, r, kFirstLengths);
                            ui::showVerdicts(this, r, kIndexVerdict);
                            showChecks(r.checks2);
                            ui::showReached(this, r, kThirdLength);
                            showChecks(r.checks3);
                        });
    if (r.thirdLengthDone)
        setEnabled(kOutputButtons, true);
}

void Form23::showChecks(const Checks& c) {
    ui::showReached(this, c, kChecks);
    ui::showVerdicts(this, c, kCheckVerdicts);
    if (c.life)
        setText(QString::fromLatin1(kLifeBox), c.life->text());
    if (!std::isnan(c.lengthAtTestLoad))
        setText(QString::fromLatin1(kTestLengthLabel), StringTable::text(2260) +
                                                           num::formatSingle(c.lengthAtTestLoad, u"0.0") +
                                                           StringTable::text(2261));
}

SPIRELTA_REGISTER_FORM(Form23)
