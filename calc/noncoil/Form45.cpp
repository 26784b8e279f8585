#include "calc/noncoil/Form45.h"

#include "calc/noncoil/DiscStack.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <cmath>

namespace {

using disc::StackInputs;
using disc::StackResults;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1681, .unit = "mm", .defaultText = "1.2"},
    {.field = "Text1_1", .captionId = 1469, .unit = "mm", .defaultText = "9"},
    {.field = "Text1_2", .captionId = 2102, .unit = "mm", .defaultText = "4.2"},
    {.field = "Text1_3", .captionId = 1679, .unit = "pcs", .defaultText = "3"},
    {.field = "Text1_4", .captionId = 1369, .unit = "mm", .defaultText = "1.85"},
    {.field = "Text1_5", .captionId = 1596, .unit = "mm", .defaultText = "1.64"},
};

const ui::InputField kLoadColumn[] = {
    {.field = "Text1_12", .captionId = 1692, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_13", .captionId = 1691, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_17", .captionId = 1693, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_14", .captionId = 1689, .unit = "Mpa", .need = ui::Need::Plain},
    {.field = "Text1_15", .captionId = 1690, .unit = "Mpa", .need = ui::Need::Plain},
    {.field = "Text1_16", .captionId = 1688, .unit = "Mpa", .need = ui::Need::Plain},
};

const ui::InputField kParameterColumn[] = {
    {.field = "Text1_6", .captionId = 1419, .need = ui::Need::Plain},
    {.field = "Text1_8", .captionId = 1685, .unit = "mm", .need = ui::Need::Plain},
    {.field = "Text1_9", .captionId = 1686, .need = ui::Need::Plain},
    {.field = "Text1_10", .captionId = 1684, .need = ui::Need::Plain},
    {.field = "Text1_11", .captionId = 1687, .need = ui::Need::Plain},
    {.field = "Text1_21", .captionId = 1694, .need = ui::Need::Plain},
};

const ui::In<StackInputs> kRead[] = {
    {"Text1_0", &StackInputs::t},          {"Text1_1", &StackInputs::outer},
    {"Text1_2", &StackInputs::inner},      {"Text1_3", &StackInputs::discs},
    {"Text1_4", &StackInputs::freeHeight}, {"Text1_5", &StackInputs::workingHeight},
};

const ui::Out<StackResults> kShowDisc[] = {
    {"Text1_6", &StackResults::c, "0.00"},         {"Text1_8", &StackResults::h0, "0.00"},
    {"Text1_9", &StackResults::alpha, "0.00"},     {"Text1_10", &StackResults::beta, "0.00"},
    {"Text1_11", &StackResults::gamma, "0.00"},    {"Text1_12", &StackResults::discLoad, "0.00"},
    {"Text1_13", &StackResults::flatLoad, "0.00"},
};
const ui::Out<StackResults> kShowStack[] = {{"Text1_17", &StackResults::stackLoad, "0.00"}};
const ui::Out<StackResults> kShowStresses[] = {
    {"Text1_14", &StackResults::stress1, "0.00"},
    {"Text1_15", &StackResults::stress2, "0.00"},
    {"Text1_16", &StackResults::stress3, "0.00"},
};

} // namespace

Form45::Form45() : FormBase(QStringLiteral("Form45")) {
    setWindowTitle(StringTable::text(1110));
    ui::column(this);
    QGroupBox* inputs = ui::addFrame(this, QStringLiteral("Frame2"), 1366);
    auto* top = new QHBoxLayout;
    auto* fields = new QWidget(inputs);
    ui::column(fields);
    ui::grid(fields, {
                         {ui::label(QStringLiteral("Caption_Combo1"), 1633),
                          ui::combo(QStringLiteral("Combo1"), disc::materialNames()), ui::gap()},
                         {ui::label(QStringLiteral("Caption_Combo2"), 1682),
                          ui::combo(QStringLiteral("Combo2"), ui::listTexts({2410, 2411})), ui::gap()},
                         {ui::label(QStringLiteral("Caption_Combo3"), 1683),
                          ui::combo(QStringLiteral("Combo3"), ui::listTexts({2408, 2409})), ui::gap()},
                     });
    ui::grid(fields, ui::inputRows(kInputs, false));
    ui::addButtonRow(fields, {{"Command1", 1357}, {"Command2", 1321}, {"Command3", 1315}});
    top->addWidget(fields);
    auto* side = new QWidget(inputs);
    ui::column(side);
    const QString base = QStringLiteral(":/pictures/noncoil/");
    side->layout()->addWidget(ui::makePicture(side, QStringLiteral("Image1"), base + "disc.svg", 200));
    side->layout()->addWidget(
        ui::makePicture(side, QStringLiteral("Image2"), base + "disc-opposed.svg", 200));
    side->layout()->addWidget(ui::makePicture(side, QStringLiteral("Image3"), base + "disc-nested.svg", 200));
    top->addWidget(side);
    static_cast<QBoxLayout*>(inputs->layout())->addLayout(top);
    label(QStringLiteral("Image3"))->setVisible(false);

    QGroupBox* results = ui::addFrame(this, QStringLiteral("Frame1"), 1812);
    auto* columns = new QHBoxLayout;
    auto* left = new QWidget(results);
    auto* right = new QWidget(results);
    ui::grid(left, ui::inputRows(kLoadColumn, false));
    ui::grid(right, ui::inputRows(kParameterColumn, false));
    columns->addWidget(left);
    columns->addWidget(right);
    static_cast<QBoxLayout*>(results->layout())->addLayout(columns);
    declare(ui::controlNames(kRead) + ui::controlNames(kShowDisc) + ui::controlNames(kShowStresses));

    // Index 7, 18, 19 and 20 are not used; Down counts elements (InputArrayNavigation.h). The
    // window does not move the focus when it becomes active.
    attachInputArray(QStringLiteral("Text1"), ui::DownRule::ElementCount);
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] {
        for (QLineEdit* box : inputArray(QStringLiteral("Text1")))
            box->clear();
    });
    onClick(QStringLiteral("Command3"), [this] { close(); });
    addTimer(QStringLiteral("Timer1"), 200, [this] { switchPicture(); })->start();
}

void Form45::switchPicture() {
    const disc::Combination combination = disc::stackCombination(text(QStringLiteral("Combo3")));
    if (combination == disc::Combination::Unknown)
        return;
    const bool nested = combination == disc::Combination::Nested;
    label(QStringLiteral("Image2"))->setVisible(!nested);
    label(QStringLiteral("Image3"))->setVisible(nested);
}

void Form45::calculate() {
    StackInputs start{};
    start.e = disc::materialModulus(text(QStringLiteral("Combo1")));
    start.typeText = text(QStringLiteral("Combo2"));
    start.combinationText = text(QStringLiteral("Combo3"));
    const std::optional<StackResults> r =
        ui::calculate(this, kInputs, kRead, start, &disc::computeStack, kShowDisc);
    if (!r)
        return;
    // A combination that is neither list text leaves the stack's load as it was.
    if (std::isfinite(r->stackLoad))
        ui::show(this, *r, kShowStack);
    ui::show(this, *r, kShowStresses);
    setText(QStringLiteral("Text1_21"), r->verdict);
}

SPIRELTA_REGISTER_FORM(Form45)
