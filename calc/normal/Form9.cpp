#include "calc/normal/Form9.h"

#include "calc/normal/NormalFormParts.h"
#include "calc/normal/TorsionCalc.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/LabelClick.h"
#include "common/ui/PartialResults.h"
#include "common/ui/SheetFill.h"
#include "platform/ContactLinks.h"
#include "platform/WindowCommands.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using torsion::Inputs;
using torsion::Results;
using ui::Need;

// clang-format off
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1333, .unit = "mm", .caption = "Label16", .mark = "Label23_1"},
    {.field = "Text1_1", .captionId = 1332, .unit = "mm", .caption = "Label17", .unitName = "Label23_0", .mark = "Label23_2"},
    {.field = "Text1_2", .captionId = 1373, .unit = "T",  .caption = "Label18", .mark = "Label23_3"},
    {.field = "Text1_3", .captionId = 1496, .unit = "。", .caption = "Label19", .mark = "Label23_4"},
    {.field = "Text1_4", .captionId = 1497, .unit = "。", .need = Need::Optional, .caption = "Label9", .mark = "Label23_5"},
    {.field = "Text1_5", .captionId = 1498, .unit = "。", .need = Need::Optional, .caption = "Label64", .mark = "Label23_6"},
    {.field = "Text1_6", .captionId = 1494, .unit = "mm", .caption = "Label30", .mark = "Label23_7"},
    {.field = "Text1_7", .captionId = 1495, .unit = "mm", .caption = "Label15", .mark = "Label23_9"},
    {.field = "Text1_8", .captionId = 1493, .unit = "mm", .need = Need::Optional, .caption = "Label42_0", .mark = "Label23_10"},
};
// clang-format on

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},      {"Text1_1", &Inputs::meanDiameter}, {"Text1_2", &Inputs::coils},
    {"Text1_3", &Inputs::angle1}, {"Text1_4", &Inputs::angle2},       {"Text1_6", &Inputs::leg1},
    {"Text1_7", &Inputs::leg2},
};

// Text27 keeps the last twist angle reached, for the load-test window.
const ui::Out<Results> kShow[] = {
    {"Text27", &Results::lastAngle},          {"Text8", &Results::index, "0.00"},
    {"Text7", &Results::curvature, "0.00"},   {"Text3", &Results::rate, "0.000"},
    {"Text13", &Results::load1, "0.000"},     {"Text10", &Results::load1N, "0.000"},
    {"Text12", &Results::torque1, "0.000"},   {"Text9", &Results::torque1N, "0.000"},
    {"Text21", &Results::bodyLength, "0.00"}, {"Text2", &Results::load2, "0.000"},
    {"Text5", &Results::load2N, "0.000"},     {"Text19", &Results::torque2, "0.000"},
    {"Text20", &Results::torque2N, "0.000"},  {"Text22", &Results::innerDiameter, "0.00"},
    {"Text17", &Results::load3, "0.000"},     {"Text18", &Results::load3N, "0.000"},
    {"Text4", &Results::torque3, "0.000"},    {"Text6", &Results::torque3N, "0.000"},
};

// Emptied by the reset besides the inputs; the index and the curvature factor stay.
const QStringList kResetBoxes = {"Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text9",
                                 "Text10", "Text11", "Text12", "Text13", "Text17", "Text18",
                                 "Text19", "Text20", "Text21", "Text22"};

// Print, load test, drawing and reset open once there are results; the reset closes all but print.
const QStringList kResultButtons = {"Command1", "Command2", "Command7", "Command10"};

} // namespace

Form9::Form9() : FormBase(QStringLiteral("Form9")) {
    setWindowTitle(StringTable::text(1483));
    auto* layout = new QVBoxLayout(this);
    buildInputFrame();
    buildResultFrame();

    // The modulus of the chosen material and the last twist angle, for the load test.
    normalparts::hiddenField(this, QStringLiteral("Text11"));
    normalparts::hiddenField(this, QStringLiteral("Text27"));
    layout->addStretch();
    normalparts::fixWidths(this, QStringLiteral("Text1"), ui::controlNames(kShow));

    normalparts::setUpInputArray(this, QStringLiteral("Text1"), QStringLiteral("Command4"));
    setEnabled(kResultButtons, false);

    onClick(QStringLiteral("Command4"), [this] { calculate(); });
    onClick(QStringLiteral("Command10"), [this] { reset(); });
    onClick(QStringLiteral("Command2"), [] { FormRegistry::show(QStringLiteral("Form16")); });
    onClick(QStringLiteral("Command1"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command6"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command7"), [this] { fillDrawingSheet(); });
    onClick(QStringLiteral("Command5"), [this] { close(); });
    onClick(QStringLiteral("Command3"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form22")); });
    ui::onLabelClick(
        label(QStringLiteral("Label4")), [] { contactlinks::composePublisherMail(); },
        ui::ClickRule::AnyLeftRelease);
    declare(ui::fieldNames(kInputs) + ui::controlNames(kRead) + ui::controlNames(kShow) + kResetBoxes +
            kResultButtons);
}

void Form9::buildInputFrame() {
    normalparts::addInputFrame(
        this, normalparts::inputTable({"Label28", 1375, "Command3"}, kInputs),
        {{ui::button("Command4", 1357), ui::button("Command10", 1321), ui::button("Command2", 1356),
          ui::button("Command1", 1358), ui::button("Command6", 1359),
          normalparts::literalButton("Command7", QStringLiteral("出图")), ui::button("Command5", 1315)}},
        {"Image2", ":/pictures/normal/form9.svg", 340});
}

void Form9::buildResultFrame() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 1812);
    layout()->addWidget(frame);
    auto* columns = new QHBoxLayout(frame);
    auto* loads = new QWidget(frame);
    auto* values = new QWidget(frame);
    columns->addWidget(loads);
    columns->addSpacing(24);
    columns->addWidget(values);
    columns->addStretch();

    // One row per torque and load: kgf-based box, "=", N-based box.
    auto row = [](const char* caption, int textId, const char* kgfBox, const char* kgfUnit,
                  const char* newtonBox, const char* newtonUnit) {
        const QString box = QString::fromLatin1(kgfBox);
        return std::vector<ui::Cell>{ui::label(caption, textId), ui::result(box),
                                     ui::unitOf(box, kgfUnit),   ui::literal("Equals" + box, "="),
                                     ui::result(newtonBox),      ui::unitOf(newtonBox, newtonUnit)};
    };
    ui::grid(loads, {
                        row("Label20", 1489, "Text12", "Kgf.mm", "Text9", "N.mm"),
                        row("Label68", 1490, "Text19", "Kgf.mm", "Text20", "N.mm"),
                        row("Label6", 1484, "Text4", "Kgf.mm", "Text6", "N.mm"),
                        row("Label21", 1486, "Text13", "Kgf", "Text10", "N"),
                        row("Label11", 1487, "Text2", "Kgf", "Text5", "N"),
                        row("Label61", 1488, "Text17", "Kgf", "Text18", "N"),
                    });
    ui::grid(values,
             {
                 {ui::label("Label13", 1485), ui::result("Text3"), ui::literal("Label14_2", "Kg.mm/deg")},
                 {ui::label("Label1", 1419), ui::result("Text8"), ui::literal("Label4", "(4~16)")},
                 {ui::label("Label36", 1418), ui::result("Text7")},
                 {ui::label("Label71", 1491), ui::result("Text21"), ui::unitOf("Text21", "mm")},
                 {ui::label("Label72", 1492), ui::result("Text22"), ui::unitOf("Text22", "mm")},
             });
    field(QStringLiteral("Text8"))->setToolTip(QStringLiteral("建议4~16"));
}

void Form9::calculate() {
    const double modulus =
        springMaterialModulus(SpringMaterialRows::All, text(QStringLiteral("Combo1")), Modulus::E);
    setNumber(QStringLiteral("Text11"), modulus);
    if (!ui::requireFilled(this, kInputs))
        return;

    Inputs in = ui::read(this, kRead);
    in.e = num::single(modulus);
    in.hasAngle2 = !isEmpty(QStringLiteral("Text1_4"));
    for (auto [field, value] : {std::pair{"Text1_5", &Inputs::angle3}, {"Text1_8", &Inputs::arm}})
        if (!isEmpty(QString::fromLatin1(field)))
            in.*value = number(QString::fromLatin1(field));

    Results r;
    // What was worked out before a fault stays shown.
    ui::computeThenShow([&] { torsion::compute(in, r); }, [&] { ui::showReached(this, r, kShow); });
    setEnabled(kResultButtons, true);
}

void Form9::reset() {
    ui::resetFields(this, kInputs);
    clearFields(kResetBoxes);
    setEnabled({QStringLiteral("Command7"), QStringLiteral("Command10"), QStringLiteral("Command2")}, false);
}

void Form9::fillDrawingSheet() {
    const double d = number(QStringLiteral("Text1_0"));
    const double meanDiameter = number(QStringLiteral("Text1_1"));
    const double coils = number(QStringLiteral("Text1_2"));
    const torsion::SheetValues values =
        torsion::sheetValues(d, meanDiameter, coils, number(QStringLiteral("Text3")));
    ui::SheetFill sheet = sheets::torsion();
    sheet.put(2, text(QStringLiteral("Combo1")));
    sheet.put({3, 19}, num::text(d));
    sheet.put(4, num::text(values.diameters.outer));
    sheet.put(5, num::text(values.diameters.inner));
    sheet.put({6, 20}, num::text(meanDiameter));
    sheet.put({7, 24}, num::text(values.bodyLength));
    sheet.put({8, 9}, num::text(coils));
    sheet.put(12, num::text(values.rateN));
    sheet.put(13, text(QStringLiteral("Text1_3")));
    sheet.put(14, text(QStringLiteral("Text9")));
    sheet.put(15, text(QStringLiteral("Text1_4")));
    sheet.put(16, text(QStringLiteral("Text20")));
    sheet.put(17, text(QStringLiteral("Text1_5")));
    sheet.put(18, text(QStringLiteral("Text6")));
    sheet.put(21, text(QStringLiteral("Text1_6")));
    sheet.put(22, text(QStringLiteral("Text1_7")));
    sheet.show();
}

SPIRELTA_REGISTER_FORM(Form9)
