#include "calc/wizards/StepLayout.h"

#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormRegistry.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wizardsteps {

std::vector<std::vector<ui::Cell>> boxRows(std::span<const BoxRow> rows) {
    std::vector<std::vector<ui::Cell>> cells;
    for (const BoxRow& r : rows) {
        std::vector<ui::Cell> row;
        row.push_back(ui::label(QString::fromLatin1(r.caption), r.captionId));
        const QString box = QString::fromLatin1(r.box);
        const QString text = QString::fromUtf8(r.defaultText);
        row.push_back(r.output ? ui::result(box, text) : ui::edit(box, text));
        if (!r.unit)
            row.push_back(ui::gap());
        else if (r.unitId)
            row.push_back(ui::label(QString::fromLatin1(r.unit), r.unitId));
        else
            row.push_back(ui::literal(QString::fromLatin1(r.unit), QString::fromUtf8(r.unitText)));
        cells.push_back(std::move(row));
    }
    return cells;
}

QStringList boxNames(std::span<const BoxRow> rows) {
    QStringList names;
    for (const BoxRow& r : rows)
        names << QString::fromLatin1(r.box);
    return names;
}

void tintOutputs(FormBase* form, std::span<const BoxRow> rows) {
    for (const BoxRow& r : rows) {
        if (!r.output)
            continue;
        QLineEdit* box = form->field(QString::fromLatin1(r.box));
        box->setReadOnly(true);
        box->setStyleSheet(QStringLiteral("background-color: rgb(192, 192, 255);"));
    }
}

float readSingle(const FormBase* form, const QString& name) {
    return num::single(num::strictOrFault(form->text(name)));
}

bool readDimensions(FormBase* form, const QString& materialName, Dimensions into) {
    for (const char* box : {"Text2_0", "Text2_1", "Text2_2"}) {
        if (form->isEmpty(QString::fromLatin1(box)))
            return false;
    }
    form->setText(QStringLiteral("Text1"), materialName);
    into.wireDia = readSingle(form, QStringLiteral("Text2_0"));
    into.meanDia = readSingle(form, QStringLiteral("Text2_1"));
    into.activeCoils = readSingle(form, QStringLiteral("Text2_2"));
    return true;
}

DesignFrame beginDesignFrame(FormBase* form) {
    auto* frame1 = ui::makeFrame(form, QStringLiteral("Frame1"), 1984);
    auto* inner = new QVBoxLayout(frame1);
    auto* material = new QHBoxLayout;
    material->addWidget(ui::makeLabel(frame1, QStringLiteral("Label1"), 1375));
    material->addWidget(ui::makeEdit(frame1, QStringLiteral("Text1")), 1);
    form->field(QStringLiteral("Text1"))->setReadOnly(true);
    inner->addLayout(material);
    return {frame1, inner};
}

QVBoxLayout* finishDesignStep(FormBase* form, const DesignFrame& frame1, std::span<const BoxRow> dimensions,
                              std::span<const BoxRow> rates, const char* const (&subCalculators)[3]) {
    auto* boxes = new QWidget(frame1.frame);
    ui::grid(boxes, boxRows(dimensions));
    auto* buttons = new QVBoxLayout;
    for (auto [name, id] : {std::pair{"Command3", 1987}, {"Command4", 1986}, {"Command5", 1985}})
        buttons->addWidget(ui::makeButton(frame1.frame, QString::fromLatin1(name), id));
    auto* row = new QHBoxLayout;
    row->addWidget(boxes);
    row->addLayout(buttons);
    frame1.inner->addLayout(row);
    QLabel* note = ui::makeLabel(frame1.frame, QStringLiteral("Label3"), 1988);
    note->setWordWrap(true);
    frame1.inner->addWidget(note);

    auto* frame2 = ui::makeFrame(form, QStringLiteral("Frame2"), 1980);
    ui::grid(frame2, boxRows(rates));
    tintOutputs(form, rates);
    auto* page = new QVBoxLayout(form);
    page->addWidget(frame1.frame);
    page->addWidget(frame2);

    const char* const buttonNames[] = {"Command3", "Command4", "Command5"};
    for (int i = 0; i < 3; ++i)
        QObject::connect(form->button(QString::fromLatin1(buttonNames[i])), &QPushButton::clicked, form,
                         [w = QString::fromLatin1(subCalculators[i])] { FormRegistry::show(w); });
    return page;
}

std::vector<std::vector<ui::Cell>> deflectionRows() {
    const QString mm = QStringLiteral("mm");
    const QString newton = QStringLiteral("N");
    return {
        {ui::label("Label1_0", 2018), ui::result("Text1_0"), ui::literal("Unit_Text1_0", mm)},
        {ui::label("Label1_1", 2017), ui::result("Text1_1"), ui::literal("Unit_Text1_1", mm)},
        {ui::label("Label1_2", 2016), ui::result("Text1_2"), ui::literal("Unit_Text1_2", mm)},
        {ui::label("Label1_3", 2015), ui::result("Text1_3"), ui::literal("Unit_Text1_3", newton)},
        {ui::literal("Label1_4", QStringLiteral("f1/fs:")), ui::result("Text1_4"),
         ui::colored(ui::literal("Label2_4", {}), "blue")},
        {ui::literal("Label1_5", QStringLiteral("f2/fs:")), ui::result("Text1_5"),
         ui::colored(ui::literal("Label2_5", {}), "blue")},
    };
}

std::vector<std::vector<ui::Cell>> stressRows() {
    const QString mpa = QStringLiteral("Mpa");
    return {
        {ui::label("Label1_6", 2005), ui::result("Text1_6"), ui::literal("Unit_Text1_6", mpa)},
        {ui::label("Label1_7", 2004), ui::result("Text1_7"), ui::literal("Unit_Text1_7", mpa)},
        {ui::label("Label1_12", 2003), ui::result("Text1_8"), ui::gap()},
        {ui::literal("Label1_13", QStringLiteral("zmax/6b:")), ui::result("Text1_12"), ui::gap()},
        {ui::colored(ui::literal("Label5", {}, 3), "blue")},
    };
}

void showFatigueVerdict(FormBase* form, bool ok) {
    QLabel* fatigue = form->label(QStringLiteral("Label5"));
    QFont font = fatigue->font();
    font.setFamily(StringTable::text(1353));
    fatigue->setFont(font);
    form->setText(QStringLiteral("Label5"), StringTable::text(ok ? 2332 : 2333));
}

} // namespace wizardsteps
