#include "calc/cost/Form61.h"

#include "calc/cost/CostFormParts.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FieldNavigation.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>

namespace {

using Need = ui::Need;

// The six inputs side by side, captions above; C is not required for any shape, and R is
// required although no rule uses it.
const ui::InputField kFields[] = {
    {.field = "Text1_0", .captionId = 1803, .caption = "Label1_2"},
    {.field = "Text1_1", .captionId = 1802, .caption = "Label1_3"},
    {.field = "Text1_2", .captionId = 1801, .need = Need::Plain, .caption = "Label1_4"},
    {.field = "Text1_3", .captionId = 1800, .caption = "Label1_5"},
    {.field = "Text1_4", .captionId = 1799, .caption = "Label1_6"},
    {.field = "Text1_5", .captionId = 1798, .caption = "Label1_7"},
};

struct ShapeOption {
    const char* name;
    int textId;
    BendShape shape;
};
// In the order the options are tested: the first selected decides.
const ShapeOption kShapes[] = {{"Option1", 1796, BendShape::L},
                               {"Option2", 1795, BendShape::Z},
                               {"Option3", 1794, BendShape::Pi},
                               {"Option4", 1793, BendShape::U},
                               {"Option5", 1792, BendShape::Box}};

} // namespace

Form61::Form61() : FormBase(QStringLiteral("Form61")) {
    setWindowTitle(StringTable::text(1789));
    QWidget* column = costparts::columns(this, {}, {}, 0);
    ui::grid(column, {{ui::label("Label1_0", 1805)}});

    std::vector<ui::Cell> options;
    auto* group = new QButtonGroup(this);
    for (const ShapeOption& s : kShapes) {
        auto* option = new QRadioButton(StringTable::text(s.textId), this);
        option->setObjectName(QString::fromLatin1(s.name));
        group->addButton(option);
        options.push_back(ui::widget(option));
    }
    ui::grid(column, {options});
    column->layout()->addWidget(ui::makePicture(column, QStringLiteral("Picture1"),
                                                QStringLiteral(":/pictures/cost/bend-shapes.svg"), 600));
    ui::grid(column, {{ui::label("Label1_1", 1804, 7)}});

    std::vector<ui::Cell> captions, boxes;
    for (const ui::InputField& f : kFields) {
        captions.push_back(ui::label(f.captionName(), f.captionId));
        boxes.push_back(ui::edit(QString::fromLatin1(f.field)));
    }
    boxes.push_back(ui::button("Command2", 1790));
    ui::grid(column, {captions, boxes});
    ui::grid(column, {{ui::label("Label1_8", 1797)}});
    ui::grid(column, {{ui::button("Command1", 1791), ui::edit("Text1_6"), ui::button("Command4", 1321),
                       ui::button("Command3", 1315)}});
    declare(ui::fieldNames(kFields));

    // Any character is accepted: alpha is often negative.
    FieldNavigation::attach(this, QStringLiteral("Text1"));
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [] { FormRegistry::show(QStringLiteral("Form62")); });
    onClick(QStringLiteral("Command3"), [this] { close(); });
    onClick(QStringLiteral("Command4"), [this] {
        ui::resetFields(this, kFields);
        setText(QStringLiteral("Text1_6"), {});
    });
}

std::optional<BendShape> Form61::chosenShape() const {
    for (const ShapeOption& s : kShapes) {
        if (control<QRadioButton>(QString::fromLatin1(s.name))->isChecked())
            return s.shape;
    }
    return std::nullopt;
}

void Form61::calculate() {
    bendallowance::Inputs in;
    in.a = number(QStringLiteral("Text1_0"));
    in.b = number(QStringLiteral("Text1_1"));
    in.c = number(QStringLiteral("Text1_2"));
    in.thickness = number(QStringLiteral("Text1_4"));
    in.alpha = number(QStringLiteral("Text1_5"));
    if (!ui::requireFilled(this, kFields))
        return;
    setNumber(QStringLiteral("Text1_6"), bendallowance::unfoldedLength(chosenShape(), in), u"0.00");
}

SPIRELTA_REGISTER_FORM(Form61)
