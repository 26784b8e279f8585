#include "calc/standard/StandardDesignerFrame.h"

#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormBuilder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <stdexcept>

namespace standard {

namespace {

const QString kKgfUnit = QStringLiteral("Kgf/mm2");
const QString kNewtonUnit = QStringLiteral("N/mm2");

// The factor of the unit switch; the designers have always used 9.807 here, not 9.8.
constexpr double kNewtonPerKgf = 9.807;

QString latin(const char* s) {
    return QString::fromLatin1(s);
}

} // namespace

StandardDesignerFrame::StandardDesignerFrame(const DesignerTable& table)
    : FormBase(latin(table.className)), table_(table) {
    for (const DesignerGroup& g : table.groups)
        inputs_.push_back(g.input);
    // Only a close button: these windows are small enough to stay as they are.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    build();
    load();

    QStringList names{latin(table.loadUnitLabel), latin(table.stepsHeading), latin(table.stepsText)};
    for (const DesignerChoice& c : table.choices) {
        for (const char* f : c.hidden)
            names << latin(group(f).input.field);
        for (const char* f : c.required)
            names << latin(group(f).input.field);
    }
    declare(names);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void StandardDesignerFrame::build() {
    setWindowTitle(StringTable::text(table_.captionId));
    auto* page = new QVBoxLayout(this);

    QGroupBox* results = ui::makeFrame(this, QStringLiteral("Frame1"), 1812);
    ui::grid(results,
             {
                 {ui::label("Label1", 1811), ui::combo("Combo1"), ui::label("Label2", table_.resultCaptionId),
                  ui::edit("Text1"), ui::literal("Label3", "mm")},
                 {ui::button("Command1", 1357), ui::button("Command3", 1321), ui::button("Command2", 1315)},
             });
    page->addWidget(results);

    QGroupBox* inputFrame = ui::makeFrame(this, QStringLiteral("Frame2"), 1366);
    std::vector<std::vector<ui::Cell>> rows = {
        {ui::label("Label4", 1375), ui::combo("Combo2"), ui::gap(), ui::label("Label6", 1813),
         ui::combo("Combo3", {kKgfUnit, kNewtonUnit})},
        {ui::label("Label5", table_.modulusCaptionId), ui::edit("Text2"), ui::literal("Label9", kKgfUnit),
         ui::label("Label7", 1814, 3)},
    };
    // The groups stand two to a row: caption, field, unit, then the next group's.
    const std::vector<std::vector<ui::Cell>> groupRows = ui::inputRows(inputs_, false);
    for (size_t i = 0; i < groupRows.size(); i += 2) {
        std::vector<ui::Cell> row = groupRows[i];
        if (i + 1 < groupRows.size())
            row.insert(row.end(), groupRows[i + 1].begin(), groupRows[i + 1].end());
        rows.push_back(std::move(row));
    }
    ui::grid(inputFrame, rows);
    label(QStringLiteral("Label7"))->setWordWrap(true);
    page->addWidget(inputFrame);

    auto* steps = new QWidget(this);
    ui::grid(steps,
             {{ui::label(latin(table_.stepsHeading), 1818)}, {ui::label(latin(table_.stepsText), 1819)}});
    label(latin(table_.stepsText))->setWordWrap(true);
    page->addWidget(steps);

    QLabel* icon = ui::makePicture(this, QStringLiteral("Picture2"),
                                   QStringLiteral(":/pictures/standard/part-number.svg"), 32);
    icon->setToolTip(QStringLiteral("请输入料号"));
    page->addWidget(icon);

    // A list runs its handler when the user picks an item; typing into it runs nothing.
    const std::pair<const char*, void (StandardDesignerFrame::*)()> lists[] = {
        {"Combo1", &StandardDesignerFrame::solveForSwitch},
        {"Combo2", &StandardDesignerFrame::materialModulusPick},
        {"Combo3", &StandardDesignerFrame::modulusUnitSwitch},
    };
    for (const auto& [name, handler] : lists) {
        QComboBox* list = comboBox(latin(name));
        list->setCompleter(nullptr);
        connect(list, &QComboBox::activated, this, [this, handler] { (this->*handler)(); });
    }

    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command3"), [this] { reset(); });
    onClick(QStringLiteral("Command2"), [this] { close(); });
    setDefaultButton(button(QStringLiteral("Command1")));
}

void StandardDesignerFrame::load() {
    showGroup(group("Text3"), false);

    QComboBox* materials = comboBox(QStringLiteral("Combo2"));
    materials->addItems(springMaterialNames(SpringMaterialRows::NoTitanium));
    materials->setCurrentIndex(0);
    materialModulusPick();

    QComboBox* choices = comboBox(QStringLiteral("Combo1"));
    for (const DesignerChoice& c : table_.choices)
        choices->addItem(StringTable::text(c.textId));
    choices->setCurrentIndex(0);
    solveForSwitch();
}

const DesignerGroup& StandardDesignerFrame::group(const char* field) const {
    for (const DesignerGroup& g : table_.groups)
        if (qstrcmp(g.input.field, field) == 0)
            return g;
    throw std::logic_error(std::string(table_.className) + " has no input group " + field);
}

const DesignerChoice* StandardDesignerFrame::choiceFor(const QString& text,
                                                       const std::vector<int>& order) const {
    for (int id : order) {
        if (text != StringTable::text(id))
            continue;
        for (const DesignerChoice& c : table_.choices)
            if (c.textId == id)
                return &c;
    }
    return nullptr;
}

void StandardDesignerFrame::showGroup(const DesignerGroup& g, bool shown) {
    for (const QString& name : {g.input.captionName(), latin(g.input.field), g.input.unitLabelName()})
        control<QWidget>(name)->setVisible(shown);
}

QString StandardDesignerFrame::modulusText() const {
    return newtonUnits_ ? num::text(double(materialModulus_) * kNewtonPerKgf)
                        : num::textSingle(materialModulus_);
}

void StandardDesignerFrame::solveForSwitch() {
    std::vector<int> listOrder;
    for (const DesignerChoice& c : table_.choices)
        listOrder.push_back(c.textId);
    const DesignerChoice* choice = choiceFor(text(QStringLiteral("Combo1")), listOrder);
    if (!choice)
        return;
    setText(QStringLiteral("Label3"), QString::fromLatin1(choice->resultUnit));
    for (const DesignerGroup& g : table_.groups) {
        bool hidden = false;
        for (const char* f : choice->hidden)
            hidden = hidden || qstrcmp(f, g.input.field) == 0;
        showGroup(g, !hidden);
    }
}

void StandardDesignerFrame::materialModulusPick() {
    const double modulus =
        springMaterialModulus(SpringMaterialRows::NoTitanium, text(QStringLiteral("Combo2")), table_.modulus);
    if (modulus != 0)
        materialModulus_ = num::single(modulus);
    // Under N/mm² the field shows the modulus in N/mm², as the unit switch would: a kgf/mm²
    // value there would be taken for N/mm² and give results 9.807 times too small.
    setText(QStringLiteral("Text2"), modulusText());
}

void StandardDesignerFrame::modulusUnitSwitch() {
    const QString unit = text(QStringLiteral("Combo3"));
    if (unit != kNewtonUnit && unit != kKgfUnit)
        return;
    newtonUnits_ = unit == kNewtonUnit;
    // Rewritten from the material's modulus, never rescaled from the field: a typed value goes.
    setText(QStringLiteral("Text2"), modulusText());
    setText(QStringLiteral("Label9"), unit);
    setText(latin(table_.loadUnitLabel), newtonUnits_ ? QStringLiteral("N") : QStringLiteral("Kgf"));
}

void StandardDesignerFrame::calculate() {
    if (isEmpty(QStringLiteral("Text2"))) {
        prompt::inform(this, StringTable::text(1383) + StringTable::text(1375));
        return;
    }
    Quantities q;
    q.modulus = num::single(number(QStringLiteral("Text2")));

    const DesignerChoice* choice = choiceFor(text(QStringLiteral("Combo1")), table_.solveOrder);
    if (!choice)
        return;
    // Only the empty text is missing: a hidden field that still holds text counts as filled.
    std::vector<ui::InputField> required;
    std::vector<ui::In<Quantities>> reads;
    for (const char* f : choice->required) {
        const DesignerGroup& g = group(f);
        required.push_back(g.input);
        reads.push_back({g.input.field, g.quantity});
    }
    if (!ui::requireFilled(this, required))
        return;
    q = ui::read<Quantities>(this, reads, q);

    const float result = table_.solve(choice->target, q);
    // The stored single is widened and rounded on its own value.
    setNumber(QStringLiteral("Text1"), double(result), QString::fromLatin1(choice->pattern));
}

void StandardDesignerFrame::reset() {
    setText(QStringLiteral("Text1"), QString());
    ui::resetFields(this, inputs_);
}

} // namespace standard
