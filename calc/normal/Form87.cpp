#include "calc/normal/Form87.h"

#include "calc/normal/PassRate.h"
#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QStringList kInputs = {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4",
                             "Text1_5", "Text1_6", "Text1_7", "Text1_8"};
const QString kRed = QStringLiteral("#ff0000");

} // namespace

QStringList Form87::materialNames() {
    // String-table grades with three of the grade literals among them, then four more literals.
    const QList<QVariant> order = {1384,     1337, 1385,     1386,   1336,        "65Mn",     "60Si2MnA",
                                   "55CrSi", 1387, 1388,     1338,   1389,        1390,       1391,
                                   1392,     1393, "50CrVA", "17-7", "65Si2MnWA", "60Si2CrVA"};
    QStringList names;
    for (const QVariant& entry : order)
        names << (entry.typeId() == QMetaType::Int ? StringTable::text(entry.toInt()) : entry.toString());
    return names;
}

Form87::Form87() : FormBase(QStringLiteral("Form87")) {
    setWindowTitle(StringTable::text(1087));
    auto* layout = new QVBoxLayout(this);

    QGroupBox* input = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    ui::grid(input, {
                        {ui::label("Label1", 1646), ui::combo("Combo1", materialNames()), ui::gap(4)},
                        {ui::label("Label2", 1815), ui::edit("Text1_0"), ui::literal("Label3", "mm")},
                        {ui::label("Label4_0", 1926), ui::edit("Text1_1"), ui::literal("Label5_0", "T"),
                         ui::label("Label4_1", 1929), ui::edit("Text1_2"), ui::literal("Label5_1", "T")},
                        {ui::label("Label6_1", 1927), ui::edit("Text1_3"), ui::literal("Label7_1", "mm"),
                         ui::label("Label6_2", 1928), ui::edit("Text1_4"), ui::literal("Label7_2", "mm")},
                        {ui::label("Label6_0", 1925), ui::edit("Text1_5"), ui::literal("Label7_0", "mm"),
                         ui::label("Label6_6", 1930), ui::edit("Text1_6"), ui::literal("Label7_6", "mm")},
                        {ui::label("Label6_7", 1931), ui::edit("Text1_7"), ui::literal("Label7_7", "mm"),
                         ui::label("Label6_8", 1922), ui::edit("Text1_8"), ui::literal("Label7_8", "kgf")},
                    });
    layout->addWidget(input);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ui::makeButton(this, QStringLiteral("Command1"), 1357));
    buttons->addWidget(ui::makeButton(this, QStringLiteral("Command2"), 1321));
    layout->addLayout(buttons);

    QGroupBox* results = ui::makeFrame(this, QStringLiteral("Frame2"), 1812);
    ui::grid(results,
             {
                 {ui::label("Label6_3", 1932), ui::result("Text2"), ui::literal("Label7_4", "kgf/mm  --"),
                  ui::result("Text3"), ui::literal("Label7_9", "kgf/mm")},
                 {ui::label("Label6_4", 1933), ui::result("Text4"), ui::literal("Label7_3", "kgf/mm  --"),
                  ui::result("Text5"), ui::literal("Label7_10", "kgf/mm")},
                 {ui::label("Label6_5", 1934), ui::result("Text6"),
                  ui::colored(ui::literal("Label7_5", "%"), kRed)},
             });
    field(QStringLiteral("Text6"))->setStyleSheet(QStringLiteral("color: %1").arg(kRed));
    layout->addWidget(results);
    layout->addWidget(ui::makeLabel(this, QStringLiteral("Label8"), 1935));

    attachInputArray(QStringLiteral("Text1"));
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] { reset(); });
}

void Form87::calculate() {
    const float g =
        num::single(springMaterialModulus(SpringMaterialRows::Short, text(QStringLiteral("Combo1"))));
    for (const QString& name : kInputs) {
        if (isEmpty(name)) {
            prompt::inform(this, StringTable::text(1380));
            return;
        }
    }
    auto read = [this](int i) { return num::single(number(kInputs[i])); };
    const PassRateInputs in{read(0), read(1), read(2), read(3), read(4), read(5), read(6), read(7), read(8)};
    const RateRange possible = possibleRates(g, in);
    setSingle(QStringLiteral("Text2"), possible.low, u"0.00000");
    setSingle(QStringLiteral("Text3"), possible.high, u"0.00000");
    const RateRange allowed = allowedRates(in);
    setSingle(QStringLiteral("Text4"), allowed.low, u"0.00000");
    setSingle(QStringLiteral("Text5"), allowed.high, u"0.00000");
    // A rate exactly on a limit matches no case and leaves the previous pass rate.
    if (const std::optional<QString> passRate = passRateText(possible, allowed))
        setText(QStringLiteral("Text6"), *passRate);
}

void Form87::reset() {
    clearFields(kInputs + QStringList{"Text2", "Text3", "Text4", "Text5", "Text6"});
}

SPIRELTA_REGISTER_FORM(Form87)
