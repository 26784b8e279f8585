#include "calc/normal/Form8.h"

#include "calc/normal/CompressionCalc.h"
#include "calc/normal/NormalFormParts.h"
#include "common/Numbers.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/Prompt.h"
#include "common/ui/SheetFill.h"
#include "platform/WindowCommands.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// One input row: caption, field, unit and the required/optional mark.
std::vector<ui::Cell> inputRow(const char* caption, int captionId, int index, const char* unit,
                               const char* unitName, int markItem, bool required) {
    return {ui::label(QString::fromLatin1(caption), captionId),
            ui::edit(QStringLiteral("Text1_%1").arg(index)),
            ui::literal(QString::fromLatin1(unitName), QString::fromLatin1(unit)),
            ui::mark(QStringLiteral("Label23_%1").arg(markItem), required)};
}

// One result row: caption, box in grams-force, unit, box in newtons, unit.
std::vector<ui::Cell> resultRow(const char* caption, int captionId, const char* gfBox, const char* gfUnit,
                                const char* nBox) {
    const QString gf = QString::fromLatin1(gfBox);
    const QString n = QString::fromLatin1(nBox);
    return {ui::label(QString::fromLatin1(caption), captionId), ui::edit(gf),
            ui::literal(QStringLiteral("Unit") + gf, QString::fromLatin1(gfUnit)), ui::edit(n),
            ui::literal(QStringLiteral("Unit") + n, QStringLiteral("N"))};
}

// Boxes that show the rate and the limit load have the grey of the window frame.
void greyBackground(QLineEdit* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, box->palette().color(QPalette::Window));
    box->setPalette(palette);
}

} // namespace

Form8::Form8() : FormBase(QStringLiteral("Form8")) {
    setWindowTitle(StringTable::text(1354));
    auto* layout = new QVBoxLayout(this);
    buildInputFrame(layout);
    buildResultArea(layout);

    normalparts::setUpInputArray(this, QStringLiteral("Text1"), QStringLiteral("Command1"));
    setEnabled({QStringLiteral("Command5"), QStringLiteral("Command7"), QStringLiteral("Command2"),
                QStringLiteral("Command4")},
               false);
    connectCommands();
    // Fields keep the widths of a form of about 8010 x 6405 twips; the window does not grow.
    for (QLineEdit* input : inputArray(QStringLiteral("Text1")))
        input->setFixedWidth(ui::twips(1350));
    for (const char* list : {"Combo1", "Combo2"})
        comboBox(QString::fromLatin1(list))->setFixedWidth(ui::twips(2400));
    for (const char* box :
         {"Text8", "Text2", "Text6", "Text7", "Text11", "Text12", "Text9", "Text24", "Text4", "Text27"})
        field(QString::fromLatin1(box))->setFixedWidth(ui::twips(1100));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Form8::buildInputFrame(QBoxLayout* layout) {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    layout->addWidget(frame);
    auto* row = new QHBoxLayout(frame);
    ui::grid(
        frame,
        {
            {ui::label(QStringLiteral("Label9"), 1375),
             ui::spanning(ui::combo(QStringLiteral("Combo1"), springMaterialNames(SpringMaterialRows::All)),
                          3)},
            {ui::label(QStringLiteral("Label34"), 1367),
             ui::spanning(
                 ui::combo(QStringLiteral("Combo2"), {StringTable::text(1381), StringTable::text(1382)}), 3)},
            inputRow("Label1", 1333, 0, "mm", "Unit1_0", 1, true),
            inputRow("Label3", 1332, 1, "mm", "Unit1_1", 2, true),
            inputRow("Label5", 1373, 2, "T", "Unit1_2", 3, true),
            inputRow("Label63", 1331, 3, "T", "Unit1_3", 8, true),
            inputRow("Label36", 1369, 4, "mm", "Unit1_4", 7, true),
            inputRow("Label7", 1372, 5, "mm", "Label23_0", 4, true),
            inputRow("Label22", 1370, 6, "mm", "Unit1_6", 5, false),
            inputRow("Label56", 1374, 7, "mm", "Unit1_7", 6, false),
        });

    auto* side = new QVBoxLayout;
    row->addLayout(side);
    side->addWidget(ui::makeButton(frame, QStringLiteral("Command3"), 1371), 0, Qt::AlignLeft);
    side->addWidget(ui::makePicture(frame, QStringLiteral("Image1"),
                                    QStringLiteral(":/pictures/normal/form8-sketch.svg")),
                    1, Qt::AlignCenter);

    // The shear modulus and the last working height, for the load-test window.
    for (const char* name : {"Text3", "Text13"})
        ui::makeEdit(frame, QString::fromLatin1(name))->hide();
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
    ui::grid(frame, {
                        resultRow("Label14_0", 1362, "Text8", "gf/mm, =", "Text2"),
                        resultRow("Label11", 1363, "Text6", "gf     =", "Text7"),
                        resultRow("Label19", 1361, "Text11", "gf     =", "Text12"),
                        resultRow("Label33", 1364, "Text9", "gf     =", "Text24"),
                        {ui::label(QStringLiteral("Label16"), 1476), ui::edit(QStringLiteral("Text4")),
                         ui::label(QStringLiteral("Label14_5"), 1365), ui::edit(QStringLiteral("Text27")),
                         ui::literal(QStringLiteral("UnitText27"), QStringLiteral("N"))},
                    });
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
    Spring spring{};
    spring.g = num::single(springMaterialModulus(SpringMaterialRows::All, text(QStringLiteral("Combo1"))));
    setSingle(QStringLiteral("Text3"), spring.g);

    if (!requireFilled({{QStringLiteral("Text1_0"), 1333},
                        {QStringLiteral("Text1_1"), 1332},
                        {QStringLiteral("Text1_2"), 1373},
                        {QStringLiteral("Text1_3"), 1331},
                        {QStringLiteral("Text1_4"), 1369},
                        {QStringLiteral("Text1_5"), 1372}}))
        return;

    spring.d = num::single(number(QStringLiteral("Text1_0")));
    spring.meanDiameter = num::single(number(QStringLiteral("Text1_1")));
    spring.activeCoils = num::single(number(QStringLiteral("Text1_2")));
    spring.freeHeight = num::single(number(QStringLiteral("Text1_4")));
    const float h1 = num::single(number(QStringLiteral("Text1_5")));
    const double totalCoils = number(QStringLiteral("Text1_3"));

    setNumber(QStringLiteral("Text4"), compression::developedLength(totalCoils, spring.meanDiameter));
    setSingle(QStringLiteral("Text13"), h1);
    const float f1 = num::single(double(spring.freeHeight) - double(h1));

    // The end-type list is editable; a text that is neither entry defines no solid height.
    const QString endType = text(QStringLiteral("Combo2"));
    if (endType != StringTable::text(1381) && endType != StringTable::text(1382))
        throw num::CalcFault("unknown end type");
    spring.solidHeight = compression::solidHeight(totalCoils, spring.d, endType == StringTable::text(1381));
    if (spring.solidHeight > h1) {
        prompt::inform(this, StringTable::text(1380));
        return;
    }

    const double rateGf = compression::rateGf(spring.g, spring.d, spring.meanDiameter, spring.activeCoils);
    setNumber(QStringLiteral("Text8"), rateGf, u"0.0");
    setNumber(QStringLiteral("Text2"), compression::rateN(rateGf), u"0.00");

    const float p1 = compression::loadGf(spring.g, f1, spring.d, spring.meanDiameter, spring.activeCoils);
    setSingle(QStringLiteral("Text6"), p1, u"0.0");
    setSingle(QStringLiteral("Text7"), compression::loadN(p1), u"0.00");

    if (!workingLoad(spring, QStringLiteral("Text1_6"), QStringLiteral("Text11"), QStringLiteral("Text12"),
                     false))
        return;
    if (!workingLoad(spring, QStringLiteral("Text1_7"), QStringLiteral("Text9"), QStringLiteral("Text24"),
                     true))
        return;

    setEnabled({QStringLiteral("Command4"), QStringLiteral("Command5"), QStringLiteral("Command7"),
                QStringLiteral("Command2")},
               true);
}

bool Form8::workingLoad(const Spring& spring, const QString& heightField, const QString& loadGfField,
                        const QString& loadNField, bool loadNInDouble) {
    if (isEmpty(heightField))
        return true;
    const float h = num::single(number(heightField));
    setSingle(QStringLiteral("Text13"), h);
    if (spring.solidHeight > h) {
        prompt::inform(this, StringTable::text(1380));
        return false;
    }
    const float f = num::single(double(spring.freeHeight) - double(h));
    const float p = compression::loadGf(spring.g, f, spring.d, spring.meanDiameter, spring.activeCoils);
    setSingle(loadGfField, p, u"0.0");
    if (loadNInDouble)
        setNumber(loadNField, double(p) * 9.8 / 1000, u"0.00");
    else
        setSingle(loadNField, compression::loadN(p), u"0.00");
    // The limit load comes from the load as shown, already rounded to two decimals.
    setNumber(QStringLiteral("Text27"), limitLoad(num::strictOrFault(text(loadNField))));
    return true;
}

void Form8::reset() {
    clearFields({QStringLiteral("Text1_0"), QStringLiteral("Text1_1"), QStringLiteral("Text1_2"),
                 QStringLiteral("Text1_3"), QStringLiteral("Text1_4"), QStringLiteral("Text1_5"),
                 QStringLiteral("Text1_6"), QStringLiteral("Text1_7"), QStringLiteral("Text2"),
                 QStringLiteral("Text6"), QStringLiteral("Text7"), QStringLiteral("Text8"),
                 QStringLiteral("Text9"), QStringLiteral("Text11"), QStringLiteral("Text12"),
                 QStringLiteral("Text24"), QStringLiteral("Text27")});
    setEnabled({QStringLiteral("Command7"), QStringLiteral("Command2"), QStringLiteral("Command4")}, false);
}

void Form8::fillDrawingSheet() {
    const double d = number(QStringLiteral("Text1_0"));
    const double meanDiameter = number(QStringLiteral("Text1_1"));
    const double freeHeight = number(QStringLiteral("Text1_4"));
    // Everything is worked out before the sheet is touched: coil counts that are not plain
    // numbers stop here with the input-error message instead of leaving a half-filled sheet.
    const double supportCoils = (num::strictOrFault(text(QStringLiteral("Text1_3"))) -
                                 num::strictOrFault(text(QStringLiteral("Text1_2")))) /
                                2;
    const QString wire = num::text(d);
    const QString outer = num::text(meanDiameter + d);
    const QString inner = num::text(meanDiameter - d);
    const QString free = num::text(freeHeight);
    const QString support = num::text(supportCoils);

    const std::pair<int, QString> boxes[] = {
        {2, text(QStringLiteral("Combo1"))},
        {3, wire},
        {4, outer},
        {5, inner},
        {6, text(QStringLiteral("Text1_1"))},
        {7, free},
        {8, text(QStringLiteral("Text1_2"))},
        {9, text(QStringLiteral("Text1_3"))},
        {11, support},
        {12, text(QStringLiteral("Text2"))},
        {13, text(QStringLiteral("Text1_5"))},
        {23, text(QStringLiteral("Text1_5"))},
        {14, text(QStringLiteral("Text7"))},
        {26, text(QStringLiteral("Text7"))},
        {15, text(QStringLiteral("Text1_6"))},
        {24, text(QStringLiteral("Text1_6"))},
        {16, text(QStringLiteral("Text12"))},
        {27, text(QStringLiteral("Text12"))},
        {17, text(QStringLiteral("Text1_7"))},
        {25, text(QStringLiteral("Text1_7"))},
        {18, text(QStringLiteral("Text24"))},
        {28, text(QStringLiteral("Text24"))},
        {19, wire},
        {20, free},
        {21, outer},
        {22, inner},
    };
    ui::SheetFill sheet = sheets::compression();
    for (const auto& [box, value] : boxes)
        sheet.put(box, value);
    sheet.show();
}

SPIRELTA_REGISTER_FORM(Form8)
