#include "calc/normal/Form10.h"

#include "calc/normal/ExtensionSpreadsheetExport.h"
#include "calc/normal/NormalFormParts.h"
#include "common/Numbers.h"
#include "common/SpringFormulas.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "platform/WindowCommands.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kGramsForce = QStringLiteral("gf");
const QString kNewtons = QStringLiteral("N");

// The unit labels of the six load boxes.
const QStringList& loadUnitLabels() {
    static const QStringList labels = {QStringLiteral("Label52"), QStringLiteral("Label17"),
                                       QStringLiteral("Label19"), QStringLiteral("Label4"),
                                       QStringLiteral("Label39"), QStringLiteral("Label41")};
    return labels;
}

} // namespace

Form10::Form10() : FormBase(QStringLiteral("Form10")) {
    setWindowTitle(StringTable::text(1499));
    auto* layout = new QVBoxLayout(this);
    buildInputFrame();
    buildResultFrame();

    QLabel* note = ui::makeLabel(this, QStringLiteral("Label6"), 2449);
    note->setStyleSheet(QStringLiteral("color: #ff0000"));
    note->setWordWrap(true);
    layout->addWidget(note);

    // The modulus of the chosen material and the last working length, for the load test.
    normalparts::hiddenField(this, QStringLiteral("Text12"));
    normalparts::hiddenField(this, QStringLiteral("Text22"));
    layout->addStretch();
    normalparts::fixWidths(
        this, QStringLiteral("Text1"),
        {"Text21", "Text10", "Text19", "Text9", "Text20", "Text6", "Text2", "Text7", "Text11", "Text8"});

    normalparts::setUpInputArray(this, QStringLiteral("Text1"), QStringLiteral("Command6"));
    setEnabled({QStringLiteral("Command1"), QStringLiteral("Command2"), QStringLiteral("Command4"),
                QStringLiteral("Command7"), QStringLiteral("Command11")},
               false);

    onClick(QStringLiteral("Command6"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [] { FormRegistry::show(QStringLiteral("Form17")); });
    onClick(QStringLiteral("Command11"), [this] { reset(); });
    onClick(QStringLiteral("Command5"), [this] { close(); });
    onClick(QStringLiteral("Command8"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command1"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command7"), [this] { fillDrawingSheet(); });
    onClick(QStringLiteral("Command3"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form23")); });
    onClick(QStringLiteral("Command9"), [this] { switchLoadsToNewtons(); });
    // Command4 (Save As) fills the spreadsheet template; Label5 (the "max" caption of the h3
    // row) opens the tensile-strength workbook.
    ExtensionSpreadsheetExport::connect(this);
}

void Form10::buildInputFrame() {
    normalparts::addInputFrame(
        this,
        {
            {ui::label("Label9", 1375),
             ui::spanning(ui::combo("Combo1", springMaterialNames(SpringMaterialRows::All)), 2),
             ui::button("Command3", 1371)},
            {ui::label("Label15", 1333), ui::edit("Text1_0"), ui::literal("Label14", "mm"),
             ui::mark("Label23_1", true)},
            {ui::label("Label13", 1332), ui::edit("Text1_1"), ui::literal("Label12", "mm"),
             ui::mark("Label23_2", true)},
            {ui::label("Label16", 1373), ui::edit("Text1_2"), ui::literal("Label11", "T"),
             ui::mark("Label23_3", true)},
            {ui::label("Label40", 1369), ui::edit("Text1_3"), ui::literal("Label2", "mm"),
             ui::mark("Label23_4", true)},
            {ui::label("Label1", 1507), ui::edit("Text1_4"), ui::literal("Label23_0", "mm"),
             ui::mark("Label23_7", true)},
            {ui::label("Label37", 1508), ui::edit("Text1_5"), ui::literal("Label35", "mm"),
             ui::mark("Label23_5", false)},
            {ui::label("Label25", 1509), ui::edit("Text1_6"), ui::literal("Label24", "mm"),
             ui::mark("Label23_6", false)},
        },
        {
            {ui::button("Command6", 1357), ui::button("Command2", 1356), ui::button("Command11", 1321),
             ui::button("Command5", 1315)},
            {ui::button("Command8", 1359), ui::button("Command4", 1406), ui::button("Command1", 1358),
             ui::button("Command7", 1355)},
        },
        {"Image1", ":/pictures/normal/form10.svg", 300});
}

void Form10::buildResultFrame() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 1812);
    layout()->addWidget(frame);
    auto loadRow = [](const char* caption, int textId, const char* least, const char* leastUnit,
                      const char* maxCaption, const char* greatest, const char* greatestUnit) {
        return std::vector<ui::Cell>{ui::label(caption, textId),   ui::result(least),
                                     ui::literal(leastUnit, "gf"), ui::label(maxCaption, 1501),
                                     ui::result(greatest),         ui::literal(greatestUnit, "gf")};
    };
    QGridLayout* grid = ui::grid(
        frame, {
                   {ui::label("Label45", 1503), ui::result("Text21"), ui::literal("Label53", "g/mm   =", 2),
                    ui::result("Text10"), ui::literal("Label34", "N/mm")},
                   {ui::label("Label43", 1569), ui::result("Text19"), ui::literal("Label51", "gf"),
                    ui::literal("Label33", "="), ui::result("Text9"), ui::literal("Label10", "N")},
                   loadRow("Label44", 1504, "Text20", "Label52", "Label22", "Text6", "Label17"),
                   loadRow("Label3", 1505, "Text2", "Label19", "Label38", "Text7", "Label4"),
                   loadRow("Label46", 1506, "Text11", "Label39", "Label5", "Text8", "Label41"),
               });

    // The length hint stands right of the first two rows, the unit switch below it.
    QLabel* hint = ui::makeLabel(frame, QStringLiteral("Label20"), 1502);
    hint->setStyleSheet(QStringLiteral("color: #ff0000"));
    hint->setWordWrap(true);
    hint->setMinimumWidth(ui::twips(3600));
    grid->addWidget(hint, 0, 6, 2, 1);
    grid->addWidget(ui::makeButton(frame, QStringLiteral("Command9"), 1500), 2, 6);
    grid->setColumnStretch(6, 1);
}

void Form10::setLoadUnit(const QString& unit) {
    for (const QString& name : loadUnitLabels())
        setText(name, unit);
}

void Form10::calculate() {
    const float g =
        num::single(springMaterialModulus(SpringMaterialRows::All, text(QStringLiteral("Combo1"))));
    setSingle(QStringLiteral("Text12"), g);
    if (!requireFilled({{QStringLiteral("Text1_0"), 1333},
                        {QStringLiteral("Text1_1"), 1332},
                        {QStringLiteral("Text1_2"), 1373},
                        {QStringLiteral("Text1_3"), 1369},
                        {QStringLiteral("Text1_4"), 1507}}))
        return;
    setLoadUnit(kGramsForce);

    auto input = [this](int index) { return num::single(number(QStringLiteral("Text1_%1").arg(index))); };
    const float d = input(0), meanDiameter = input(1), coils = input(2), freeLength = input(3);
    const float length1 = input(4), length2 = input(5), length3 = input(6);
    setSingle(QStringLiteral("Text22"), length1);

    // Beyond this length the spring is likely to take a set.
    const double springIndex = num::div(meanDiameter, d);
    const double longest = (1 - num::div(1, springIndex)) * (double(meanDiameter) * 0.5 * coils) + freeLength;
    setText(QStringLiteral("Label20"),
            StringTable::text(2260) + num::format(longest, u"0.0") + StringTable::text(2261));

    const float extension1 = num::single(double(length1) - freeLength);
    const float extension2 = num::single(double(length2) - freeLength);
    const float extension3 = num::single(double(length3) - freeLength);

    const float tension = num::single(springs::initialTension(g, d, meanDiameter, 3.1416, 1000));
    setSingle(QStringLiteral("Text19"), tension, u"0.0");
    setNumber(QStringLiteral("Text9"), number(QStringLiteral("Text19")) * 9.8 / 1000, u"0.0");

    const double dSquared = double(d) * d;
    const double meanCubed = double(meanDiameter) * meanDiameter * meanDiameter;
    const float rate = num::single(num::div(num::div(dSquared * dSquared * g * 1000 / 8, meanCubed), coils));
    setSingle(QStringLiteral("Text21"), rate, u"0.0");
    setNumber(QStringLiteral("Text10"), double(rate) * 9.8 / 1000, u"0.00");

    auto writeBand = [&](float extension, const QString& leastBox, const QString& greatestBox) {
        const springs::LoadBand band = springs::extensionLoadBand(rate, extension, tension);
        setNumber(leastBox, band.least, u"0.0");
        setNumber(greatestBox, band.greatest, u"0.0");
    };
    writeBand(extension1, QStringLiteral("Text20"), QStringLiteral("Text6"));
    if (!isEmpty(QStringLiteral("Text1_5"))) {
        setSingle(QStringLiteral("Text22"), length2);
        writeBand(extension2, QStringLiteral("Text2"), QStringLiteral("Text7"));
    }
    if (!isEmpty(QStringLiteral("Text1_6"))) {
        setSingle(QStringLiteral("Text22"), length3);
        writeBand(extension3, QStringLiteral("Text11"), QStringLiteral("Text8"));
    }

    setEnabled({QStringLiteral("Command1"), QStringLiteral("Command2"), QStringLiteral("Command4"),
                QStringLiteral("Command7"), QStringLiteral("Command11")},
               true);
}

void Form10::switchLoadsToNewtons() {
    const bool alreadyNewtons = std::all_of(loadUnitLabels().begin(), loadUnitLabels().end(),
                                            [this](const QString& name) { return text(name) == kNewtons; });
    if (alreadyNewtons)
        return;
    // A box that holds no load yet stays empty rather than showing a made-up 0.00.
    auto convert = [this](const QString& box) {
        if (!isEmpty(box))
            setNumber(box, number(box) * 9.8 / 1000, u"0.00");
    };
    convert(QStringLiteral("Text20"));
    convert(QStringLiteral("Text6"));
    if (!isEmpty(QStringLiteral("Text1_5"))) {
        convert(QStringLiteral("Text2"));
        convert(QStringLiteral("Text7"));
    }
    if (!isEmpty(QStringLiteral("Text1_6"))) {
        convert(QStringLiteral("Text8"));
        convert(QStringLiteral("Text11"));
    }
    setLoadUnit(kNewtons);
}

void Form10::reset() {
    clearFields(
        normalparts::inputsAndBoxes(QStringLiteral("Text1"), 6, {2, 6, 7, 8, 9, 10, 11, 12, 19, 20, 21}));
    setLoadUnit(kGramsForce);
    setText(QStringLiteral("Label20"), QString());
    setEnabled({QStringLiteral("Command2"), QStringLiteral("Command11"), QStringLiteral("Command7")}, false);
}

void Form10::fillDrawingSheet() {
    const double d = number(QStringLiteral("Text1_0"));
    const double meanDiameter = number(QStringLiteral("Text1_1"));
    const double freeLength = number(QStringLiteral("Text1_3"));
    ui::SheetFill sheet = sheets::extension();
    sheet.put(2, text(QStringLiteral("Combo1")));
    sheet.put(3, num::text(d));
    sheet.put(4, num::text(d + meanDiameter));
    sheet.put(5, num::text(meanDiameter - d));
    sheet.put(6, num::text(meanDiameter));
    sheet.put(7, num::text(freeLength));
    sheet.put(8, text(QStringLiteral("Text1_2")));
    sheet.put(11, text(QStringLiteral("Text21")));
    sheet.put(12, text(QStringLiteral("Text19")));
    sheet.put({13, 23}, text(QStringLiteral("Text1_4")));
    sheet.put({14, 26}, text(QStringLiteral("Text20")));
    sheet.put({15, 24}, text(QStringLiteral("Text1_5")));
    sheet.put({16, 27}, text(QStringLiteral("Text2")));
    sheet.put({17, 25}, text(QStringLiteral("Text1_6")));
    sheet.put({18, 28}, text(QStringLiteral("Text11")));
    sheet.put(19, num::text(d));
    sheet.put(20, num::text(freeLength));
    sheet.put(21, num::text(d + meanDiameter));
    sheet.show();
}

SPIRELTA_REGISTER_FORM(Form10)
