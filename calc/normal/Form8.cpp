#include "calc/normal/Form8.h"

#include "calc/normal/CompressionCalc.h"
#include "calc/normal/NormalFormParts.h"
#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"
#include "common/ui/SheetFill.h"
#include "platform/WindowCommands.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

using compression::Inputs;
using compression::Results;
using ui::Need;

// The labels keep the names the window has always given them (the end height's unit is Label23_0).
// clang-format off
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1333, .unit = "mm", .caption = "Label1",  .unitName = "Unit1_0",   .mark = "Label23_1"},
    {.field = "Text1_1", .captionId = 1332, .unit = "mm", .caption = "Label3",  .unitName = "Unit1_1",   .mark = "Label23_2"},
    {.field = "Text1_2", .captionId = 1373, .unit = "T",  .caption = "Label5",  .unitName = "Unit1_2",   .mark = "Label23_3"},
    {.field = "Text1_3", .captionId = 1331, .unit = "T",  .caption = "Label63", .unitName = "Unit1_3",   .mark = "Label23_8"},
    {.field = "Text1_4", .captionId = 1369, .unit = "mm", .caption = "Label36", .unitName = "Unit1_4",   .mark = "Label23_7"},
    {.field = "Text1_5", .captionId = 1372, .unit = "mm", .caption = "Label7",  .unitName = "Label23_0", .mark = "Label23_4"},
    {.field = "Text1_6", .captionId = 1370, .unit = "mm", .need = Need::Optional, .caption = "Label22", .unitName = "Unit1_6",   .mark = "Label23_5"},
    {.field = "Text1_7", .captionId = 1374, .unit = "mm", .need = Need::Optional, .caption = "Label56", .unitName = "Unit1_7",   .mark = "Label23_6"},
};
// clang-format on

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::wireDiameter}, {"Text1_1", &Inputs::meanDiameter},
    {"Text1_2", &Inputs::activeCoils},  {"Text1_3", &Inputs::totalCoils},
    {"Text1_4", &Inputs::freeHeight},   {"Text1_5", &Inputs::installedHeight},
};

// Text13 keeps the last working height looked at, for the load-test window.
const ui::Out<Results> kShow[] = {
    {"Text4", &Results::developedLength},      {"Text13", &Results::lastHeight},
    {"Text8", &Results::rateGf, "0.0"},        {"Text2", &Results::rateN, "0.00"},
    {"Text6", &Results::firstLoadGf, "0.0"},   {"Text7", &Results::firstLoadN, "0.00"},
    {"Text11", &Results::secondLoadGf, "0.0"}, {"Text12", &Results::secondLoadN, "0.00"},
    {"Text9", &Results::thirdLoadGf, "0.0"},   {"Text24", &Results::thirdLoadN, "0.00"},
    {"Text27", &Results::limitLoad},
};

// The result rows beside the command buttons: a load in gf and the same in N.
struct LoadRow {
    const char* caption;
    int captionId;
    const char* gfBox;
    const char* gfUnit;
    const char* nBox;
};

const LoadRow kLoadRows[] = {
    {"Label14_0", 1362, "Text8", "gf/mm, =", "Text2"},
    {"Label11", 1363, "Text6", "gf     =", "Text7"},
    {"Label19", 1361, "Text11", "gf     =", "Text12"},
    {"Label33", 1364, "Text9", "gf     =", "Text24"},
};

// What the reset empties besides the inputs; the developed length and the hidden fields stay.
const char* const kResetResults[] = {"Text2",  "Text6",  "Text7",  "Text8", "Text9",
                                     "Text11", "Text12", "Text24", "Text27"};

// The commands that need a completed calculation.
const QStringList kAfterCalculation = {QStringLiteral("Command4"), QStringLiteral("Command5"),
                                       QStringLiteral("Command7"), QStringLiteral("Command2")};

// Boxes of the drawing sheet that copy a control's text as it stands.
const struct {
    int box;
    const char* control;
} kSheetCopies[] = {
    {2, "Combo1"},   {6, "Text1_1"},  {8, "Text1_2"},  {9, "Text1_3"},  {12, "Text2"},   {13, "Text1_5"},
    {23, "Text1_5"}, {14, "Text7"},   {26, "Text7"},   {15, "Text1_6"}, {24, "Text1_6"}, {16, "Text12"},
    {27, "Text12"},  {17, "Text1_7"}, {25, "Text1_7"}, {18, "Text24"},  {28, "Text24"},
};

std::vector<ui::Cell> loadRow(const LoadRow& row) {
    const QString gf = QString::fromLatin1(row.gfBox);
    const QString n = QString::fromLatin1(row.nBox);
    return {ui::label(QString::fromLatin1(row.caption), row.captionId), ui::edit(gf),
            ui::literal(QStringLiteral("Unit") + gf, QString::fromLatin1(row.gfUnit)), ui::edit(n),
            ui::literal(QStringLiteral("Unit") + n, QStringLiteral("N"))};
}

// Boxes that show the rate and the limit load have the grey of the window frame.
void greyBackground(QLineEdit* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, box->palette().color(QPalette::Window));
    box->setPalette(palette);
}

compression::Ends endsOf(const QString& listText) {
    if (listText == StringTable::text(1381))
        return compression::Ends::Ground;
    if (listText == StringTable::text(1382))
        return compression::Ends::NotGround;
    return compression::Ends::Unknown; // the list is editable
}

} // namespace

Form8::Form8() : FormBase(QStringLiteral("Form8")) {
    setWindowTitle(StringTable::text(1354));
    auto* layout = new QVBoxLayout(this);
    buildInputFrame(layout);
    buildResultArea(layout);
    declare(ui::fieldNames(kInputs) + ui::controlNames(kRead) + ui::controlNames(kShow));

    normalparts::setUpInputArray(this, QStringLiteral("Text1"), QStringLiteral("Command1"));
    setEnabled(kAfterCalculation, false);
    connectCommands();
    // Fields keep the widths of a form of about 8010 x 6405 twips; the window does not grow.
    comboBox(QStringLiteral("Combo2"))->setFixedWidth(ui::twips(2400));
    normalparts::fixWidths(this, QStringLiteral("Text1"),
                           {QStringLiteral("Text8"), QStringLiteral("Text2"), QStringLiteral("Text6"),
                            QStringLiteral("Text7"), QStringLiteral("Text11"), QStringLiteral("Text12"),
                            QStringLiteral("Text9"), QStringLiteral("Text24"), QStringLiteral("Text4"),
                            QStringLiteral("Text27")});
}

void Form8::buildInputFrame(QBoxLayout* layout) {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    layout->addWidget(frame);
    auto* row = new QHBoxLayout(frame);
    std::vector<std::vector<ui::Cell>> rows = {
        {ui::label(QStringLiteral("Label9"), 1375),
         ui::spanning(ui::combo(QStringLiteral("Combo1"), springMaterialNames(SpringMaterialRows::All)), 3)},
        {ui::label(QStringLiteral("Label34"), 1367),
         ui::spanning(ui::combo(QStringLiteral("Combo2"), {StringTable::text(1381), StringTable::text(1382)}),
                      3)},
    };
    for (auto& input : ui::inputRows(kInputs))
        rows.push_back(std::move(input));
    ui::grid(frame, rows);

    auto* side = new QVBoxLayout;
    row->addLayout(side);
    side->addWidget(ui::makeButton(frame, QStringLiteral("Command3"), 1371), 0, Qt::AlignLeft);
    side->addWidget(ui::makePicture(frame, QStringLiteral("Image1"),
                                    QStringLiteral(":/pictures/normal/form8-sketch.svg")),
                    1, Qt::AlignCenter);

    // The shear modulus and the last working height, for the load-test window.
    for (const char* name : {"Text3", "Text13"})
        normalparts::hiddenField(frame, QString::fromLatin1(name));
}

void Form8::buildResultArea(QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    layout->addLayout(row);

    auto* buttons = new QWidget(this);
    buttons->setObjectName(QStringLiteral("CommandPanel"));
    row->addWidget(buttons, 0, Qt::AlignTop);
    ui::grid(buttons,
             {
                 {ui::button(QStringLiteral("Command1"), 1357), ui::button(QStringLiteral("Command5"), 1358)},
                 {ui::button(QStringLiteral("Command4"), 1321), ui::button(QStringLiteral("Command8"), 1359)},
                 {ui::button(QStringLiteral("Command2"), 1356), ui::button(QStringLiteral("Command7"), 1355)},
             });

    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 1360);
    row->addWidget(frame, 1);
    std::vector<std::vector<ui::Cell>> rows;
    for (const LoadRow& load : kLoadRows)
        rows.push_back(loadRow(load));
    rows.push_back({ui::label(QStringLiteral("Label16"), 1476), ui::edit(QStringLiteral("Text4")),
                    ui::label(QStringLiteral("Label14_5"), 1365), ui::edit(QStringLiteral("Text27")),
                    ui::literal(QStringLiteral("UnitText27"), QStringLiteral("N"))});
    ui::grid(frame, rows);
    label(QStringLiteral("Label14_0"))->setStyleSheet(QStringLiteral("color: #0000ff"));
    for (const char* name : {"Text8", "Text2", "Text27"})
        greyBackground(field(QString::fromLatin1(name)));
}

void Form8::connectCommands() {
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command4"), [this] { reset(); });
    onClick(QStringLiteral("Command7"), [this] { fillDrawingSheet(); });
    onClick(QStringLiteral("Command5"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command8"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command2"), [] { FormRegistry::show(QStringLiteral("Form15")); });
    onClick(QStringLiteral("Command3"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form21")); });
}

void Form8::calculate() {
    // The modulus is looked up and kept for the load-test window before anything is checked.
    const float g =
        num::single(springMaterialModulus(SpringMaterialRows::All, text(QStringLiteral("Combo1"))));
    setSingle(QStringLiteral("Text3"), g);
    if (!ui::requireFilled(this, kInputs))
        return;

    Inputs in = ui::read(this, kRead);
    in.shearModulus = g;
    in.ends = endsOf(text(QStringLiteral("Combo2")));
    for (auto [field, height] :
         {std::pair{"Text1_6", &Inputs::secondHeight}, {"Text1_7", &Inputs::thirdHeight}})
        if (!isEmpty(QString::fromLatin1(field)))
            in.*height = number(QString::fromLatin1(field));

    Results r;
    // What was worked out before a fault stays shown.
    ui::computeThenShow([&] { compression::compute(in, r); }, [&] { ui::showReached(this, r, kShow); });
    if (r.solid) {
        prompt::inform(this, StringTable::text(1380));
        return;
    }
    setEnabled(kAfterCalculation, true);
}

void Form8::reset() {
    ui::resetFields(this, kInputs);
    for (const char* box : kResetResults)
        setText(QString::fromLatin1(box), {});
    setEnabled({QStringLiteral("Command7"), QStringLiteral("Command2"), QStringLiteral("Command4")}, false);
}

void Form8::fillDrawingSheet() {
    const double d = number(QStringLiteral("Text1_0"));
    const double meanDiameter = number(QStringLiteral("Text1_1"));
    const QString free = num::text(number(QStringLiteral("Text1_4")));
    // Worked out before the sheet is touched: coil counts that are not plain numbers stop here
    // with the input-error message instead of leaving a half-filled sheet.
    const double totalCoils = num::strictOrFault(text(QStringLiteral("Text1_3")));
    const double activeCoils = num::strictOrFault(text(QStringLiteral("Text1_2")));
    const compression::SheetValues values =
        compression::sheetValues(d, meanDiameter, totalCoils, activeCoils);
    ui::SheetFill sheet = sheets::compression();
    for (const auto& copy : kSheetCopies)
        sheet.put(copy.box, text(QString::fromLatin1(copy.control)));
    sheet.put({3, 19}, num::text(d));
    sheet.put({4, 21}, num::text(values.diameters.outer));
    sheet.put({5, 22}, num::text(values.diameters.inner));
    sheet.put({7, 20}, free);
    sheet.put(11, num::text(values.supportCoils));
    sheet.show();
}

SPIRELTA_REGISTER_FORM(Form8)
