#include "calc/normal/Form9.h"

#include "calc/normal/NormalFormParts.h"
#include "common/Numbers.h"
#include "common/SpringFormulas.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "platform/ContactLinks.h"
#include "platform/WindowCommands.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString kDegree = QStringLiteral("。");
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
    normalparts::fixWidths(this, QStringLiteral("Text1"),
                           {"Text12", "Text9", "Text19", "Text20", "Text4", "Text6", "Text13", "Text10",
                            "Text2", "Text5", "Text17", "Text18", "Text3", "Text8", "Text7", "Text21",
                            "Text22"});

    normalparts::setUpInputArray(this, QStringLiteral("Text1"), QStringLiteral("Command4"));
    setEnabled({QStringLiteral("Command1"), QStringLiteral("Command2"), QStringLiteral("Command7"),
                QStringLiteral("Command10")},
               false);

    onClick(QStringLiteral("Command4"), [this] { calculate(); });
    onClick(QStringLiteral("Command10"), [this] { reset(); });
    onClick(QStringLiteral("Command2"), [] { FormRegistry::show(QStringLiteral("Form16")); });
    onClick(QStringLiteral("Command1"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command6"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command7"), [this] { fillDrawingSheet(); });
    onClick(QStringLiteral("Command5"), [this] { close(); });
    onClick(QStringLiteral("Command3"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form22")); });
    normalparts::onLabelClick(label(QStringLiteral("Label4")), [] { contactlinks::composePublisherMail(); });
}

void Form9::buildInputFrame() {
    normalparts::addInputFrame(
        this,
        {
            {ui::label("Label28", 1375),
             ui::spanning(ui::combo("Combo1", springMaterialNames(SpringMaterialRows::All)), 2),
             ui::button("Command3", 1371)},
            {ui::label("Label16", 1333), ui::edit("Text1_0"), ui::literal("UnitText1_0", "mm"),
             ui::mark("Label23_1", true)},
            {ui::label("Label17", 1332), ui::edit("Text1_1"), ui::literal("Label23_0", "mm"),
             ui::mark("Label23_2", true)},
            {ui::label("Label18", 1373), ui::edit("Text1_2"), ui::literal("UnitText1_2", "T"),
             ui::mark("Label23_3", true)},
            {ui::label("Label19", 1496), ui::edit("Text1_3"), ui::literal("UnitText1_3", kDegree),
             ui::mark("Label23_4", true)},
            {ui::label("Label9", 1497), ui::edit("Text1_4"), ui::literal("UnitText1_4", kDegree),
             ui::mark("Label23_5", false)},
            {ui::label("Label64", 1498), ui::edit("Text1_5"), ui::literal("UnitText1_5", kDegree),
             ui::mark("Label23_6", false)},
            {ui::label("Label30", 1494), ui::edit("Text1_6"), ui::literal("UnitText1_6", "mm"),
             ui::mark("Label23_7", true)},
            {ui::label("Label15", 1495), ui::edit("Text1_7"), ui::literal("UnitText1_7", "mm"),
             ui::mark("Label23_9", true)},
            {ui::label("Label42_0", 1493), ui::edit("Text1_8"), ui::literal("UnitText1_8", "mm"),
             ui::mark("Label23_10", false)},
        },
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
        return std::vector<ui::Cell>{ui::label(caption, textId),
                                     ui::result(box),
                                     ui::literal("Unit" + box, kgfUnit),
                                     ui::literal("Equals" + box, "="),
                                     ui::result(newtonBox),
                                     ui::literal("Unit" + QString::fromLatin1(newtonBox), newtonUnit)};
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
                 {ui::label("Label71", 1491), ui::result("Text21"), ui::literal("UnitText21", "mm")},
                 {ui::label("Label72", 1492), ui::result("Text22"), ui::literal("UnitText22", "mm")},
             });
    field(QStringLiteral("Text8"))->setToolTip(QStringLiteral("建议4~16"));
}

void Form9::calculate() {
    const double modulus =
        springMaterialModulus(SpringMaterialRows::All, text(QStringLiteral("Combo1")), Modulus::E);
    setNumber(QStringLiteral("Text11"), modulus);
    if (!requireFilled({{QStringLiteral("Text1_0"), 1333},
                        {QStringLiteral("Text1_1"), 1332},
                        {QStringLiteral("Text1_2"), 1373},
                        {QStringLiteral("Text1_3"), 1496},
                        {QStringLiteral("Text1_6"), 1494},
                        {QStringLiteral("Text1_7"), 1495}}))
        return;

    auto input = [this](int index) { return num::single(number(QStringLiteral("Text1_%1").arg(index))); };
    const float e = num::single(modulus);
    const float d = input(0), meanDiameter = input(1), coils = input(2);
    const float angle1 = input(3), angle2 = input(4);
    const float leg1 = input(6), leg2 = input(7);
    setSingle(QStringLiteral("Text27"), angle1);
    const float arm = isEmpty(QStringLiteral("Text1_8")) ? leg1 : input(8);

    const float index = num::single(num::div(meanDiameter, d));
    setSingle(QStringLiteral("Text8"), index, u"0.00");
    setSingle(QStringLiteral("Text7"), num::single(springs::curvatureFactor(index)), u"0.00");
    const float rate = springs::torsionSpringRateSingle(e, d, meanDiameter, coils, leg1, leg2);
    setSingle(QStringLiteral("Text3"), rate, u"0.000");

    // The N-based values multiply what the kgf-based boxes show, three decimals and all.
    auto inNewtons = [this](const QString& shown, const QString& box) {
        setNumber(box, number(shown) * 9.8, u"0.000");
    };
    setSingle(QStringLiteral("Text13"), num::single(num::div(double(rate) * angle1, arm)), u"0.000");
    inNewtons(QStringLiteral("Text13"), QStringLiteral("Text10"));
    setSingle(QStringLiteral("Text12"), num::single(double(angle1) * rate), u"0.000");
    inNewtons(QStringLiteral("Text12"), QStringLiteral("Text9"));

    // This window has no free-angle field: the free angle is 0.
    const double freeAngle = 0;
    setSingle(QStringLiteral("Text21"), num::single((freeAngle / 360 + coils + 1 + angle2 / 360.0) * d),
              u"0.00");

    if (!isEmpty(QStringLiteral("Text1_4"))) {
        setSingle(QStringLiteral("Text27"), angle2);
        setSingle(QStringLiteral("Text2"), num::single(num::div(double(angle2) * rate, arm)), u"0.000");
        inNewtons(QStringLiteral("Text2"), QStringLiteral("Text5"));
        setSingle(QStringLiteral("Text19"), num::single(double(angle2) * rate), u"0.000");
        inNewtons(QStringLiteral("Text19"), QStringLiteral("Text20"));
        const double shrink = num::div(double(angle2) * meanDiameter / 360, freeAngle / 360 + coils);
        setSingle(QStringLiteral("Text22"), num::single((double(meanDiameter) - d) - shrink - 0.1), u"0.00");
    }

    if (!isEmpty(QStringLiteral("Text1_5"))) {
        const float angle3 = input(5);
        setSingle(QStringLiteral("Text17"), num::single(num::div(double(rate) * angle3, arm)), u"0.000");
        setNumber(QStringLiteral("Text18"), num::div(double(rate) * 9.8 * angle3, arm), u"0.000");
        setSingle(QStringLiteral("Text27"), angle3);
        setSingle(QStringLiteral("Text4"), num::single(double(rate) * angle3), u"0.000");
        inNewtons(QStringLiteral("Text4"), QStringLiteral("Text6"));
    }

    setEnabled({QStringLiteral("Command1"), QStringLiteral("Command2"), QStringLiteral("Command10"),
                QStringLiteral("Command7")},
               true);
}

void Form9::reset() {
    clearFields(normalparts::inputsAndBoxes(QStringLiteral("Text1"), 8,
                                            {2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 17, 18, 19, 20, 21, 22}));
    setEnabled({QStringLiteral("Command7"), QStringLiteral("Command10"), QStringLiteral("Command2")}, false);
}

void Form9::fillDrawingSheet() {
    const double d = number(QStringLiteral("Text1_0"));
    const double meanDiameter = number(QStringLiteral("Text1_1"));
    const double coils = number(QStringLiteral("Text1_2"));
    const double bodyLength = (coils + 1) * d;
    ui::SheetFill sheet = sheets::torsion();
    sheet.put(2, text(QStringLiteral("Combo1")));
    sheet.put({3, 19}, num::text(d));
    sheet.put(4, num::text(d + meanDiameter));
    sheet.put(5, num::text(meanDiameter - d));
    sheet.put({6, 20}, num::text(meanDiameter));
    sheet.put({7, 24}, num::text(bodyLength));
    sheet.put({8, 9}, num::text(coils));
    sheet.put(12, num::text(number(QStringLiteral("Text3")) * 9.8));
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
