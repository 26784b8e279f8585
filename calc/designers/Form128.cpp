#include "calc/designers/Form128.h"

#include "calc/designers/BufferDesign.h"
#include "calc/designers/DesignerWindow.h"
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

using designer::unit;

const QString kMm = QStringLiteral("mm");
const QString kKg = QStringLiteral("kg");
const QString kStress = QStringLiteral("kg/mm2");

} // namespace

Form128::Form128() : FormBase(QStringLiteral("Form128")) {
    setWindowTitle(StringTable::text(1047));
    auto* page = new QVBoxLayout(this);
    page->addWidget(buildInputs());
    page->addWidget(designer::commandRow(
        this, [this] { calculate(); }, [this] { reset(); }, [this] { return designReport(); }));
    page->addWidget(buildResults());
    page->addStretch();

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    field(QStringLiteral("Text1_2"))->setStyleSheet(QStringLiteral("color: #ff0000"));
    designer::setHints(this, {{"Text1_2", "先输入一个估计值"}, {"Text1_4", "碳素钢8000 不锈钢7000"}});
}

QGroupBox* Form128::buildInputs() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    auto* row = new QHBoxLayout(frame);
    auto* left = new QWidget(frame);
    row->addWidget(left, 0, Qt::AlignTop);
    ui::grid(left, {
                       {ui::label("Label3", 2124), ui::edit("Text1_0", "720"), unit("Label2", kKg),
                        ui::mark("Label23_1", true)},
                       {ui::label("Label1", 2123), ui::edit("Text1_1", "2700"), unit("Label4", kKg),
                        ui::mark("Label23_2", true)},
                       {ui::label("Label5", 2125), ui::edit("Text1_2", "4"), ui::gap(),
                        ui::mark("Label23_3", true)},
                       {ui::label("Label63", 1970), ui::edit("Text1_3", "75"), unit("Label64", kStress),
                        ui::mark("Label23_8", true)},
                       {ui::label("Label36", 1972), ui::edit("Text1_4", "8000"), unit("Label8", kStress),
                        ui::mark("Label23_7", true)},
                       {ui::label("Label7", 2126), ui::edit("Text1_5", "25"), unit("Label23_0", kMm),
                        ui::mark("Label23_4", true)},
                       {ui::label("Label6", 2122), ui::edit("Text1_6", "0.85"), unit("Label23_5", "m/s"),
                        ui::mark("Label23_6", true)},
                       {ui::label("Label22", 1935, 4)},
                   });
    label(QStringLiteral("Label22"))->setWordWrap(true);
    for (QLineEdit* input : inputArray(QStringLiteral("Text1")))
        input->setFixedWidth(ui::twips(855));
    row->addWidget(ui::sketch(frame, QStringLiteral(":/pictures/designers/buffer.svg"), 2250, 3420,
                              {{"Label29", "4", 1680, 210},
                               {"Label25", "2", 1650, 420},
                               {"Label26", "3", 0, 1500},
                               {"Label28", "4", 2000, 2150},
                               {"Label27", "1", 1680, 2850}}),
                   0, Qt::AlignTop);
    return frame;
}

QGroupBox* Form128::buildResults() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 1936);
    ui::grid(frame, {
                        {ui::label("Label14_0", 2132), ui::result("Text2"), unit("Label15", kKg),
                         ui::label("Label19", 2141), ui::result("Text8"), unit("Label12_3", kMm)},
                        {ui::label("Label11", 2131), ui::result("Text3"), unit("Label24", kKg),
                         ui::label("Label9", 2102), ui::result("Text9"), unit("Label12_5", kMm)},
                        {ui::label("Label33", 1362), ui::result("Text4"), unit("Label12_0", "kg/mm"),
                         ui::label("Label10", 1332), ui::result("Text10"), unit("Label12_6", kMm)},
                        {ui::label("Label16", 2140), ui::result("Text5"), unit("Label12_4", kMm),
                         ui::label("Label13", 1469), ui::result("Text11"), unit("Label12_7", kMm)},
                        {ui::label("Label17", 2130), ui::result("Text6"), unit("Label12_1", kMm),
                         ui::label("Label18", 2138), ui::result("Text12"), unit("Label12_8", "T")},
                        {ui::label("Label21", 1369), ui::result("Text7"), unit("Label12_2", kMm),
                         ui::label("Label20", 1331), ui::result("Text13"), unit("Label12_9", "T")},
                        {ui::label("Label30", 2128), ui::result("Text14"), unit("Label12_11", kStress),
                         ui::label("Label31", 2127), ui::result("Text15"), unit("Label32", "?")},
                    });
    for (QLineEdit* box : frame->findChildren<QLineEdit*>())
        box->setFixedWidth(ui::twips(1100)); // forces with three decimals
    return frame;
}

void Form128::calculate() {
    if (!requireFilled({{QStringLiteral("Text1_0"), 2124},
                        {QStringLiteral("Text1_1"), 2123},
                        {QStringLiteral("Text1_2"), 1419},
                        {QStringLiteral("Text1_3"), 1970},
                        {QStringLiteral("Text1_4"), 1972},
                        {QStringLiteral("Text1_5"), 2126},
                        {QStringLiteral("Text1_6"), 2122}}))
        return;

    bufferdesign::Inputs in;
    designer::readInputs(this, {&in.emptyCarMass, &in.loadedCarMass, &in.springIndex, &in.allowableStress,
                                &in.shearModulus, &in.totalDeflection, &in.impactSpeed});
    // Everything is worked out before the first field changes.
    const bufferdesign::Design out = bufferdesign::design(in);

    setText(QStringLiteral("Label32"), out.safetyOk ? QStringLiteral("OK") : QStringLiteral("NG"));
    designer::showResults(this, {{"Text2", out.springForce, "0.000"},
                                 {"Text3", out.allowedForce, "0.000"},
                                 {"Text4", out.rate, "0.000"},
                                 {"Text5", out.pitch, "0.0", "Label28"},
                                 {"Text6", out.solidHeight, "0.0"},
                                 {"Text7", out.freeHeight, "0.0", "Label26"},
                                 {"Text8", out.wireDiameter, "0.0", "Label27"},
                                 {"Text9", out.innerDiameter, "0.0"},
                                 {"Text10", out.meanDiameter, "0.0", "Label25"},
                                 {"Text11", out.outerDiameter, "0.0", "Label29"},
                                 {"Text12", out.activeCoils, "0.0"},
                                 {"Text13", out.totalCoils, "0.0"},
                                 {"Text14", out.maxShearStress, "0.00"},
                                 {"Text15", out.safetyFactor, "0.00"}});
}

void Form128::reset() {
    designer::clearInputsAndResults(this, 6, 15);
}

report::DesignReport Form128::designReport() const {
    using designer::line;
    return {StringTable::text(2270),
            {
                line(this, {"Label3", "Text1_0", "Label2"}),
                line(this, {"Label1", "Text1_1", "Label4"}),
                line(this, {"Label5", "Text1_2"}),
                line(this, {"Label63", "Text1_3", "Label64"}),
                line(this, {"Label36", "Text1_4", "Label8"}),
                line(this, {"Label7", "Text1_5", "Label23_0"}),
                line(this, {"Label6", "Text1_6", "Label23_5"}),
            },
            {
                line(this, {"Label14_0", "Text2", "Label15"}),
                line(this, {"Label11", "Text3", "Label24"}),
                line(this, {"Label33", "Text4", "Label12_0"}),
                line(this, {"Label16", "Text5", "Label12_4"}),
                line(this, {"Label17", "Text6", "Label12_1"}),
                line(this, {"Label21", "Text7", "Label12_2"}),
                line(this, {"Label30", "Text14", "Label12_11"}),
                line(this, {"Label19", "Text8"}) + kMm,
                line(this, {"Label9", "Text9"}) + kMm,
                line(this, {"Label10", "Text10"}) + kMm,
                line(this, {"Label13", "Text11"}) + kMm,
                line(this, {"Label18", "Text12"}) + QStringLiteral("T"),
                line(this, {"Label20", "Text13"}) + QStringLiteral("T"),
                line(this, {"Label31", "Text15"}),
            }};
}

SPIRELTA_REGISTER_FORM(Form128)
