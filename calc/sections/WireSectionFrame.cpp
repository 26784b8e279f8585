#include "calc/sections/WireSectionFrame.h"

#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace wiresection {
namespace {

QString latin(const char* s) {
    return QString::fromLatin1(s);
}

QString nameOr(const char* given, const char* box) {
    return given ? latin(given) : QStringLiteral("Unit_") + latin(box);
}

ui::Cell redIf(ui::Cell cell, bool red) {
    return red ? ui::colored(std::move(cell), QStringLiteral("red")) : cell;
}

ui::Cell unitCell(const char* name, const char* box, const char* text, bool red) {
    return *text ? redIf(ui::literal(nameOr(name, box), QString::fromUtf8(text)), red) : ui::gap();
}

std::vector<ui::Cell> resultCells(const ResultField& r) {
    std::vector<ui::Cell> cells;
    if (!r.box)
        return {ui::gap(5)};
    if (r.captionId)
        cells.push_back(redIf(ui::label(latin(r.caption), r.captionId), r.red));
    else if (r.captionText)
        cells.push_back(redIf(ui::literal(latin(r.caption), QString::fromUtf8(r.captionText)), r.red));
    else
        cells.push_back(ui::gap());
    cells.push_back(ui::edit(latin(r.box)));
    cells.push_back(r.unitId ? redIf(ui::label(nameOr(r.unitName, r.box), r.unitId), r.red)
                             : unitCell(r.unitName, r.box, r.unit, r.red));
    cells.push_back(r.box2 ? ui::edit(latin(r.box2)) : ui::gap());
    cells.push_back(r.box2 ? unitCell(r.unit2Name, r.box2, r.unit2, false) : ui::gap());
    return cells;
}

std::vector<std::vector<ui::Cell>> inputCells(const Layout& layout) {
    std::vector<std::vector<ui::Cell>> rows;
    rows.push_back({ui::label(latin(layout.materialLabel), layout.materialLabelId),
                    ui::combo(QStringLiteral("Combo1"), layout.materials)});
    for (std::vector<ui::Cell>& row : ui::inputRows(layout.inputs, false)) {
        for (const Hint& h : layout.hints)
            if (row[1].name == latin(h.besideField))
                row.push_back(redIf(ui::label(latin(h.name), h.textId), h.red));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::vector<ui::Cell>> resultGrid(const Layout& layout) {
    std::vector<std::vector<ui::Cell>> rows;
    const int columns = std::max(1, layout.resultColumns);
    for (std::size_t i = 0; i < layout.results.size(); ++i) {
        if (i % columns == 0)
            rows.emplace_back();
        const std::vector<ui::Cell> cells = resultCells(layout.results[i]);
        rows.back().insert(rows.back().end(), cells.begin(), cells.end());
    }
    return rows;
}

} // namespace

void build(FormBase* form, const Layout& layout, std::function<void()> calculate,
           std::function<void()> reset) {
    form->setWindowTitle(StringTable::text(layout.captionId));
    if (layout.fixedSize)
        form->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* page = new QHBoxLayout(form);
    auto* column = new QVBoxLayout;
    page->addLayout(column);

    const bool oneFrame = layout.inputFrameId == 0;
    QGroupBox* inputs = ui::makeFrame(form, QStringLiteral("Frame1"), layout.inputFrameId);
    column->addWidget(inputs);
    auto* inside = new QVBoxLayout(inputs);
    ui::grid(inputs, inputCells(layout));

    auto* buttons = new QHBoxLayout;
    for (const auto& [name, textId] : {std::pair{"Command1", 1357}, std::pair{"Command2", 1321}})
        buttons->addWidget(ui::makeButton(form, latin(name), textId));
    if (layout.exitButton)
        buttons->addWidget(ui::makeButton(form, latin(layout.exitButton), 1315));
    QWidget* results = inputs;
    if (oneFrame) {
        inside->addLayout(buttons);
    } else {
        column->addLayout(buttons);
        results = ui::makeFrame(form, QStringLiteral("Frame2"), layout.resultFrameId);
        column->addWidget(results);
    }
    ui::grid(results, resultGrid(layout));
    column->addStretch();
    if (layout.side)
        page->addWidget(layout.side, 0, Qt::AlignTop);

    form->comboBox(QStringLiteral("Combo1"))->setCurrentIndex(0);
    form->attachInputArray(QStringLiteral("Text1"));
    if (layout.focusFirstField)
        form->setFirstField(form->field(QStringLiteral("Text1_0")));
    if (!layout.tabOrder.empty()) {
        QWidget* previous = nullptr;
        for (const char* name : layout.tabOrder) {
            QWidget* next = form->control(latin(name));
            if (previous)
                QWidget::setTabOrder(previous, next);
            previous = next;
        }
        form->control(latin(layout.tabOrder.front()))->setFocus();
    }
    form->setDefaultButton(form->button(QStringLiteral("Command1")));
    form->onClick(QStringLiteral("Command1"), std::move(calculate));
    form->onClick(QStringLiteral("Command2"), std::move(reset));
    if (layout.exitButton)
        form->onClick(latin(layout.exitButton), [form] { form->close(); });
    form->declare(ui::fieldNames(layout.inputs));
    if (layout.fixedSize)
        centre(form);
}

QWidget* picture(FormBase* form, const char* file, const char* name) {
    return ui::makePicture(form, latin(name), QStringLiteral(":/pictures/sections/") + latin(file), 260);
}

void centre(FormBase* form) {
    form->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), form->frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        form->move(frame.topLeft());
    }
}

} // namespace wiresection
