#include "calc/designers/Form130.h"

#include "calc/designers/DesignerWindow.h"
#include "calc/designers/ExtensionDesign.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using designer::query;
using designer::unit;

const QString kMm = QStringLiteral("mm");
const QString kStress = QStringLiteral("Mpa");

void redText(QWidget* box) {
    box->setStyleSheet(QStringLiteral("color: #ff0000"));
}

} // namespace

Form130::Form130() : FormBase(QStringLiteral("Form130")) {
    setWindowTitle(StringTable::text(1056));
    auto* page = new QVBoxLayout(this);
    page->addWidget(buildInputs());
    page->addWidget(designer::commandRow(
        this, [this] { calculate(); }, [this] { reset(); }, [this] { return designReport(); }));
    page->addWidget(buildResults());
    page->addStretch();

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    designer::attachTensileStrengthViewers(this);
    designer::markChoiceBox(field(QStringLiteral("Text6")));
    for (const char* box :
         {"Text4", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text16"})
        redText(field(QString::fromLatin1(box)));
    designer::setHints(this, {{"Text1_0", "碳钢丝79000；不锈钢71000"},
                              {"Text1_1", "依据估计线径暂取相应值"},
                              {"Text1_2", "依内外径估计中径除以估计线径"},
                              {"Text6", "依据计算值选择一个合适的线径，然后再按计算键"},
                              {"Text13", "要小于G/100C"},
                              {"Text12", "大于20T时圆整为整数，小于20T时尾数圆整为0.5T"},
                              {"Text14", "小于[τ]OK"},
                              {"Text15", "大于1 OK"},
                              {"Text16", "0.2fs=<变形量f=<0.8fs OK"}});
}

QGroupBox* Form130::buildInputs() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    auto* row = new QHBoxLayout(frame);
    auto* left = new QWidget(frame);
    row->addWidget(left, 0, Qt::AlignTop);
    ui::grid(left, {
                       {ui::label("Label36", 1972), ui::edit("Text1_0", "79000"), unit("Label8", "N/mm2"),
                        ui::mark("Label23_1", true)},
                       {ui::label("Label63", 1993), ui::edit("Text1_1", "600"), unit("Label4", kStress),
                        query("Label23_2")},
                       {ui::label("Label5", 2125), ui::edit("Text1_2", "5.5"), ui::gap(),
                        ui::mark("Label23_3", true)},
                       {ui::label("Label1", 2144), ui::edit("Text1_3", "7.5"), unit("Label2", kMm),
                        ui::mark("Label23_8", true)},
                       {ui::label("Label3", 2147), ui::edit("Text1_4", "180"), unit("Label64", "N"),
                        ui::mark("Label23_7", true)},
                       {ui::label("Label7", 2145), ui::edit("Text1_5", "17"), unit("Label23_0", kMm),
                        ui::mark("Label23_4", true)},
                       {ui::label("Label6", 2148), ui::edit("Text1_6", "340"), unit("Label23_5", "N"),
                        ui::mark("Label23_6", true)},
                       {ui::label("Label22", 1935, 4)},
                   });
    label(QStringLiteral("Label22"))->setWordWrap(true);
    for (QLineEdit* input : inputArray(QStringLiteral("Text1")))
        input->setFixedWidth(ui::twips(855));
    // The echo labels stand where the free length, the outer and the wire diameter are marked.
    row->addWidget(
        ui::sketch(frame, QStringLiteral(":/pictures/designers/extension.svg"), 1950, 2925,
                   {{"Label26", "3", 240, 1080}, {"Label25", "2", 960, 2400}, {"Label27", "1", 2040, 1680}}),
        0, Qt::AlignTop);
    return frame;
}

QGroupBox* Form130::buildResults() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 1936);
    ui::grid(frame, {
                        {ui::label("Label14_1", 1362), ui::result("Text5"), unit("Label16", "N/mm"),
                         ui::label("Label19", 2141), ui::result("Text8"), ui::label("Label12_3", 2142),
                         ui::edit("Text6")},
                        {ui::label("Label14_0", 2025), ui::result("Text2"), unit("Label15", "N"),
                         ui::label("Label9", 2102), ui::result("Text9"), unit("Label12_5", kMm)},
                        {ui::label("Label20", 2135), ui::result("Text13"), unit("Label17", kStress),
                         ui::label("Label10", 1332), ui::result("Text10"), unit("Label12_6", kMm)},
                        {ui::label("Label11", 2136), ui::result("Text3"), unit("Label24", kStress),
                         ui::label("Label13", 1469), ui::result("Text11"), unit("Label12_7", kMm)},
                        {ui::label("Label33", 1365), ui::result("Text4"), unit("Label12_0", "N"),
                         ui::label("Label18", 2138), ui::result("Text12"), unit("Label12_8", "T")},
                        {ui::label("Label30", 2143), ui::result("Text14"), unit("Label12_11", kStress),
                         ui::label("Label21", 2139), ui::result("Text7"), unit("Label12_2", kMm)},
                        {ui::label("Label31", 2127), ui::result("Text15"), unit("Label32", "?"),
                         ui::label("Label28", 2014), ui::result("Text16"), unit("Label12_1", "?")},
                    });
    for (QLineEdit* box : frame->findChildren<QLineEdit*>())
        box->setFixedWidth(ui::twips(855));
    field(QStringLiteral("Text8"))->setFixedWidth(ui::twips(495));
    field(QStringLiteral("Text6"))->setFixedWidth(ui::twips(495));
    return frame;
}

void Form130::calculate() {
    if (!requireFilled({{QStringLiteral("Text1_0"), 1567},
                        {QStringLiteral("Text1_1"), 1993},
                        {QStringLiteral("Text1_2"), 1419},
                        {QStringLiteral("Text1_3"), 2144},
                        {QStringLiteral("Text1_4"), 2147},
                        {QStringLiteral("Text1_5"), 2145},
                        {QStringLiteral("Text1_6"), 2148}}))
        return;

    extensiondesign::Inputs in;
    designer::readInputs(this, {&in.shearModulus, &in.allowableStress, &in.springIndex, &in.firstExtension,
                                &in.firstLoad, &in.secondExtension, &in.secondLoad});
    in.chosenWireDiameter = designer::chosenWireDiameter(this, "Text6");

    extensiondesign::Design out;
    // Verdicts decided before a fault stay on the window.
    auto showVerdicts = [this, &out] {
        if (out.initialStressOk)
            setText(QStringLiteral("Label17"),
                    *out.initialStressOk ? QStringLiteral("Mpa OK") : QStringLiteral("Mpa NG"));
        if (out.characteristicOk)
            setText(QStringLiteral("Label12_1"),
                    *out.characteristicOk ? QStringLiteral("Ok") : QStringLiteral("NG"));
        if (out.safetyOk)
            setText(QStringLiteral("Label32"), *out.safetyOk ? QStringLiteral("OK") : QStringLiteral("NG"));
    };
    designer::designShowingVerdicts([&] { extensiondesign::design(in, out); }, showVerdicts);

    const std::pair<const char*, float> results[] = {
        {"Text2", out.initialTension}, {"Text3", out.limitStress},    {"Text4", out.limitLoad},
        {"Text5", out.rate},           {"Text7", out.freeLength},     {"Text8", out.wireDiameter},
        {"Text9", out.innerDiameter},  {"Text10", out.meanDiameter},  {"Text11", out.outerDiameter},
        {"Text12", out.activeCoils},   {"Text13", out.initialStress}, {"Text14", out.maxShearStress},
        {"Text15", out.safetyFactor},
    };
    for (const auto& [box, value] : results)
        setSingle(QString::fromLatin1(box), value, u"0.00");
    setSingle(QStringLiteral("Text16"), out.characteristicRatio, u"0.0");
    setText(QStringLiteral("Label26"), text(QStringLiteral("Text7")));
    setText(QStringLiteral("Label27"), text(QStringLiteral("Text8")));
    setText(QStringLiteral("Label25"), text(QStringLiteral("Text11")));
}

void Form130::reset() {
    designer::clearInputsAndResults(this, 6, 16);
}

report::DesignReport Form130::designReport() const {
    using designer::line;
    return {StringTable::text(2286),
            {
                line(this, {"Label36", "Text1_0", "Label8"}),
                line(this, {"Label63", "Text1_1", "Label4"}),
                line(this, {"Label5", "Text1_2"}),
                line(this, {"Label1", "Text1_3", "Label2"}),
                line(this, {"Label3", "Text1_4", "Label64"}),
                line(this, {"Label7", "Text1_5", "Label23_0"}),
                line(this, {"Label6", "Text1_6", "Label23_5"}),
            },
            {
                line(this, {"Label14_1", "Text5", "Label16"}),
                line(this, {"Label14_0", "Text2", "Label15"}),
                line(this, {"Label20", "Text13", "Label17"}),
                line(this, {"Label11", "Text3", "Label24"}),
                line(this, {"Label33", "Text4", "Label12_0"}),
                line(this, {"Label30", "Text14", "Label12_11"}),
                line(this, {"Label31", "Text15", "Label32"}),
                line(this, {"Label19", "Text8"}) + kMm,
                line(this, {"Label9", "Text9"}) + kMm,
                line(this, {"Label10", "Text10"}) + kMm,
                line(this, {"Label13", "Text11"}) + kMm,
                line(this, {"Label18", "Text12"}) + QStringLiteral("T"),
                line(this, {"Label21", "Text7"}) + kMm,
                line(this, {"Label28", "Text16", "Label12_1"}),
            }};
}

SPIRELTA_REGISTER_FORM(Form130)
