#include "common/ui/ArrayCalculator.h"

#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

QString nameOr(const char* given, const char* prefix, const char* box) {
    return given ? QString::fromLatin1(given) : QString::fromLatin1(prefix) + QString::fromLatin1(box);
}

Cell unitCell(const char* name, const char* prefix, const char* box, const char* text, int textId) {
    if (textId)
        return label(nameOr(name, prefix, box), textId);
    return *text ? literal(nameOr(name, prefix, box), QString::fromUtf8(text)) : gap();
}

// The cells of one result row, five columns wide so that rows line up:
// caption | box | unit | note or second box | second unit.
std::vector<Cell> resultCells(const ResultRow& r) {
    std::vector<Cell> cells;
    if (!r.box) {
        cells.push_back(label(QString::fromLatin1(r.caption), r.captionId, 5));
        return cells;
    }
    cells.push_back(r.captionId ? label(QString::fromLatin1(r.caption), r.captionId) : gap());
    cells.push_back(r.verdict ? literal(QString::fromLatin1(r.box), QString::fromUtf8(r.boxText))
                              : result(QString::fromLatin1(r.box)));
    cells.push_back(unitCell(r.unitName, "Unit_", r.box, r.unit, r.unitId));
    if (r.note)
        cells.push_back(literal(QString::fromLatin1(r.note), QString::fromUtf8(r.boxText)));
    else if (r.box2)
        cells.push_back(result(QString::fromLatin1(r.box2)));
    else
        cells.push_back(gap());
    cells.push_back(r.box2 ? unitCell(r.unit2Name, "Unit_", r.box2, r.unit2, r.unit2Id) : gap());
    return cells;
}

// An area: a frame with its caption, or a plain widget under a heading label.
QWidget* area(FormBase* form, QVBoxLayout* column, const char* heading, int headingId,
              const char* frameName) {
    if (!heading) {
        QGroupBox* frame = makeFrame(form, QString::fromLatin1(frameName), headingId);
        column->addWidget(frame);
        return frame;
    }
    column->addWidget(makeLabel(form, QString::fromLatin1(heading), headingId));
    auto* plain = new QWidget(form);
    column->addWidget(plain);
    return plain;
}

} // namespace

void buildArrayCalculator(FormBase* form, const ArrayCalculatorLayout& layout,
                          std::function<void()> calculate, std::function<void()> reset) {
    form->setWindowTitle(StringTable::text(layout.captionId));
    auto* page = new QHBoxLayout(form);
    auto* column = new QVBoxLayout;
    page->addLayout(column);

    QWidget* inputs = area(form, column, layout.inputHeading, 1366, "Frame1");
    std::vector<std::vector<Cell>> rows;
    rows.push_back({label(QString::fromLatin1(layout.materialCaption), 1375),
                    combo(QStringLiteral("Combo1"), layout.materials)});
    for (std::vector<Cell>& row : inputRows(layout.inputs, layout.inputMarks)) {
        if (layout.extraLabel && row[1].name == QLatin1String(layout.extraLabelBeside))
            row.push_back(label(QString::fromLatin1(layout.extraLabel), layout.extraLabelId));
        rows.push_back(std::move(row));
    }
    grid(inputs, rows);

    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    for (const auto& [name, textId] : {std::pair{"Command1", 1357}, std::pair{layout.resetButton, 1321},
                                       std::pair{layout.exitButton, 1315}})
        buttons->addWidget(makeButton(form, QString::fromLatin1(name), textId));

    QWidget* results = area(form, column, layout.resultHeading, layout.resultHeadingId, "Frame2");
    std::vector<std::vector<Cell>> resultGrid;
    const int columns = std::max(1, layout.resultColumns);
    for (std::size_t i = 0; i < layout.results.size(); ++i) {
        if (i % columns == 0)
            resultGrid.emplace_back();
        const std::vector<Cell> cells = resultCells(layout.results[i]);
        resultGrid.back().insert(resultGrid.back().end(), cells.begin(), cells.end());
    }
    grid(results, resultGrid);
    column->addStretch();

    if (layout.side)
        page->addWidget(layout.side, 0, Qt::AlignTop);

    if (auto* list = form->findChild<QComboBox*>(QStringLiteral("Combo1")))
        list->setCurrentIndex(0);
    form->attachInputArray(QStringLiteral("Text1"));
    if (layout.focusFirstField)
        form->setFirstField(form->field(QStringLiteral("Text1_0")));
    form->setDefaultButton(form->button(QStringLiteral("Command1")));
    form->onClick(QStringLiteral("Command1"), std::move(calculate));
    form->onClick(QString::fromLatin1(layout.resetButton), std::move(reset));
    form->onClick(QString::fromLatin1(layout.exitButton), [form] { form->close(); });
    form->declare(fieldNames(layout.inputs));
}

} // namespace ui
