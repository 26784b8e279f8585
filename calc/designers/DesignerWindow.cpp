#include "calc/designers/DesignerWindow.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "platform/ExcelWorkbookOpener.h"
#include "platform/WindowCommands.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace designer {

QVBoxLayout* DesignerForm::startPage(QWidget* parent, int titleId, QGroupBox* inputs) {
    setWindowTitle(StringTable::text(titleId));
    auto* column = new QVBoxLayout(parent);
    column->addWidget(inputs);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("CommandRow"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (const auto& [name, textId] : {std::pair{"Command1", 1357},
                                       {"Command4", 1321},
                                       {"Command5", 1358},
                                       {"Command2", 1359},
                                       {"Command3", 1406},
                                       {"Command8", 1315}})
        row->addWidget(ui::makeButton(bar, QString::fromLatin1(name), textId));
    column->addWidget(bar);

    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command4"), [this] { reset(); });
    onClick(QStringLiteral("Command5"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command2"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command3"),
            [this] { report::saveAs(this, report::designReportText(designReport())); });
    onClick(QStringLiteral("Command8"), [this] { close(); });

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    return column;
}

QGroupBox* inputFrame(FormBase* form, std::vector<std::vector<ui::Cell>> rows, QWidget* sketch,
                      const char* arrowNote) {
    QGroupBox* frame = ui::makeFrame(form, QStringLiteral("Frame1"), 1366);
    auto* row = new QHBoxLayout(frame);
    auto* left = new QWidget(frame);
    row->addWidget(left, 0, Qt::AlignTop);
    if (arrowNote)
        rows.push_back({ui::label(QString::fromLatin1(arrowNote), 1935, 4)});
    ui::grid(left, rows);
    if (arrowNote)
        form->label(QString::fromLatin1(arrowNote))->setWordWrap(true);
    for (QLineEdit* input : form->inputArray(QStringLiteral("Text1")))
        input->setFixedWidth(ui::twips(855));
    row->addWidget(sketch, 0, Qt::AlignTop);
    return frame;
}

QGroupBox* resultFrame(FormBase* form, std::initializer_list<std::vector<ui::Cell>> rows, int boxTwips) {
    QGroupBox* frame = ui::makeFrame(form, QStringLiteral("Frame2"), 1936);
    ui::grid(frame, rows);
    for (QLineEdit* box : frame->findChildren<QLineEdit*>())
        box->setFixedWidth(ui::twips(boxTwips));
    return frame;
}

ui::Cell query(const char* name) {
    return ui::colored(ui::label(QString::fromLatin1(name), 2149), QStringLiteral("#0000ff"));
}

std::optional<float> chosenWireDiameter(const FormBase* form, const char* box) {
    const QString name = QString::fromLatin1(box);
    if (form->isEmpty(name))
        return std::nullopt;
    return num::single(num::strictOrFault(form->text(name)));
}

void showEchoes(FormBase* form, std::span<const Echo> echoes) {
    for (const Echo& e : echoes)
        form->setText(QString::fromLatin1(e.label),
                      form->text(QString::fromLatin1(e.box)) + QString::fromUtf8(e.suffix));
}

QStringList reportLines(const FormBase* form, std::span<const Line> lines) {
    QStringList texts;
    for (const Line& l : lines)
        texts.append(form->text(QString::fromLatin1(l.caption)) + form->text(QString::fromLatin1(l.box)) +
                     (l.unitLabel ? form->text(QString::fromLatin1(l.unitLabel)) : QString()) +
                     QString::fromUtf8(l.suffix));
    return texts;
}

QStringList inputLines(const FormBase* form, ui::InputFields inputs) {
    QStringList texts;
    for (const ui::InputField& f : inputs)
        texts.append(form->text(f.captionName()) + form->text(QString::fromLatin1(f.field)) +
                     (*f.unit ? form->text(f.unitLabelName()) : QString()));
    return texts;
}

void declareNames(FormBase* form, ui::InputFields inputs, std::span<const Echo> echoes,
                  std::span<const Line> report, QStringList more) {
    for (const ui::InputField& f : inputs) {
        more << QString::fromLatin1(f.field) << f.captionName();
        if (*f.unit)
            more << f.unitLabelName();
    }
    for (const Echo& e : echoes)
        more << QString::fromLatin1(e.label) << QString::fromLatin1(e.box);
    for (const Line& l : report) {
        more << QString::fromLatin1(l.caption) << QString::fromLatin1(l.box);
        if (l.unitLabel)
            more << QString::fromLatin1(l.unitLabel);
    }
    form->declare(more);
}

void clearInputsAndResults(FormBase* form, ui::InputFields inputs, const QStringList& boxes) {
    ui::resetFields(form, inputs);
    form->clearFields(boxes);
}

void redTexts(FormBase* form, std::initializer_list<const char*> boxes) {
    for (const char* box : boxes)
        form->field(QString::fromLatin1(box))->setStyleSheet(QStringLiteral("color: #ff0000"));
}

void setHints(FormBase* form, std::initializer_list<std::pair<const char*, const char*>> hints) {
    for (const auto& [name, hint] : hints)
        form->control<QWidget>(QString::fromLatin1(name))->setToolTip(QString::fromUtf8(hint));
}

void markChoiceBox(QWidget* box) {
    box->setStyleSheet(QStringLiteral("QLineEdit { background: rgb(255, 128, 128); color: #0000ff }"));
}

void attachTensileStrengthViewers(FormBase* form) {
    // Every item, the unit labels of the array included: the item's index is not looked at.
    const QRegularExpression item(QStringLiteral("^Label23_\\d+$"));
    for (QLabel* label : form->findChildren<QLabel*>(item))
        ExcelWorkbookOpener::attachViewer(label, QStringLiteral("/klqd.xls"));
}

} // namespace designer
