#include "calc/expert/Form22.h"

#include "calc/expert/ExpertCellMapExport.h"
#include "calc/expert/ExpertFormCells.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/FormWidthToggle.h"
#include "common/ui/LabelClick.h"
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
const QString kDegree = QStringLiteral("。");
const QString kTorque = QStringLiteral("N.mm");
const QString kStress = QStringLiteral("Mpa");
const QString kVerdict = QStringLiteral("(OK/NG)");
const QString kPlusMinus = QStringLiteral("+/-");

// The window as designed, and as wide as it gets when the life diagram is in view.
constexpr int kWidenedTwips = 14865;

using namespace expertui;

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
    setEnabled({QStringLiteral("Command6"), QStringLiteral("Command1")}, false);
}

void Form22::buildInputs(QGroupBox* frame) {
    QVBoxLayout* side = inputsBesideSketch(
        frame,
        {
            // The unit of the modulus doubles as the link to the publisher's web page.
            inputRow("Label28", 1562, 0,
                     ui::colored(unit("Label2", QStringLiteral("N/mm2")), QStringLiteral("#0000ff")),
                     ui::gap(), QStringLiteral("206000")),
            inputRow("Label16", 1333, 1, unit("Label22", kMm), mark(1, true)),
            inputRow("Label17", 1332, 2, unit("Label23_0", kMm), mark(2, true)),
            inputRow("Label18", 1373, 3, unit("Label24", QStringLiteral("T")), mark(3, true)),
            inputRow("Label19", 1496, 4, unit("Label25", kDegree), mark(4, true)),
            inputRow("Label9", 1497, 5, unit("Label10", kDegree), mark(5, true)),
            inputRow("Label64", 1498, 6, unit("Label65", kDegree), mark(6, false)),
            inputRow("Label30", 1494, 7, unit("Label31", kMm), mark(7, true)),
            inputRow("Label15", 1495, 8, unit("Label43", kMm), mark(9, true)),
            inputRow("Label42_0", 1493, 9, unit("Label44", kMm), mark(10, false)),
            {ui::label(QStringLiteral("Label76"), 1561), ui::edit(QStringLiteral("Text1_10")),
             unit("Label75", kPlusMinus), ui::edit(QStringLiteral("Text1_11"), QStringLiteral("5")),
             mark(8, true)},
            inputRow("Label57", 1412, 12, link("Label58", 1411), ui::gap()),
            inputRow("Label59", 1440, 13, link("Label60", 1410), ui::gap(), QStringLiteral("0.64")),
        },
        QStringLiteral(":/pictures/expert/form22-sketch.svg"), 3300);
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
    ui::grid(frame, {
                        {ui::label(QStringLiteral("Label13"), 1485), box("Text3"),
                         unit("Label14_2", QStringLiteral("N.mm/deg"))},
                        {ui::label(QStringLiteral("Label20"), 1489), box("Text12"), unit("Label45", kTorque),
                         unit("Label48", kPlusMinus), box("Text9")},
                        {ui::label(QStringLiteral("Label68"), 1490), box("Text19"), unit("Label69", kTorque),
                         unit("Label70", kPlusMinus), box("Text20")},
                        {ui::label(QStringLiteral("Label6"), 1563), box("Text27"), unit("Label5", kTorque),
                         unit("Label3", kPlusMinus), box("Text11")},
                        {ui::label(QStringLiteral("Label21"), 1486), box("Text13"), unit("Label27", newton),
                         unit("Label49", equals), box("Text10"), unit("Label46", kgf)},
                        {ui::label(QStringLiteral("Label11"), 1487), box("Text2"), unit("Label12_0", newton),
                         unit("Label47", equals), box("Text5"), unit("Label29", kgf)},
                        {ui::label(QStringLiteral("Label61"), 1488), box("Text17"), unit("Label62", newton),
                         unit("Label66", equals), box("Text18"), unit("Label63", kgf)},
                        {ui::label(QStringLiteral("Label71"), 1491), box("Text21"), unit("Label73", kMm)},
                        {ui::label(QStringLiteral("Label72"), 1492), box("Text22"), unit("Label74", kMm)},
                        {ui::label(QStringLiteral("Label36"), 1418), box("Text7")},
                        {ui::label(QStringLiteral("Label51"), 1419), box("Text4"),
                         ui::label(QStringLiteral("Label52"), 1420)},
                        {ui::label(QStringLiteral("Label37"), 1565), box("Text8"),
                         unit("Label40", QStringLiteral("mm4")), ui::gap(), box("Text15"),
                         unit("Label41", QStringLiteral("mm3"))},
                    });
}

void Form22::buildChecks(QGroupBox* frame) {
    ui::grid(
        frame,
        {
            {heading("Label1", 1553)},
            {ui::label(QStringLiteral("Label35"), 1554), box("Text6"), unit("Label39", kStress)},
            {ui::label(QStringLiteral("Label77"), 1555), box("Text23"), unit("Label78", kStress)},
            {ui::label(QStringLiteral("Label54"), 2436), box("Text30")},
            {ui::label(QStringLiteral("Label55"), 2437), box("Text31")},
            {link("Label81", 1552)},
            {ui::label(QStringLiteral("Label80"), 2438), box("Text26")},
            {ui::label(QStringLiteral("Label85"), 1557), box("Text25"), unit("Label84", kStress)},
            {ui::label(QStringLiteral("Label79"), 1556), box("Text24"), unit("Label56", kVerdict)},
            {heading("Label50", 1560)},
            {ui::label(QStringLiteral("Label32"), 1558), box("Text28"), unit("Label8", kTorque)},
            {ui::label(QStringLiteral("Label38"), 1559), box("Text29"), unit("Label33", QStringLiteral("°"))},
            {ui::label(QStringLiteral("Label53"), 1570), box("Text16"), unit("Label4", kVerdict)},
            {ui::label(QStringLiteral("Label83"), 1416), box("Text32"),
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
    QStringList names;
    for (int i : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13})
        names << QStringLiteral("Text1_%1").arg(i);
    for (int box = 2; box <= 32; ++box)
        if (box != 14)
            names << QStringLiteral("Text%1").arg(box);
    clearFields(names);
}

SPIRELTA_REGISTER_FORM(Form22)
