#include "calc/noncoil/StripWindowLayout.h"

#include "common/StringTable.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace stripwin {
namespace {

std::vector<std::vector<ui::Cell>> listRows(const std::vector<ListRow>& lists) {
    std::vector<std::vector<ui::Cell>> rows;
    for (const ListRow& l : lists) {
        const QString name = l.captionName ? QString::fromLatin1(l.captionName)
                                           : QStringLiteral("Caption_") + QString::fromLatin1(l.combo);
        rows.push_back({l.captionId ? ui::label(name, l.captionId)
                                    : ui::literal(name, QString::fromUtf8(l.fixedCaption)),
                        ui::combo(QString::fromLatin1(l.combo), l.items), ui::gap()});
    }
    return rows;
}

std::vector<std::vector<ui::Cell>> fieldRows(ui::InputFields fields, const Layout& layout) {
    std::vector<std::vector<ui::Cell>> rows;
    for (const ui::InputField& f : fields) {
        const QString name = QString::fromLatin1(f.field);
        std::vector<ui::Cell> cells;
        cells.push_back(ui::edit(name, QString::fromUtf8(f.defaultText)));
        cells.push_back(*f.unit ? ui::literal(f.unitLabelName(), QString::fromUtf8(f.unit)) : ui::gap());
        const bool joins = std::any_of(layout.sameRow.begin(), layout.sameRow.end(),
                                       [&](const char* n) { return name == QLatin1String(n); });
        if (joins && !rows.empty()) {
            rows.back().insert(rows.back().end(), cells.begin(), cells.end());
            continue;
        }
        ui::Cell caption = ui::gap();
        if (f.captionId) {
            caption = ui::label(f.captionName(), f.captionId);
        } else {
            for (const auto& [label, text] : layout.fixedCaptions)
                if (f.captionName() == QLatin1String(label))
                    caption = ui::literal(f.captionName(), QString::fromUtf8(text));
        }
        cells.insert(cells.begin(), caption);
        rows.push_back(std::move(cells));
    }
    return rows;
}

QWidget* area(QWidget* parent, const QString& frameName, int frameId, bool framed) {
    if (framed)
        return ui::addFrame(parent, frameName, frameId);
    auto* w = new QWidget(parent);
    ui::column(w);
    parent->layout()->addWidget(w);
    return w;
}

} // namespace

void build(FormBase* form, const Layout& layout) {
    form->setWindowTitle(StringTable::text(layout.titleId));
    auto* top = new QHBoxLayout(form);
    auto* left = new QWidget(form);
    ui::column(left);
    top->addWidget(left);

    QWidget* inputs = area(left, QStringLiteral("Frame1"), 1366, layout.frames);
    if (!layout.listsBefore.empty())
        ui::grid(inputs, listRows(layout.listsBefore));
    ui::grid(inputs, fieldRows(layout.inputs, layout));
    if (!layout.listsAfter.empty())
        ui::grid(inputs, listRows(layout.listsAfter));
    if (layout.hintId)
        ui::grid(inputs, {{ui::label(QStringLiteral("Label2"), layout.hintId)}});

    std::vector<ui::Cell> buttons;
    for (const auto& [name, textId] : layout.buttons)
        buttons.push_back(ui::button(QString::fromLatin1(name), textId));

    QWidget* results = area(left, QStringLiteral("Frame2"), 1812, layout.frames);
    auto* columns = new QWidget(results);
    auto* columnsLayout = new QHBoxLayout(columns);
    columnsLayout->setContentsMargins(0, 0, 0, 0);
    auto* first = new QWidget(columns);
    ui::grid(first, fieldRows(layout.results, layout));
    columnsLayout->addWidget(first);
    if (!layout.results2.empty()) {
        auto* second = new QWidget(columns);
        ui::grid(second, fieldRows(layout.results2, layout));
        columnsLayout->addWidget(second);
    }
    results->layout()->addWidget(columns);
    // The drum-spring windows keep their buttons in the results frame, the others under the inputs.
    ui::grid(layout.frames ? results : inputs, std::vector<std::vector<ui::Cell>>{buttons});
    if (layout.noteId) {
        QLabel* note = ui::makeLabel(results, QStringLiteral("Label1_22"), layout.noteId);
        note->setWordWrap(true);
        results->layout()->addWidget(note);
    }

    if (layout.picture)
        top->addWidget(
            ui::makePicture(form, QStringLiteral("Image1"), QString::fromLatin1(layout.picture), 260), 0,
            Qt::AlignTop);
}

void wire(FormBase* form, Wiring wiring) {
    form->attachInputArray(QStringLiteral("Text1"), wiring.down);
    form->setDefaultButton(form->button(QStringLiteral("Command1")));
    ui::setTabOrder(form, wiring.tabOrder);
    if (wiring.firstField)
        form->setFirstField(form->field(QString::fromLatin1(wiring.firstField)));
    else
        form->control(wiring.tabOrder.first())->setFocus();
    form->onClick(QStringLiteral("Command1"), std::move(wiring.calculate));
    if (!wiring.reset) {
        wiring.reset = [form] {
            for (QLineEdit* box : form->inputArray(QStringLiteral("Text1")))
                box->clear();
        };
    }
    form->onClick(QStringLiteral("Command2"), std::move(wiring.reset));
    if (wiring.exitButton)
        form->onClick(QStringLiteral("Command3"), [form] { form->close(); });
}

} // namespace stripwin
