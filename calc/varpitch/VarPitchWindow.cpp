#include "calc/varpitch/VarPitchWindow.h"

#include "common/SpringChecks.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace varpitch {

double shortListModulus(const FormBase* form) {
    return springMaterialModulus(SpringMaterialRows::Short, form->text(QStringLiteral("Combo1")));
}

QWidget* springSketch(FormBase* form, const char* picture, std::initializer_list<ui::SketchLabel> labels) {
    return ui::sketch(form, QStringLiteral(":/pictures/varpitch/") + QString::fromLatin1(picture), 2400, 3600,
                      labels);
}

QWidget* sketchAndDiagram(FormBase* form, const char* picture, const char* p1Label) {
    auto* side = new QWidget(form);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(springSketch(form, picture));
    // The diagram is fixed: only its point labels change, to the loads of the last calculation.
    column->addWidget(
        ui::sketch(side, QStringLiteral(":/pictures/varpitch/load-diagram.svg"), 3000, 2400,
                   {{p1Label, "P1", 700, 1650}, {"Label54", "P3", 1500, 1150}, {"Label55", "P5", 2300, 100}},
                   QStringLiteral("Diagram")));
    column->addStretch();
    return side;
}

void showVerdicts(FormBase* form, const Verdicts& verdicts) {
    if (verdicts.pitchTooLarge)
        form->setText(QStringLiteral("Label58"), StringTable::text(*verdicts.pitchTooLarge ? 2398 : 2399));
    if (verdicts.solidLengthOk)
        form->setText(QStringLiteral("Label53"), springchecks::verdictText(*verdicts.solidLengthOk));
    if (verdicts.shearStressOk)
        form->setText(QStringLiteral("Label13"), springchecks::verdictText(*verdicts.shearStressOk));
}

void resetDiagram(FormBase* form, const char* p1Label) {
    form->setText(QString::fromLatin1(p1Label), QStringLiteral("P1"));
    form->setText(QStringLiteral("Label54"), QStringLiteral("P3"));
    form->setText(QStringLiteral("Label55"), QStringLiteral("P5"));
}

} // namespace varpitch

namespace varpitch {

QWidget* sketchWithContact(FormBase* form, const char* picture) {
    auto* side = new QWidget(form);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(springSketch(form, picture));
    column->addWidget(
        ui::makeLiteral(side, QStringLiteral("Label11"), QStringLiteral("SpireltaSpringV2024")));
    column->addStretch();
    return side;
}

} // namespace varpitch
