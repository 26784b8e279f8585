#include "calc/noncoil/Form126.h"

#include "calc/noncoil/DiscSpring.h"
#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>

namespace {

using disc::Inputs;
using disc::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1681, .unit = "mm", .defaultText = "1"},
    {.field = "Text1_1", .captionId = 1469, .unit = "mm", .defaultText = "31.5"},
    {.field = "Text1_2", .captionId = 2102, .unit = "mm", .defaultText = "12.2"},
    {.field = "Text1_3", .captionId = 1369, .unit = "mm", .defaultText = "2.1"},
    {.field = "Text1_4", .captionId = 1680, .unit = "mm", .defaultText = "1.825"},
};

const ui::InputField kLoadColumn[] = {
    {.field = "Text1_12", .captionId = 2094, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_13", .captionId = 2095, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_17", .captionId = 2092, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_14", .captionId = 2091, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_15", .captionId = 2090, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_5", .captionId = 2089, .unit = "Mpa", .need = ui::Need::Plain},
};

const ui::InputField kParameterColumn[] = {
    {.field = "Text1_8", .captionId = 2096, .unit = "mm", .need = ui::Need::Plain},
    {.field = "Text1_9", .captionId = 1686, .need = ui::Need::Plain},
    {.field = "Text1_10", .captionId = 1684, .need = ui::Need::Plain},
    {.field = "Text1_11", .captionId = 1687, .need = ui::Need::Plain},
    {.field = "Text1_21", .captionId = 2093, .need = ui::Need::Plain},
    {.field = "Text1_6", .captionId = 1419, .need = ui::Need::Plain},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::t},          {"Text1_1", &Inputs::outer},         {"Text1_2", &Inputs::inner},
    {"Text1_3", &Inputs::freeHeight}, {"Text1_4", &Inputs::workingHeight},
};

// In the order the boxes are written.
const ui::Out<Results> kShow[] = {
    {"Text1_6", &Results::c, "0.00"},           {"Text1_8", &Results::h0, "0.00"},
    {"Text1_9", &Results::alpha, "0.0000000"},  {"Text1_10", &Results::beta, "0.0000000"},
    {"Text1_11", &Results::gamma, "0.0000000"}, {"Text1_12", &Results::workingLoad, "0.00"},
    {"Text1_13", &Results::flatLoad, "0.00"},   {"Text1_17", &Results::load25, "0.00"},
    {"Text1_14", &Results::load50, "0.00"},     {"Text1_15", &Results::load75, "0.00"},
    {"Text1_5", &Results::stress75, "0.00"},
};

} // namespace

Form126::Form126() : FormBase(QStringLiteral("Form126")) {
    setWindowTitle(StringTable::text(1109));
    ui::column(this);
    QGroupBox* inputs = ui::addFrame(this, QStringLiteral("Frame2"), 1366);
    auto* top = new QHBoxLayout;
    auto* fields = new QWidget(inputs);
    ui::column(fields);
    ui::grid(fields, {{ui::label(QStringLiteral("Caption_Combo1"), 1633),
                       ui::combo(QStringLiteral("Combo1"), disc::materialNames()), ui::gap()}});
    ui::grid(fields, ui::inputRows(kInputs, false));
    top->addWidget(fields);
    auto* side = new QWidget(inputs);
    ui::column(side);
    side->layout()->addWidget(
        ui::makePicture(side, QStringLiteral("Image1"), QStringLiteral(":/pictures/noncoil/disc.svg"), 220));
    ui::addButtonRow(side, {{"Command1", 1357}, {"Command2", 1321}, {"Command3", 1315}});
    top->addWidget(side);
    static_cast<QBoxLayout*>(inputs->layout())->addLayout(top);

    QGroupBox* results = ui::addFrame(this, QStringLiteral("Frame1"), 1812);
    auto* columns = new QHBoxLayout;
    auto* left = new QWidget(results);
    auto* right = new QWidget(results);
    ui::grid(left, ui::inputRows(kLoadColumn, false));
    ui::grid(right, ui::inputRows(kParameterColumn, false));
    columns->addWidget(left);
    columns->addWidget(right);
    static_cast<QBoxLayout*>(results->layout())->addLayout(columns);
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    // Indexes 7, 16, 18, 19 and 20 are not used; Down counts elements (InputArrayNavigation.h).
    attachInputArray(QStringLiteral("Text1"), ui::DownRule::ElementCount);
    setFirstField(field(QStringLiteral("Text1_0")));
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] {
        for (QLineEdit* box : inputArray(QStringLiteral("Text1")))
            box->clear();
    });
    onClick(QStringLiteral("Command3"), [this] { close(); });
}

void Form126::calculate() {
    const double e = disc::materialModulus(text(QStringLiteral("Combo1")));
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.e = e;
    if (!disc::workingHeightAllowed(in)) {
        prompt::inform(this, StringTable::text(2097) + num::text(in.t) + QStringLiteral("mm"));
        return;
    }
    Results r;
    ui::computeThenShow(
        this, [&] { disc::compute(in, r); }, r, kShow);
    setText(QStringLiteral("Text1_21"), r.verdict);
}

SPIRELTA_REGISTER_FORM(Form126)
