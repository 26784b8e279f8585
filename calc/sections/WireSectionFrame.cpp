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

std::vector<std::vector<ui::Cell>> inputCells(const Layout& layout) {
    std::vector<std::vector<ui::Cell>> rows;
    rows.push_back({ui::label(latin(layout.materialLabel), layout.materialLabelId),
                    ui::combo(QStringLiteral("Combo1"), layout.materials)});
    for (std::vector<ui::Cell>& row : ui::inputRows(layout.inputs, false)) {
        for (const Hint& h : layout.hints)
            if (row[1].name == latin(h.besideField)) {
                const ui::Cell hint = ui::label(latin(h.name), h.textId);
                row.push_back(h.red ? ui::colored(hint, QStringLiteral("red")) : hint);
            }
        rows.push_back(std::move(row));
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
    ui::grid(results, ui::resultGrid(layout.results, layout.resultColumns, ui::ResultBoxes::Editable));
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
