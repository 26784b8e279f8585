#include "calc/normal/HeatTreatmentForm.h"

#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"

#include <QComboBox>
#include <QVBoxLayout>

HeatTreatmentForm::HeatTreatmentForm(const QString& className, int captionId, HeatTreatmentTable table)
    : FormBase(className), table_(table) {
    setWindowTitle(StringTable::text(captionId));
    auto* layout = new QVBoxLayout(this);
    ui::grid(
        this,
        {
            {ui::label("Label1_0", 1544, 3)},
            {ui::combo("Combo1", {StringTable::text(1336), StringTable::text(1338), StringTable::text(1036)}),
             ui::gap(2)},
            {ui::label("Label1_1", 1545, 3)},
            {ui::label("Label1_2", 1333), ui::edit("Text1_0"), ui::literal("Label1_5", "mm")},
            {ui::label("Label1_3", 1332), ui::edit("Text1_1"), ui::literal("Label1_6", "mm")},
            {ui::label("Label1_4", 1331), ui::edit("Text1_2"), ui::literal("Label1_7", "T")},
            {ui::gap(), ui::button("Command1", 1543)},
            {ui::label("Label1_8", 1546), ui::result("Text2_0"), ui::literal("Label1_12", {})},
            {ui::label("Label1_9", 1547), ui::result("Text2_1"), ui::literal("Label1_13", "mm")},
            {ui::label("Label1_10", 1548), ui::result("Text2_2"), ui::literal("Label1_14", "T")},
            {ui::label("Label1_11", 1549), ui::result("Text2_3"), ui::literal("Label1_15", {})},
        });
    layout->addStretch();
    setText(QStringLiteral("Label1_12"), QStringLiteral("℃"));
    setText(QStringLiteral("Label1_15"), QStringLiteral("°"));
    attachInputArray(QStringLiteral("Text1"));
    onClick(QStringLiteral("Command1"), [this] { confirm(); });
}

HeatTreatedWire HeatTreatmentForm::wire() const {
    const QString material = text(QStringLiteral("Combo1"));
    if (material == StringTable::text(1338))
        return HeatTreatedWire::Sus304;
    if (material == StringTable::text(1336))
        return HeatTreatedWire::Swc;
    if (material == StringTable::text(1036))
        return HeatTreatedWire::Swic;
    return HeatTreatedWire::Other;
}

void HeatTreatmentForm::confirm() {
    const float d = num::single(num::strictOrFault(text(QStringLiteral("Text1_0"))));
    const float D = num::single(num::strictOrFault(text(QStringLiteral("Text1_1"))));
    const float n = num::single(num::strictOrFault(text(QStringLiteral("Text1_2"))));
    const HeatTreatmentEstimate e = estimateHeatTreatment(table_, wire(), d, D, n);
    setSingle(QStringLiteral("Text2_0"), e.temperature);
    setSingle(QStringLiteral("Text2_1"), e.diameterChange, u"0.000");
    setSingle(QStringLiteral("Text2_2"), e.machineCoils, u"0.00");
    setSingle(QStringLiteral("Text2_3"), e.angleChange, u"0.00");
}
