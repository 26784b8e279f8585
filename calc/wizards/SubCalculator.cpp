#include "calc/wizards/SubCalculator.h"

#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SubCalculator::SubCalculator(const QString& className, int captionId, int frameCaptionId,
                             std::span<const wizardsteps::BoxRow> rows, WriteBack writeBack)
    : FormBase(className), writeBack_(std::move(writeBack)) {
    setWindowTitle(StringTable::text(captionId));
    auto* frame = ui::makeFrame(this, QStringLiteral("Frame1"), frameCaptionId);
    inner_ = new QVBoxLayout(frame);
    auto* rowsWidget = new QWidget(frame);
    ui::grid(rowsWidget, wizardsteps::boxRows(rows));
    inner_->addWidget(rowsWidget);
    frame_ = frame;
    wizardsteps::tintOutputs(this, rows);
    declare(wizardsteps::boxNames(rows));

    auto* page = new QVBoxLayout(this);
    page->addWidget(frame);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ui::makeButton(this, QStringLiteral("Command1"), 1543));
    buttons->addWidget(ui::makeButton(this, QStringLiteral("Command2"), 1783));
    page->addLayout(buttons);
    connect(button(QStringLiteral("Command1")), &QPushButton::clicked, this, [this] {
        FormRegistry::writeText(writeBack_.targetWindow, writeBack_.targetField, proposal());
        close();
    });
    connect(button(QStringLiteral("Command2")), &QPushButton::clicked, this, [this] { close(); });
}

QComboBox* SubCalculator::addSeries(int captionId, const QStringList& entries, const QString& formula) {
    auto* row = new QHBoxLayout;
    row->addWidget(ui::makeLabel(frame_, QStringLiteral("Label1_5"), captionId));
    QComboBox* combo = ui::makeCombo(frame_, QStringLiteral("Combo1"), entries);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    row->addWidget(combo, 1);
    inner_->addLayout(row);
    if (!formula.isEmpty())
        inner_->addWidget(ui::makePicture(frame_, QStringLiteral("Picture1"), formula));
    return combo;
}

QString SubCalculator::proposal() const {
    return text(writeBack_.source);
}
