#include "common/ui/DesignWizard.h"

#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kArrow = QStringLiteral(":/pictures/wizards/arrow_down.svg");

QString commandName(int step) {
    return QStringLiteral("Command%1").arg(step);
}
QString imageName(int step) {
    return QStringLiteral("Image%1").arg(step);
}

} // namespace

DesignWizard::DesignWizard(const QString& className, const Captions& captions, const QStringList& stepWindows)
    : FormBase(className), stepWindows_(stepWindows) {
    setWindowTitle(StringTable::text(captions.window));

    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame1"), captions.frame);
    auto* column = new QVBoxLayout(frame);
    for (int step = 1; step <= kSteps + 1; ++step) {
        QPushButton* b =
            ui::makeButton(frame, commandName(step), captions.steps[static_cast<std::size_t>(step - 1)]);
        b->setMinimumWidth(ui::twips(1800));
        column->addWidget(b);
        if (step <= kSteps) {
            QLabel* arrow = ui::makePicture(frame, imageName(step), kArrow);
            arrow->setFixedSize(15, 17);
            column->addWidget(arrow, 0, Qt::AlignHCenter);
            // The arrow keeps its place while hidden, so the buttons never move.
            QSizePolicy keep = arrow->sizePolicy();
            keep.setRetainSizeWhenHidden(true);
            arrow->setSizePolicy(keep);
        }
        if (step > 1) {
            QSizePolicy keep = b->sizePolicy();
            keep.setRetainSizeWhenHidden(true);
            b->setSizePolicy(keep);
        }
    }
    column->addStretch();

    box_ = new QPlainTextEdit(this);
    box_->setObjectName(QStringLiteral("Text1"));
    box_->setReadOnly(true);
    box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box_->setMinimumSize(ui::twips(6000), ui::twips(5000));
    QFont font = box_->font();
    font.setFamily(StringTable::text(captions.reportFont));
    box_->setFont(font);

    auto* page = new QHBoxLayout(this);
    page->addWidget(frame);
    page->addWidget(box_, 1);

    offer(0);
    setReport(StringTable::text(captions.initialReport));

    connect(button(commandName(1)), &QPushButton::clicked, this,
            [this] { FormRegistry::show(stepWindows_.value(0)); });
    for (int step = 2; step <= kSteps; ++step)
        connect(button(commandName(step)), &QPushButton::clicked, this, [this, step] { openStep(step); });
    onClick(commandName(kSteps + 1), [this] { finish(); });
}

void DesignWizard::setReport(const QString& report) {
    report_ = report;
    QString shown = report;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box_->setPlainText(shown);
}

void DesignWizard::openStep(int step) {
    FormRegistry::show(stepWindows_.value(step - 1));
    // Steps after this one are withdrawn: they are to be gone through again, each rebuilding
    // its section from the one before.
    for (int later = step + 1; later <= kSteps + 1; ++later)
        button(commandName(later))->setVisible(false);
    for (int arrow = step; arrow <= kSteps; ++arrow)
        label(imageName(arrow))->setVisible(false);
}

void DesignWizard::offer(int lastConfirmedStep) {
    for (int step = 2; step <= kSteps + 1; ++step)
        button(commandName(step))->setVisible(step <= lastConfirmedStep + 1);
    for (int arrow = 1; arrow <= kSteps; ++arrow)
        label(imageName(arrow))->setVisible(arrow <= lastConfirmedStep);
}

void DesignWizard::confirmToHub(const QString& hubClass, int step, const QString& report) {
    auto* hub = qobject_cast<DesignWizard*>(FormRegistry::load(hubClass));
    if (!hub)
        return;
    hub->setReport(report);
    hub->button(commandName(step + 1))->setVisible(true);
    hub->label(imageName(step))->setVisible(true);
    for (int later = step + 2; later <= kSteps + 1; ++later)
        hub->button(commandName(later))->setVisible(false);
    for (int arrow = step + 1; arrow <= kSteps; ++arrow)
        hub->label(imageName(arrow))->setVisible(false);
}

bool DesignWizard::stepOffered(int step) const {
    return !button(commandName(step))->isHidden();
}

bool DesignWizard::arrowShown(int step) const {
    return !label(imageName(step))->isHidden();
}
