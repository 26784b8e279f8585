#include "calc/designers/Form131.h"

#include "calc/designers/CompressionDesign.h"
#include "calc/designers/DesignerWindow.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/FormWidthToggle.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using designer::query;
using designer::unit;

const QString kMm = QStringLiteral("mm");
const QString kNewton = QStringLiteral("N");
const QString kCoils = QStringLiteral("T");

ui::Cell wrapped(const char* name, int textId) {
    return ui::label(QString::fromLatin1(name), textId, 3);
}

} // namespace

Form131::Form131() : FormBase(QStringLiteral("Form131")) {
    setWindowTitle(StringTable::text(1046));

    auto* design = new QWidget(this);
    design->setObjectName(QStringLiteral("DesignArea"));
    auto* column = new QVBoxLayout(design);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildInputs());
    column->addWidget(designer::commandRow(
        this, [this] { calculate(); }, [this] { reset(); }, [this] { return designReport(); }));
    column->addWidget(buildResults());
    QLabel* note = ui::makeLabel(design, QStringLiteral("Label54"), 2160);
    note->setWordWrap(true);
    column->addWidget(note);
    column->addStretch();

    auto* page = new QHBoxLayout(this);
    page->addWidget(design, 0, Qt::AlignTop);
    QWidget* helpPanel = buildHelpPanel();
    page->addWidget(helpPanel, 0, Qt::AlignTop);
    // Hidden until the pointer rests on the help icon; then the window widens for it for good.
    ui::attachFormWidthToggle(this, {label(QStringLiteral("Image2"))}, 12585, helpPanel);

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    designer::attachTensileStrengthViewers(this);
    designer::setHints(this, {{"Text1_0", "碳钢丝79000；不锈钢71000"},
                              {"Text1_1", "依据估计线径暂取相应值"},
                              {"Text1_2", "依内外径估计中径除以估计线径"},
                              {"Text1_4", "看帮助11~12(一般0.1~0.5P2)"},
                              {"Text18", "参照计算结果自取一个合适值，然后再按计算按钮"},
                              {"Text5", "(0.28~0.5)D2 OK"},
                              {"Text6", "磨平压簧"},
                              {"Text7", "磨平压簧"},
                              {"Text13", "总数尾数宜取0.25、0.5或整数圈"},
                              {"Text15", "大于1 OK"},
                              {"Text16", "两端固定b≤5.3\r\n；一端固定一端回转b≤3.7；两端回转b≤2.6\r\n\r\n"},
                              {"Text17", "5°~9° OK"},
                              {"Text19", "与输入的P2比较看相差是否太大？"},
                              {"Label62", "0.2≤f1/fs  、f2/fs≤ 0.8 OK"}});
}

QGroupBox* Form131::buildInputs() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    auto* row = new QHBoxLayout(frame);
    auto* left = new QWidget(frame);
    row->addWidget(left, 0, Qt::AlignTop);
    ui::grid(left, {
                       {ui::label("Label36", 1972), ui::edit("Text1_0", "70000"), unit("Label8", "N/mm2"),
                        ui::mark("Label23_1", true)},
                       {ui::label("Label63", 1993), ui::edit("Text1_1", "532"), unit("Label4", "Mpa"),
                        query("Label23_2")},
                       {ui::label("Label1", 2146), ui::edit("Text1_2", "7.11"), ui::gap(),
                        ui::mark("Label23_8", true)},
                       {ui::label("Label6", 2158), ui::edit("Text1_3", "55"), unit("Label2", kMm),
                        ui::mark("Label23_7", true)},
                       {ui::label("Label3", 2159), ui::edit("Text1_4", "200"), unit("Label64", kNewton),
                        ui::mark("Label23_4", true)},
                       {ui::label("Label34", 2157), ui::edit("Text1_5", "45"), unit("Label23_0", kMm),
                        ui::mark("Label23_5", true)},
                       {ui::label("Label22", 2156), ui::edit("Text1_6", "420"), unit("Label23_3", kNewton),
                        ui::mark("Label23_6", true)},
                   });
    auto* foot = new QHBoxLayout;
    QLabel* arrows = ui::makeLabel(left, QStringLiteral("Label65"), 1935);
    arrows->setWordWrap(true);
    foot->addWidget(arrows, 1);
    QLabel* helpIcon =
        ui::makePicture(left, QStringLiteral("Image2"), QStringLiteral(":/pictures/designers/help-book.svg"));
    helpIcon->setFixedSize(ui::twips(480), ui::twips(480));
    helpIcon->setScaledContents(true);
    foot->addWidget(helpIcon);
    static_cast<QGridLayout*>(left->layout())->addLayout(foot, 7, 0, 1, -1);
    for (QLineEdit* input : inputArray(QStringLiteral("Text1")))
        input->setFixedWidth(ui::twips(855));

    row->addWidget(ui::sketch(frame, QStringLiteral(":/pictures/designers/compression.svg"), 2250, 3420,
                              {{"Label25", "2", 1680, 210},
                               {"Label29", "4", 1770, 900},
                               {"Label28", "4", 0, 1500},
                               {"Label27", "1", 2000, 2150},
                               {"Label26", "3", 1680, 2850}}),
                   0, Qt::AlignTop);
    return frame;
}

QGroupBox* Form131::buildResults() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 1936);
    ui::grid(frame, {
                        {ui::label("Label33", 1362), ui::result("Text4"), unit("Label12_0", "N/mm"),
                         ui::label("Label19", 2153), ui::result("Text8"), ui::label("Label12_3", 2142),
                         ui::edit("Text18")},
                        {ui::label("Label14_0", 2154), ui::result("Text2"), unit("Label15", kNewton),
                         ui::label("Label9", 2102), ui::result("Text9"), unit("Label12_5", kMm)},
                        {ui::label("Label11", 2155), ui::result("Text3"), unit("Label24", kMm),
                         ui::label("Label10", 1332), ui::result("Text10"), unit("Label12_6", kMm)},
                        {ui::label("Label17", 2130), ui::result("Text6"), unit("Label12_1", kMm),
                         ui::label("Label13", 1469), ui::result("Text11"), unit("Label12_7", kMm)},
                        {ui::label("Label21", 2139), ui::result("Text7"), unit("Label12_2", kMm),
                         ui::label("Label18", 2138), ui::result("Text12"), unit("Label12_8", kCoils)},
                        {ui::label("Label30", 2128), ui::result("Text14"), unit("Label12_11", "N/mm2"),
                         ui::label("Label20", 2137), ui::result("Text13"), unit("Label12_9", kCoils)},
                        {ui::label("Label31", 2127), ui::result("Text15"), unit("Label32", "?"),
                         ui::label("Label7", 2151), ui::result("Text17"), unit("Label35", "?")},
                        {ui::label("Label16", 2140), ui::result("Text5"), unit("Label60", kMm),
                         ui::label("Label5", 2152), ui::result("Text16"), unit("Label37", "b<=5.3\r\n"),
                         unit("Label56", "b<=3.7"), unit("Label57", "b<=2.6")},
                        {ui::label("Label59", 2150), ui::result("Text19"), unit("Label58", kNewton),
                         ui::label("Label61", 2014), unit("Label62", "?")},
                    });
    for (QLineEdit* box : frame->findChildren<QLineEdit*>())
        box->setFixedWidth(ui::twips(855));
    field(QStringLiteral("Text18"))->setFixedWidth(ui::twips(600));
    // The first limit's caption ends with a line break: its text sits at the top.
    label(QStringLiteral("Label37"))->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return frame;
}

QWidget* Form131::buildHelpPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("HelpPanel"));
    panel->setFixedWidth(ui::twips(12585 - 6840));
    ui::grid(panel,
             {
                 {wrapped("Label38", 2174)},
                 {wrapped("Label39", 2173)},
                 {wrapped("Label40", 2172)},
                 {wrapped("Label41", 2171)},
                 {ui::label("Label42", 2170, 2), ui::gap()},
                 {wrapped("Label43", 2169)},
                 {wrapped("Label44", 2168)},
                 {wrapped("Label45", 2167)},
                 {wrapped("Label46", 2166)},
                 {wrapped("Label47", 2165)},
                 {ui::literal("Label48", "d: 0.2～0.4  0.5～1.0  1.1～2.2  2.5～6.0  7.0～16  ≥18", 3)},
                 {ui::literal("Label49", "C:  7～14     5～12     5～10     4～9      4～8   4～6", 3)},
                 {wrapped("Label50", 2164)},
                 {wrapped("Label51", 2163)},
                 {wrapped("Label52", 2162)},
                 {wrapped("Label53", 2161)},
             });
    for (QLabel* text : panel->findChildren<QLabel*>())
        text->setWordWrap(true);
    QFont titleFont = label(QStringLiteral("Label38"))->font();
    titleFont.setFamily(StringTable::text(1353));
    label(QStringLiteral("Label38"))->setFont(titleFont);
    QLabel* formula = ui::makePicture(panel, QStringLiteral("Image3"),
                                      QStringLiteral(":/pictures/designers/trial-diameter.svg"));
    static_cast<QGridLayout*>(panel->layout())->addWidget(formula, 4, 2);
    return panel;
}

void Form131::calculate() {
    if (!requireFilled({{QStringLiteral("Text1_0"), 1567},
                        {QStringLiteral("Text1_1"), 1993},
                        {QStringLiteral("Text1_2"), 1419},
                        {QStringLiteral("Text1_3"), 1966},
                        {QStringLiteral("Text1_4"), 1967},
                        {QStringLiteral("Text1_5"), 1370},
                        {QStringLiteral("Text1_6"), 1965}}))
        return;

    compressiondesign::Inputs in;
    designer::readInputs(this, {&in.shearModulus, &in.allowableStress, &in.springIndex, &in.installedHeight,
                                &in.installedLoad, &in.workingHeight, &in.workingLoad});
    in.chosenWireDiameter = designer::chosenWireDiameter(this, "Text18");

    compressiondesign::Design out;
    // The verdicts decided before a fault are shown even when a later step fails.
    auto showVerdicts = [this, &out] {
        if (out.coilsOk)
            setText(QStringLiteral("Label12_8"), *out.coilsOk ? QStringLiteral("T") : QStringLiteral("T NG"));
        if (out.deformationOk)
            setText(QStringLiteral("Label62"),
                    num::formatSingle(out.installedRatio, u"0.0") + u'-' +
                        num::formatSingle(out.workingRatio, u"0.0") +
                        (*out.deformationOk ? QStringLiteral("-OK") : QStringLiteral("-NG")));
        if (out.pitchOk)
            setText(QStringLiteral("Label60"), *out.pitchOk ? QStringLiteral("OK") : QStringLiteral("NG"));
        if (out.helixAngleOk)
            setText(QStringLiteral("Label35"),
                    *out.helixAngleOk ? QStringLiteral("°OK") : QStringLiteral("°NG"));
        if (out.safetyOk)
            setText(QStringLiteral("Label32"), *out.safetyOk ? QStringLiteral("OK") : QStringLiteral("NG"));
    };
    designer::designShowingVerdicts([&] { compressiondesign::design(in, out); }, showVerdicts);

    const std::pair<const char*, float> oneDecimal[] = {
        {"Text2", out.limitLoad},      {"Text3", out.limitDeflection}, {"Text4", out.rate},
        {"Text5", out.pitch},          {"Text6", out.solidHeight},     {"Text7", out.freeHeight},
        {"Text8", out.wireDiameter},   {"Text9", out.innerDiameter},   {"Text10", out.meanDiameter},
        {"Text11", out.outerDiameter}, {"Text12", out.activeCoils},    {"Text13", out.totalCoils},
    };
    for (const auto& [box, value] : oneDecimal)
        setSingle(QString::fromLatin1(box), value, u"0.0");
    setSingle(QStringLiteral("Text14"), out.maxShearStress, u"0.00");
    setSingle(QStringLiteral("Text15"), out.safetyFactor, u"0.00");
    setSingle(QStringLiteral("Text16"), out.slenderness, u"0.0");
    setSingle(QStringLiteral("Text17"), out.helixAngle, u"0.0");
    setSingle(QStringLiteral("Text19"), out.actualWorkingLoad, u"0.0");

    const std::pair<const char*, const char*> echoes[] = {{"Label27", "Text5"},
                                                          {"Label28", "Text7"},
                                                          {"Label26", "Text8"},
                                                          {"Label25", "Text11"},
                                                          {"Label29", "Text17"}};
    for (const auto& [echo, box] : echoes)
        setText(QString::fromLatin1(echo), text(QString::fromLatin1(box)));
}

void Form131::reset() {
    designer::clearInputsAndResults(this, 6, 19);
}

report::DesignReport Form131::designReport() const {
    using designer::line;
    return {StringTable::text(2279),
            {
                line(this, {"Label36", "Text1_0", "Label8"}),
                line(this, {"Label63", "Text1_1", "Label4"}),
                line(this, {"Label1", "Text1_2"}),
                line(this, {"Label6", "Text1_3", "Label2"}),
                line(this, {"Label3", "Text1_4", "Label64"}),
                line(this, {"Label34", "Text1_5", "Label23_0"}),
                line(this, {"Label22", "Text1_6", "Label23_3"}),
            },
            {
                line(this, {"Label33", "Text4", "Label12_0"}),
                line(this, {"Label14_0", "Text2", "Label15"}),
                line(this, {"Label11", "Text3", "Label24"}),
                line(this, {"Label17", "Text6", "Label12_1"}),
                line(this, {"Label21", "Text7", "Label12_2"}),
                line(this, {"Label59", "Text19", "Label58"}),
                line(this, {"Label16", "Text5", "Label60"}),
                line(this, {"Label30", "Text14", "Label12_11"}),
                line(this, {"Label31", "Text15", "Label32"}),
                line(this, {"Label19", "Text8"}) + kMm,
                line(this, {"Label9", "Text9"}) + kMm,
                line(this, {"Label10", "Text10"}) + kMm,
                line(this, {"Label13", "Text11"}) + kMm,
                line(this, {"Label18", "Text12"}) + kCoils,
                line(this, {"Label20", "Text13"}) + kCoils,
                line(this, {"Label7", "Text17", "Label35"}),
                line(this, {"Label5", "Text16"}) + StringTable::text(2280) + StringTable::text(2281) +
                    StringTable::text(2282),
            }};
}

SPIRELTA_REGISTER_FORM(Form131)
