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
    grid(results, resultGrid(layout.results, layout.resultColumns));
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
