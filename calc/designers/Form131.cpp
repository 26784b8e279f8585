// Compression spring designer: from the installed and working heights and loads, the shear
// modulus, the allowable stress and a first spring index it proposes the wire diameter,
// diameters, coil counts, heights and loads, and judges deformation ratio, pitch, helix angle
// and safety factor. A help panel with the design method opens when the pointer rests on the
// help icon.

#include "calc/designers/CompressionDesign.h"
#include "calc/designers/DesignerWindow.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/FormWidthToggle.h"
#include "platform/TextReport.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using compressiondesigner::Inputs;
using compressiondesigner::Results;

const ui::InputField kInputs[] = {
    designer::input("Text1_0", 1972, "N/mm2", "70000", 1567, "Label36", "Label8", "Label23_1"),
    designer::input("Text1_1", 1993, "Mpa", "532", 0, "Label63", "Label4", "Label23_2"),
    designer::input("Text1_2", 2146, "", "7.11", 1419, "Label1", nullptr, "Label23_8"),
    designer::input("Text1_3", 2158, "mm", "55", 1966, "Label6", "Label2", "Label23_7"),
    designer::input("Text1_4", 2159, "N", "200", 1967, "Label3", "Label64", "Label23_4"),
    designer::input("Text1_5", 2157, "mm", "45", 1370, "Label34", "Label23_0", "Label23_5"),
    designer::input("Text1_6", 2156, "N", "420", 1965, "Label22", "Label23_3", "Label23_6"),
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::shearModulus},  {"Text1_1", &Inputs::allowableStress},
    {"Text1_2", &Inputs::springIndex},   {"Text1_3", &Inputs::installedHeight},
    {"Text1_4", &Inputs::installedLoad}, {"Text1_5", &Inputs::workingHeight},
    {"Text1_6", &Inputs::workingLoad},
};

const char* const kChoiceBox = "Text18";

const ui::Out<Results> kShow[] = {
    {"Text2", &Results::limitLoad, "0.0"},
    {"Text3", &Results::limitDeflection, "0.0"},
    {"Text4", &Results::rate, "0.0"},
    {"Text5", &Results::pitch, "0.0"},
    {"Text6", &Results::solidHeight, "0.0"},
    {"Text7", &Results::freeHeight, "0.0"},
    {"Text8", &Results::wireDiameter, "0.0"},
    {"Text9", &Results::innerDiameter, "0.0"},
    {"Text10", &Results::meanDiameter, "0.0"},
    {"Text11", &Results::outerDiameter, "0.0"},
    {"Text12", &Results::activeCoils, "0.0"},
    {"Text13", &Results::totalCoils, "0.0"},
    {"Text14", &Results::maxShearStress, "0.00"},
    {"Text15", &Results::safetyFactor, "0.00"},
    {"Text16", &Results::slenderness, "0.0"},
    {"Text17", &Results::helixAngle, "0.0"},
    {"Text19", &Results::actualWorkingLoad, "0.0"},
};

// The deformation verdict names both ratios it judged, as shown.
QString deformationRatios(const Results& r) {
    return num::formatSingle(r.installedRatio, u"0.0") + u'-' + num::formatSingle(r.workingRatio, u"0.0");
}

const designer::Verdict<Results> kVerdicts[] = {
    {"Label12_8", &Results::coilsOk, "T", "T NG"},
    {"Label62", &Results::deformationOk, "-OK", "-NG", &deformationRatios},
    {"Label60", &Results::pitchOk, "OK", "NG"},
    {"Label35", &Results::helixAngleOk, "°OK", "°NG"},
    {"Label32", &Results::safetyOk, "OK", "NG"},
};

const designer::Echo kEchoes[] = {
    {"Label27", "Text5"},  {"Label28", "Text7"},  {"Label26", "Text8"},
    {"Label25", "Text11"}, {"Label29", "Text17"},
};

const designer::Line kReport[] = {
    {"Label33", "Text4", "Label12_0"},
    {"Label14_0", "Text2", "Label15"},
    {"Label11", "Text3", "Label24"},
    {"Label17", "Text6", "Label12_1"},
    {"Label21", "Text7", "Label12_2"},
    {"Label59", "Text19", "Label58"},
    {"Label16", "Text5", "Label60"},
    {"Label30", "Text14", "Label12_11"},
    {"Label31", "Text15", "Label32"},
    {"Label19", "Text8", nullptr, "mm"},
    {"Label9", "Text9", nullptr, "mm"},
    {"Label10", "Text10", nullptr, "mm"},
    {"Label13", "Text11", nullptr, "mm"},
    {"Label18", "Text12", nullptr, "T"},
    {"Label20", "Text13", nullptr, "T"},
    {"Label7", "Text17", "Label35"},
    {"Label5", "Text16"},
};

ui::Cell wrapped(const char* name, int textId) {
    return ui::label(QString::fromLatin1(name), textId, 3);
}

} // namespace

class Form131 : public designer::DesignerForm {
public:
    Form131();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildResults();
    QWidget* buildHelpPanel();

    void calculate() override;
    void reset() override;
    report::DesignReport designReport() const override;
};

Form131::Form131() : DesignerForm(QStringLiteral("Form131")) {
    auto* design = new QWidget(this);
    design->setObjectName(QStringLiteral("DesignArea"));
    QVBoxLayout* column = startPage(design, 1046, buildInputs());
    column->addWidget(buildResults());
    column->setContentsMargins(0, 0, 0, 0);
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
    designer::declareTables(this, kInputs, kRead, kShow, kVerdicts, kEchoes, kReport,
                            {QString::fromLatin1(kChoiceBox)});
}

QGroupBox* Form131::buildInputs() {
    std::vector<std::vector<ui::Cell>> rows = ui::inputRows(kInputs);
    rows[1][3] = designer::query("Label23_2");

    // Under the rows: the note on the Down arrow and the icon that opens the help panel.
    auto* foot = new QWidget(this);
    auto* footRow = new QHBoxLayout(foot);
    footRow->setContentsMargins(0, 0, 0, 0);
    QLabel* arrows = ui::makeLabel(foot, QStringLiteral("Label65"), 1935);
    arrows->setWordWrap(true);
    footRow->addWidget(arrows, 1);
    QLabel* helpIcon =
        ui::makePicture(foot, QStringLiteral("Image2"), QStringLiteral(":/pictures/designers/help-book.svg"));
    helpIcon->setFixedSize(ui::twips(480), ui::twips(480));
    helpIcon->setScaledContents(true);
    footRow->addWidget(helpIcon);
    rows.push_back({ui::widget(foot, 4)});

    return designer::inputFrame(this, std::move(rows),
                                ui::sketch(this, QStringLiteral(":/pictures/designers/compression.svg"), 2250,
                                           3420,
                                           {{"Label25", "2", 1680, 210},
                                            {"Label29", "4", 1770, 900},
                                            {"Label28", "4", 0, 1500},
                                            {"Label27", "1", 2000, 2150},
                                            {"Label26", "3", 1680, 2850}}));
}

QGroupBox* Form131::buildResults() {
    using ui::unit;
    QGroupBox* frame = designer::resultFrame(
        this, {
                  {ui::label("Label33", 1362), ui::result("Text4"), unit("Label12_0", "N/mm"),
                   ui::label("Label19", 2153), ui::result("Text8"), ui::label("Label12_3", 2142),
                   ui::edit(kChoiceBox)},
                  {ui::label("Label14_0", 2154), ui::result("Text2"), unit("Label15", "N"),
                   ui::label("Label9", 2102), ui::result("Text9"), unit("Label12_5", "mm")},
                  {ui::label("Label11", 2155), ui::result("Text3"), unit("Label24", "mm"),
                   ui::label("Label10", 1332), ui::result("Text10"), unit("Label12_6", "mm")},
                  {ui::label("Label17", 2130), ui::result("Text6"), unit("Label12_1", "mm"),
                   ui::label("Label13", 1469), ui::result("Text11"), unit("Label12_7", "mm")},
                  {ui::label("Label21", 2139), ui::result("Text7"), unit("Label12_2", "mm"),
                   ui::label("Label18", 2138), ui::result("Text12"), unit("Label12_8", "T")},
                  {ui::label("Label30", 2128), ui::result("Text14"), unit("Label12_11", "N/mm2"),
                   ui::label("Label20", 2137), ui::result("Text13"), unit("Label12_9", "T")},
                  {ui::label("Label31", 2127), ui::result("Text15"), unit("Label32", "?"),
                   ui::label("Label7", 2151), ui::result("Text17"), unit("Label35", "?")},
                  {ui::label("Label16", 2140), ui::result("Text5"), unit("Label60", "mm"),
                   ui::label("Label5", 2152), ui::result("Text16"), unit("Label37", "b<=5.3\r\n"),
                   unit("Label56", "b<=3.7"), unit("Label57", "b<=2.6")},
                  {ui::label("Label59", 2150), ui::result("Text19"), unit("Label58", "N"),
                   ui::label("Label61", 2014), unit("Label62", "?")},
              });
    field(QString::fromLatin1(kChoiceBox))->setFixedWidth(ui::twips(600));
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
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.chosenWireDiameter = designer::chosenWireDiameter(this, kChoiceBox);
    Results out;
    designer::computeShowingVerdicts(
        this, [&] { compressiondesigner::compute(in, out); }, out, kVerdicts);
    ui::show(this, out, kShow);
    designer::showEchoes(this, kEchoes);
}

void Form131::reset() {
    designer::clearInputsAndResults(this, kInputs,
                                    ui::controlNames(kShow) << QString::fromLatin1(kChoiceBox));
}

report::DesignReport Form131::designReport() const {
    QStringList results = designer::reportLines(this, kReport);
    // The slenderness line goes on with the limits of the three ways of holding the ends.
    results.last() += StringTable::text(2280) + StringTable::text(2281) + StringTable::text(2282);
    return {StringTable::text(2279), designer::inputLines(this, kInputs), results};
}

SPIRELTA_REGISTER_FORM(Form131)
