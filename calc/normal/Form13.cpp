#include "calc/normal/Form13.h"

#include "calc/normal/ConicalLoadSketch.h"
#include "calc/normal/NormalFormParts.h"
#include "common/Numbers.h"
#include "common/SpringFormulas.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "platform/WindowCommands.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString kRed = QStringLiteral("#ff0000");

// The buttons whose action needs a result.
const QStringList& resultButtons() {
    static const QStringList buttons = {QStringLiteral("Command2"), QStringLiteral("Command3"),
                                        QStringLiteral("Command4"), QStringLiteral("Command6"),
                                        QStringLiteral("Command5")};
    return buttons;
}

} // namespace

Form13::Form13() : FormBase(QStringLiteral("Form13")) {
    setWindowTitle(StringTable::text(1510));
    auto* layout = new QVBoxLayout(this);
    buildInputFrame();
    buildResultFrame();
    // The modulus used by the last calculation, for the load test.
    normalparts::hiddenField(this, QStringLiteral("Text5"));
    layout->addStretch();
    // Text17 stays wide enough for the "too small" note it may show.
    normalparts::fixWidths(this, QStringLiteral("Text10"),
                           {"Text8", "Text1", "Text16", "Text2", "Text13", "Text12", "Text15", "Text14"});

    normalparts::setUpInputArray(this, QStringLiteral("Text10"), QStringLiteral("Command1"));
    setEnabled(resultButtons(), false);

    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command4"), [] { FormRegistry::show(QStringLiteral("Form18")); });
    onClick(QStringLiteral("Command2"), [this] { reset(); });
    onClick(QStringLiteral("Command3"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command6"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command5"), [this] { fillDrawingSheet(); });
    onClick(QStringLiteral("Command7"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form11")); });
    onClick(QStringLiteral("Command8"), [this] { close(); });
}

void Form13::buildInputFrame() {
    normalparts::addInputFrame(
        this,
        {
            {ui::label("Label9", 1544),
             ui::spanning(ui::combo("Combo1", springMaterialNames(SpringMaterialRows::All)), 2),
             ui::button("Command7", 1371)},
            {ui::label("Label16", 1329, 4)},
            {ui::label("Label12", 1324, 4)},
            {ui::label("Label15", 1333), ui::edit("Text10_0"), ui::literal("UnitText10_0", "mm"),
             ui::mark("Label20", true)},
            {ui::label("Label1", 1520), ui::edit("Text10_1"), ui::literal("UnitText10_1", "mm"),
             ui::mark("Label21", true)},
            {ui::label("Label2", 1521), ui::edit("Text10_2"), ui::literal("UnitText10_2", "mm"),
             ui::mark("Label22", true)},
            {ui::label("Label18", 1373), ui::edit("Text10_3"), ui::literal("UnitText10_3", "T"),
             ui::mark("Label23", true)},
            {ui::label("Label3", 1369), ui::edit("Text10_4"), ui::literal("UnitText10_4", "mm"),
             ui::mark("Label25", true)},
            {ui::label("Label4", 1518), ui::edit("Text10_5"), ui::literal("UnitText10_5", "mm"),
             ui::mark("Label26", true)},
            // Wide enough for the solid-height note it receives.
            {ui::label("Label54", 1519), ui::edit("Text10_6"),
             ui::colored(ui::literal("Label55", "mm", 2), kRed)},
        },
        {{ui::button("Command1", 1357), ui::button("Command4", 1356), ui::button("Command2", 1321),
          ui::button("Command3", 1358), ui::button("Command6", 1359), ui::button("Command5", 1355),
          ui::button("Command8", 1315)}},
        {"Picture1", ":/pictures/normal/form13.svg", 260});
}

void Form13::buildResultFrame() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 1812);
    layout()->addWidget(frame);
    auto* columns = new QHBoxLayout(frame);
    auto* values = new QWidget(frame);
    columns->addWidget(values);
    ui::grid(values,
             {
                 {ui::label("Label36", 1511), ui::result("Text8"), ui::literal("UnitText8", "(N/mm)", 2)},
                 {ui::label("Label50", 1516), ui::result("Text1"), ui::literal("Label19", "gf   =", 2),
                  ui::result("Text16"), ui::literal("UnitText16", "N")},
                 {ui::label("Label48", 1517), ui::result("Text2"), ui::literal("Label13", "gf   =", 2),
                  ui::result("Text17"), ui::literal("UnitText17", "N")},
                 {ui::label("Label42", 1513), ui::result("Text13"), ui::literal("UnitText13", "(mm)"),
                  ui::label("Label39", 1512), ui::result("Text12"), ui::literal("UnitText12", "N")},
                 {ui::label("Label46", 1515), ui::result("Text15"), ui::literal("UnitText15", "(mm)"),
                  ui::label("Label44", 1514), ui::result("Text14"), ui::literal("UnitText14", "N")},
             });
    for (const char* box : {"Text16", "Text17", "Text12", "Text14"})
        field(QString::fromLatin1(box))->setStyleSheet(QStringLiteral("color: #ff0000"));
    columns->addWidget(new ConicalLoadSketch(frame));
    columns->addStretch();
}

void Form13::setMaterialModulus() {
    // A material that matches no row has no modulus: the calculation then stops at its first
    // division instead of computing a spring of the previous material.
    shearModulus_ = 0;
    const QString material = text(QStringLiteral("Combo1"));
    for (const SpringMaterial& row : springMaterialRows(SpringMaterialRows::All)) {
        if (row.name() == material) {
            shearModulus_ = num::single(row.g);
            return;
        }
    }
}

void Form13::calculate() {
    setMaterialModulus();
    setSingle(QStringLiteral("Text5"), shearModulus_);

    // An empty required field still sets the F1 captions, as if F1 and Fz were both 0.
    float load1 = 0, contactLoad = 0;
    const bool filled = requireFilled({{QStringLiteral("Text10_0"), 1333},
                                       {QStringLiteral("Text10_1"), 1520},
                                       {QStringLiteral("Text10_2"), 1521},
                                       {QStringLiteral("Text10_3"), 1373},
                                       {QStringLiteral("Text10_4"), 1369},
                                       {QStringLiteral("Text10_5"), 1518}});
    if (filled) {
        auto input = [this](int index) {
            return num::single(number(QStringLiteral("Text10_%1").arg(index)));
        };
        const float g = shearModulus_;
        const float d = input(0), smallOuter = input(1), largeOuter = input(2), coils = input(3);
        const float freeHeight = input(4), height1 = input(5);

        const float r1 = springs::conicalCoilRadius(smallOuter, d);
        const float r2 = springs::conicalCoilRadius(largeOuter, d);
        const float rate = springs::conicalRateBeforeContact(g, d, r1, r2, coils);
        setSingle(QStringLiteral("Text8"), rate, u"0.000");

        // Two end coils of height d; the rest of the free height is shared by the active coils.
        const float pitch = num::single(num::div(double(freeHeight) - 2.0 * d, coils));
        const float spacing = springs::conicalContactSpacing(d, r1, r2, coils);

        contactLoad = springs::conicalClosingLoad(g, d, pitch, spacing, r2);
        setSingle(QStringLiteral("Text12"), contactLoad, u"0.0");
        setText(QStringLiteral("Label24"), text(QStringLiteral("Text12")));

        const float contactHeight = num::single(double(freeHeight) - num::div(contactLoad, rate));
        const float contactHeightShown = num::single(num::lenient(num::formatSingle(contactHeight, u"0.0")));
        setSingle(QStringLiteral("Text13"), contactHeightShown);
        setText(QStringLiteral("Label40"), text(QStringLiteral("Text13")));

        const float solidLoad = springs::conicalClosingLoad(g, d, pitch, spacing, r1);
        setSingle(QStringLiteral("Text14"), solidLoad, u"0.0");
        setText(QStringLiteral("Label28"), text(QStringLiteral("Text14")));

        const float solidHeight = springs::conicalSolidHeight(spacing, coils, d);
        setSingle(QStringLiteral("Text15"), solidHeight, u"0.0");
        setText(QStringLiteral("Label14"), text(QStringLiteral("Text15")));
        setText(QStringLiteral("Label55"),
                StringTable::text(2262) + num::formatSingle(solidHeight, u"0.0") + QStringLiteral("mm"));

        load1 = num::single((double(freeHeight) - height1) * rate);
        setSingle(QStringLiteral("Text16"), load1, u"0.00");
        setNumber(QStringLiteral("Text1"), double(load1) / 9.8 * 1000, u"0.0");

        if (!isEmpty(QStringLiteral("Text10_6"))) {
            const float height2 = input(6);
            if (height2 < solidHeight) {
                setText(QStringLiteral("Text17"), StringTable::text(2263));
            } else {
                const float load2 = num::single((double(freeHeight) - height2) * rate);
                setSingle(QStringLiteral("Text17"), load2, u"0.00");
                setNumber(QStringLiteral("Text2"), double(load2) / 9.8 * 1000, u"0.00");
                // Beyond the first contact the spring is stiffer: the load shown is a lower bound.
                const bool beyondContact = load2 > contactLoad;
                setText(QStringLiteral("Label48"), StringTable::text(beyondContact ? 2264 : 2265));
                setText(QStringLiteral("Label13"), StringTable::text(beyondContact ? 2269 : 2266));
            }
        }
    }

    const bool beyondContact = load1 > contactLoad;
    setText(QStringLiteral("Label50"), StringTable::text(beyondContact ? 2267 : 2268));
    setText(QStringLiteral("Label19"), StringTable::text(beyondContact ? 2269 : 2266));
    // Buttons that act on results open only once there are results.
    if (filled)
        setEnabled(resultButtons(), true);
}

void Form13::reset() {
    clearFields(normalparts::inputsAndBoxes(QStringLiteral("Text10"), 6, {1, 2, 8, 12, 13, 14, 15, 16, 17}));
    setEnabled(resultButtons(), false);
}

void Form13::fillDrawingSheet() {
    auto input = [this](int index) { return number(QStringLiteral("Text10_%1").arg(index)); };
    const double d = input(0), smallOuter = input(1), largeOuter = input(2), coils = input(3);
    const double freeHeight = input(4);
    ui::SheetFill sheet = sheets::conical();
    sheet.put(2, text(QStringLiteral("Combo1")));
    sheet.put({3, 19}, num::text(d));
    sheet.put({4, 17}, num::text(smallOuter));
    sheet.put({5, 18}, num::text(largeOuter));
    sheet.put({6, 20}, num::text(freeHeight));
    sheet.put(7, num::text(coils));
    sheet.put(8, num::text(coils + 2));
    sheet.put(12, text(QStringLiteral("Text8")));
    sheet.put({13, 22}, text(QStringLiteral("Text10_5")));
    sheet.put({14, 23}, text(QStringLiteral("Text16")));
    sheet.put({15, 21}, text(QStringLiteral("Text10_6")));
    sheet.put({16, 24}, text(QStringLiteral("Text17")));
    sheet.show();
}

SPIRELTA_REGISTER_FORM(Form13)
