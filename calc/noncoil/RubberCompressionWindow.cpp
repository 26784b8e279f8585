#include "calc/noncoil/RubberCompressionWindow.h"

#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <vector>

namespace {

using rubber::CompressionInputs;
using rubber::CompressionResults;

const ui::In<CompressionInputs> kRead[] = {
    {"Text1_0", &CompressionInputs::height},      {"Text1_1", &CompressionInputs::dimension1},
    {"Text1_2", &CompressionInputs::dimension2},  {"Text1_3", &CompressionInputs::workingHeight},
    {"Text1_4", &CompressionInputs::workingLoad}, {"Text1_5", &CompressionInputs::shoreHardness},
};

// In the order the boxes are written.
const ui::Out<CompressionResults> kShow[] = {
    {"Text1_6", &CompressionResults::allowableStress},
    {"Text1_7", &CompressionResults::allowableDeformation, "0.00"},
    {"Text1_8", &CompressionResults::shearModulus, "0.000000"},
    {"Text1_10", &CompressionResults::loadedArea, "0.0000"},
    {"Text1_11", &CompressionResults::freeArea, "0.0000"},
    {"Text1_12", &CompressionResults::shapeFactor, "0.0000"},
    {"Text1_13", &CompressionResults::hardnessCoefficient, "0.0000"},
    {"Text1_14", &CompressionResults::shapeCoefficient, "0.0000"},
    {"Text1_9", &CompressionResults::apparentModulus, "0.0000"},
    {"Text1_15", &CompressionResults::rate, "0.0000"},
    {"Text1_16", &CompressionResults::load1, "0.0000"},
    {"Text1_17", &CompressionResults::deflection2, "0.0000"},
    {"Text1_18", &CompressionResults::height2, "0.0000"},
    {"Text1_19", &CompressionResults::deformation1, "0.00"},
    {"Text1_20", &CompressionResults::deformation2, "0.00"},
    {"Text1_21", &CompressionResults::stress1, "0.0000"},
    {"Text1_22", &CompressionResults::stress2, "0.0000"},
};

const ui::InputField kLeftResults[] = {
    {.field = "Text1_6", .captionId = 1708, .unit = "Mpa", .need = ui::Need::Plain},
    {.field = "Text1_7", .captionId = 1709, .unit = "%", .need = ui::Need::Plain},
    {.field = "Text1_8", .captionId = 1972, .unit = "Mpa", .need = ui::Need::Plain},
    {.field = "Text1_9", .captionId = 1707, .unit = "Mpa", .need = ui::Need::Plain},
    {.field = "Text1_10", .captionId = 1710, .unit = "mm2", .need = ui::Need::Plain},
    {.field = "Text1_11", .captionId = 1706, .unit = "mm2", .need = ui::Need::Plain},
    {.field = "Text1_12", .captionId = 1696, .need = ui::Need::Plain},
    {.field = "Text1_13", .captionId = 1702, .need = ui::Need::Plain},
    {.field = "Text1_14", .captionId = 1703, .need = ui::Need::Plain},
};

const ui::InputField kRightResults[] = {
    {.field = "Text1_15", .captionId = 1362, .unit = "N/mm", .need = ui::Need::Plain},
    {.field = "Text1_16", .captionId = 1701, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_17", .captionId = 1705, .unit = "mm", .need = ui::Need::Plain},
    {.field = "Text1_18", .captionId = 1700, .unit = "mm", .need = ui::Need::Plain},
    {.field = "Text1_19", .captionId = 1695, .unit = "%", .need = ui::Need::Plain},
    {.field = "Text1_20", .captionId = 1697, .unit = "%", .need = ui::Need::Plain},
    {.field = "Text1_21", .captionId = 1699, .unit = "Mpa", .need = ui::Need::Plain},
    {.field = "Text1_22", .captionId = 1698, .unit = "Mpa", .need = ui::Need::Plain},
};

QString name(const char* n) {
    return QString::fromLatin1(n);
}

} // namespace

RubberCompressionWindow::RubberCompressionWindow(const RubberCompressionLayout& layout)
    : FormBase(QString::fromLatin1(layout.className)), shape_(layout.shape) {
    setWindowTitle(StringTable::text(layout.captionId));
    inputs_ = {
        {.field = "Text1_0", .captionId = 1720, .unit = "mm"},
        {.field = "Text1_1", .captionId = layout.dimension1Caption, .unit = "mm"},
        {.field = "Text1_2", .captionId = layout.dimension2Caption, .unit = layout.dimension2Unit},
        {.field = "Text1_3", .captionId = 1716, .unit = "mm"},
        {.field = "Text1_4", .captionId = 1715, .unit = "N"},
        {.field = "Text1_5", .captionId = 1714},
    };
    ui::column(this);
    QGroupBox* top = ui::addFrame(this, name("Frame1"), 0);
    auto* row = new QHBoxLayout;
    auto* fields = new QWidget(top);
    ui::column(fields);
    ui::grid(fields, ui::inputRows(inputs_, false));
    ui::grid(fields, {{ui::label(name("Caption_Combo1"), 1713),
                       ui::combo(name("Combo1"), ui::listTexts({2223, 2224})), ui::gap()}});
    ui::addButtonRow(fields, {{"Command1", 1357}, {"Command2", 1321}});
    row->addWidget(fields);
    row->addWidget(ui::makePicture(top, name("Picture1"), QString::fromLatin1(layout.picture), 220));
    static_cast<QBoxLayout*>(top->layout())->addLayout(row);
    if (layout.dimension2UnitId)
        setText(name("Unit_Text1_2"), StringTable::text(layout.dimension2UnitId));

    QGroupBox* results = ui::addFrame(this, name("Frame2"), 0);
    auto* columns = new QHBoxLayout;
    auto* left = new QWidget(results);
    auto* right = new QWidget(results);
    ui::grid(left, ui::inputRows(kLeftResults, false));
    ui::grid(right, ui::inputRows(kRightResults, false));
    ui::grid(right, {{ui::label(name("Caption_Text1_23"), 1711), ui::edit(name("Text1_23")),
                      ui::label(name("Caption_Text1_24"), 1717), ui::edit(name("Text1_24"))}});
    columns->addWidget(left);
    columns->addWidget(right);
    static_cast<QBoxLayout*>(results->layout())->addLayout(columns);
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    attachInputArray(name("Text1"));
    setFirstField(field(name("Text1_0")));
    setDefaultButton(button(name("Command1")));
    onClick(name("Command1"), [this] { calculate(); });
    onClick(name("Command2"), [this] {
        for (QLineEdit* box : inputArray(name("Text1")))
            box->clear();
    });
}

void RubberCompressionWindow::calculate() {
    CompressionInputs in = ui::read(this, kRead);
    if (!ui::requireFilled(this, inputs_))
        return;
    in.shape = shape_;
    in.limits = rubber::loadTypeLimits(text(name("Combo1")));
    CompressionResults r;
    ui::computeThenShow(
        this, [&] { rubber::computeCompression(in, r); }, r, kShow);
    setText(name("Text1_23"), r.stressVerdict);
    setText(name("Text1_24"), r.deformationVerdict);
}

Form46::Form46()
    : RubberCompressionWindow({"Form46", 1117, rubber::Shape::SolidOrRing, 1469, 2102, "mm", 1718,
                               ":/pictures/noncoil/rubber-cylinder.svg"}) {}

Form47::Form47()
    : RubberCompressionWindow({"Form47", 1119, rubber::Shape::Block, 1904, 1903, "mm", 0,
                               ":/pictures/noncoil/rubber-block.svg"}) {}

SPIRELTA_REGISTER_FORM(Form46)
SPIRELTA_REGISTER_FORM(Form47)
