#include "calc/expert/Form21.h"

#include "calc/expert/ExpertCellMapExport.h"
#include "calc/expert/ExpertFormCells.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/LabelClick.h"
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
const QString kNewton = QStringLiteral("N");
const QString kStress = QStringLiteral("Mpa");
const QString kHertz = QStringLiteral("Hz");
const QString kPercent = QStringLiteral("%");
const QString kCoils = QStringLiteral("T");

ui::Cell plusMinus(const QString& fieldName) {
    return ui::literal(QStringLiteral("Sign_") + fieldName, QStringLiteral("+/-"));
}

using expertui::heading;
using expertui::link;

// The captions that verdict labels show until a calculation writes "OK" or "NG".
ui::Cell verdict(const QString& name, const QString& designCaption, int columnSpan = 1) {
    return ui::literal(name, designCaption, columnSpan);
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
    setEnabled({QStringLiteral("Command5"), QStringLiteral("Command6"), QStringLiteral("Command7")}, false);
}

void Form21::buildInputs(QGroupBox* frame) {
    ui::grid(frame,
             {
                 {ui::label("Label34", 1367), ui::edit("Text3", "YI"), ui::gap(), link("Label15", 1407)},
                 {ui::label("Label9", 1394), ui::edit("Text1_0", "78000"), ui::unitOf("Text1_0", "N/mm²"),
                  link("Label20", 1407)},
                 {ui::label("Label1", 1333), ui::edit("Text1_1", "1"), ui::unitOf("Text1_1", kMm),
                  ui::mark("Label23_1", true)},
                 {ui::label("Label3", 1332), ui::edit("Text1_2", "10"), ui::unitOf("Text1_2", kMm),
                  ui::mark("Label23_2", true)},
                 {ui::label("Label5", 1373), ui::edit("Text1_3", "4"), ui::unitOf("Text1_3", kCoils),
                  ui::mark("Label23_3", true)},
                 {ui::label("Label63", 1331), ui::edit("Text1_4", "6"), ui::unitOf("Text1_4", kCoils),
                  ui::mark("Label23_4", true)},
                 {ui::label("Label36", 1369), ui::edit("Text1_5", "16"), ui::unitOf("Text1_5", kMm),
                  ui::mark("Label23_5", true), ui::literal("Label23_9", "+/-"), ui::edit("Text1_11", "0.2"),
                  ui::unitOf("Text1_11", kMm)},
                 {ui::label("Label7", 1372), ui::edit("Text1_6", "14"), ui::unitOf("Text1_6", kMm),
                  ui::mark("Label23_6", true)},
                 {ui::label("Label22", 1370), ui::edit("Text1_7", "12"), ui::unitOf("Text1_7", kMm),
                  ui::mark("Label23_7", true)},
                 {ui::label("Label56", 1374), ui::edit("Text1_8", "10"), ui::unitOf("Text1_8", kMm),
                  ui::mark("Label23_8", false)},
                 {ui::label("Label41", 1412), ui::edit("Text1_9", "1660"), ui::unitOf("Text1_9", kStress),
                  link("Label42", 1411)},
                 {ui::label("Label55", 1440), ui::edit("Text1_10", "0.41"), ui::gap(), link("Label54", 1410)},
             });
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
                        {heading("Label49", 1439, 4)},
                        {ui::label("Label43", 1438), ui::result("Text21"), ui::gap()},
                        {ui::label("Label40", 1401), ui::label("Label48", 1402), ui::label("Label62", 1403)},
                        {heading("Label65", 1435, 4)},
                        {ui::label("Label29", 1436), ui::result("Text17"), ui::unitOf("Text17", kStress)},
                        {ui::label("Label31", 1437), ui::result("Text18"), ui::unitOf("Text18", kStress)},
                        {ui::label("Label66", 2003), ui::result("Text15")},
                        {ui::label("Label35", 1859), ui::result("Text19"), ui::unitOf("Text19", kStress)},
                        {ui::label("Label39", 1427), ui::result("Text20", "大于1 OK"),
                         verdict("Label80", "(OK/NG)")},
                        {ui::label("Label60", 1416), ui::result("Text26"), ui::label("Label59", 1415)},
                        {heading("Label78", 1430, 2), verdict("Label79", "(OK/NG)")},
                        {ui::label("Label14_2", 1429), ui::result("Text31"), ui::unitOf("Text31", kNewton)},
                        {ui::label("Label14_6", 1428), ui::result("Text32"), ui::unitOf("Text32", kMm)},
                        {ui::label("Label51", 1414), ui::result("Text25", "建议0.2~0.8*最大变形量"),
                         verdict("Label50", "(合理/不合理)")},
                        {heading("Label67", 1434, 2), verdict("Label72", "(OK/NG)")},
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
    QStringList names;
    for (int i = 0; i <= 10; ++i)
        names << QStringLiteral("Text1_%1").arg(i);
    names << QStringList{"Text13", "Text14", "Text16", "Text23", "Text4",  "Text8",  "Text6",
                         "Text7",  "Text10", "text28", "Text29", "Text5",  "Text22", "Text17",
                         "Text11", "Text27", "Text12", "Text18", "Text15", "Text25", "Text21",
                         "Text19", "Text20", "Text31", "Text32", "Text26", "Text9",  "Text24"};
    clearFields(names);
}

SPIRELTA_REGISTER_FORM(Form21)
