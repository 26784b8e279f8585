#include "calc/noncoil/Form52.h"

#include "calc/noncoil/FineWireForce.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QBoxLayout>
#include <QLabel>

namespace {

using finewireforce::Inputs;
using finewireforce::Results;

// The tensile strength is not required: empty, it reads 0 and stops the calculation at the
// stress ratio, after every result before it is shown.
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1369, .unit = "mm", .caption = "Label1_0"},
    {.field = "Text1_1", .captionId = 1779, .unit = "mm", .caption = "Label1_1"},
    {.field = "Text1_2", .captionId = 1778, .unit = "mm", .caption = "Label1_3"},
    {.field = "Text1_3", .captionId = 1333, .unit = "mm", .caption = "Label1_5"},
    {.field = "Text1_4", .captionId = 1332, .unit = "mm", .caption = "Label1_7"},
    {.field = "Text1_5", .captionId = 1373, .unit = "T", .caption = "Label1_8"},
    {.field = "Text1_6", .captionId = 1777, .caption = "Label1_9"},
    {.field = "Text1_7",
     .captionId = 1412,
     .need = ui::Need::Plain,
     .defaultText = "230",
     .onReset = ui::OnReset::Default,
     .caption = "Label1_22"},
};

const ui::InputField kResults[] = {
    {.field = "Text1_8", .captionId = 1776, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_10"},
    {.field = "Text1_9", .captionId = 1775, .unit = "g", .need = ui::Need::Plain, .caption = "Label1_11"},
    {.field = "Text1_10", .captionId = 1774, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_12"},
    {.field = "Text1_11", .captionId = 1772, .unit = "g", .need = ui::Need::Plain, .caption = "Label1_23"},
    {.field = "Text1_12",
     .captionId = 1771,
     .unit = "Kg/mm2 ",
     .need = ui::Need::Plain,
     .caption = "Label1_25"},
    {.field = "Text1_13", .captionId = 1769, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_30"},
    {.field = "Text1_14", .captionId = 1768, .need = ui::Need::Plain, .caption = "Label1_31"},
    {.field = "Text1_15", .captionId = 1765, .need = ui::Need::Plain, .caption = "Label1_34"},
    {.field = "Text1_16", .captionId = 1764, .need = ui::Need::Plain, .caption = "Label1_35"},
    {.field = "Text1_17", .captionId = 1763, .need = ui::Need::Plain, .caption = "Label1_36"},
};

// Notes that stand where a unit would: recommended values and ranges, from the string table.
struct Note {
    const char* field;
    const char* label;
    int textId;
};
constexpr Note kNotes[] = {
    {"Text1_6", "Label1_14", 1773},  {"Text1_7", "Label1_24", 1762},  {"Text1_14", "Label1_28", 1770},
    {"Text1_16", "Label1_33", 1766}, {"Text1_17", "Label1_32", 1767},
};

std::vector<std::vector<ui::Cell>> rows(ui::InputFields fields) {
    std::vector<std::vector<ui::Cell>> out = ui::inputRows(fields, false);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QLatin1String name(fields[i].field);
        for (const Note& n : kNotes)
            if (name == QLatin1String(n.field))
                out[i][2] = ui::label(QString::fromLatin1(n.label), n.textId);
        // The stress row carries a fixed mark in front of it.
        out[i].insert(out[i].begin(), name == QLatin1String("Text1_12")
                                          ? ui::literal(QStringLiteral("Mark_Text1_12"), QStringLiteral("※"))
                                          : ui::gap());
    }
    return out;
}

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::free},    {"Text1_1", &Inputs::assembled}, {"Text1_2", &Inputs::compressed},
    {"Text1_3", &Inputs::d},       {"Text1_4", &Inputs::mean},      {"Text1_5", &Inputs::coils},
    {"Text1_6", &Inputs::support}, {"Text1_7", &Inputs::strength},
};

// In the order the boxes are written.
const ui::Out<Results> kShow[] = {
    {"Text1_8", &Results::assembledDeflection, "0.00"},
    {"Text1_9", &Results::assembledForce, "0.00"},
    {"Text1_10", &Results::compressedDeflection, "0.00"},
    {"Text1_11", &Results::compressedForce, "0.00"},
    {"Text1_13", &Results::solidLength, "0.00"},
    {"Text1_14", &Results::index, "0.00"},
    {"Text1_15", &Results::wahl, "0.00"},
    {"Text1_12", &Results::maxStress, "0.000"},
    {"Text1_16", &Results::stressRatio, "0.00"},
    {"Text1_17", &Results::forceRatio, "0.00"},
};

} // namespace

Form52::Form52() : FormBase(QStringLiteral("Form52")) {
    setWindowTitle(StringTable::text(1089));
    auto* page = new QHBoxLayout(this);
    auto* left = new QWidget(this);
    ui::column(left);
    ui::grid(left, {{ui::gap(), ui::label(QStringLiteral("Label1_4"), 1646),
                     ui::combo(QStringLiteral("Combo1"), finewireforce::gradeNames()), ui::gap()}});
    ui::grid(left, rows(kInputs));
    ui::addButtonRow(left, {{"Command1", 1357}, {"Command2", 1321}});
    ui::grid(left, rows(kResults));
    page->addWidget(left);
    auto* right = new QWidget(this);
    ui::column(right);
    right->layout()->addWidget(ui::makeLabel(right, QStringLiteral("Label2"), 1761));
    right->layout()->addWidget(ui::makePicture(right, QStringLiteral("Image1"),
                                               QStringLiteral(":/pictures/noncoil/fine-wire.svg"), 240));
    page->addWidget(right, 0, Qt::AlignTop);
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    attachInputArray(QStringLiteral("Text1"));
    setDefaultButton(button(QStringLiteral("Command1")));
    ui::setTabOrder(this,
                    {"Text1_0",  "Text1_1",  "Text1_2",  "Text1_3",  "Text1_4",  "Command1", "Command2",
                     "Combo1",   "Text1_5",  "Text1_6",  "Text1_7",  "Text1_8",  "Text1_9",  "Text1_10",
                     "Text1_11", "Text1_12", "Text1_13", "Text1_14", "Text1_15", "Text1_16", "Text1_17"});
    field(QStringLiteral("Text1_0"))->setFocus();
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] {
        ui::resetFields(this, kInputs);
        ui::resetFields(this, kResults);
    });
}

void Form52::calculate() {
    Inputs start;
    start.g = finewireforce::gradeModulus(text(QStringLiteral("Combo1")));
    ui::calculate(this, kInputs, kRead, start, &finewireforce::compute, kShow, ui::Reading::BeforeTest);
}

SPIRELTA_REGISTER_FORM(Form52)
