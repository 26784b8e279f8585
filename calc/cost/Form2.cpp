#include "calc/cost/Form2.h"

#include "calc/cost/CostFormParts.h"
#include "calc/cost/WireDensityTable.h"
#include "calc/cost/WireWeights.h"
#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

#include <QLabel>
#include <QLayout>

namespace {

using Need = ui::Need;
using OnReset = ui::OnReset;

const ui::InputField kFields[] = {
    {.field = "Text1_0", .captionId = 1333, .unit = "mm", .need = Need::Plain, .caption = "Label2"},
    {.field = "Text1_1", .captionId = 1332, .unit = "mm", .need = Need::Plain, .caption = "Label3"},
    {.field = "Text1_2", .captionId = 1331, .unit = "T", .need = Need::Plain, .caption = "Label4"},
    {.field = "Text1_3",
     .captionId = 1328,
     .unit = "mm",
     .need = Need::Plain,
     .defaultText = "0",
     .onReset = OnReset::Default,
     .caption = "Label17"},
};

const auto kMaterials = WireDensityTable::Variant::Full;

} // namespace

Form2::Form2() : FormBase(QStringLiteral("Form2")) {
    setWindowTitle(StringTable::text(1219));
    QWidget* column = costparts::columns(this, QStringLiteral("Picture1"),
                                         QStringLiteral(":/pictures/cost/spring-weight.svg"), 220);
    ui::grid(column, {{ui::label("Label1", 1334, 3)}, {ui::combo("Combo1"), ui::gap(2)}});
    ui::grid(column, {{ui::label("Label16", 1329, 3)}, {ui::label("Label12", 1324, 3)}});
    ui::grid(column, costparts::fieldRows(kFields));
    ui::grid(column, {
                         {ui::label("Label6", 1330), ui::edit("Text5"), ui::literal("Label7", "g/pcs")},
                         {costparts::literalButton("Command1", "="), ui::button("Command2", 1322),
                          ui::button("Command4", 1321), ui::button("Command5", 1315)},
                     });
    ui::grid(column, {{ui::label("Label5", 1327)},
                      {ui::label("Label10", 1326)},
                      {ui::label("Label11", 1325)},
                      {ui::label("Label13", 1323)}});
    for (const char* help : {"Label10", "Label11", "Label13"})
        label(QString::fromLatin1(help))->setWordWrap(true);
    costparts::fillList(this, QStringLiteral("Combo1"), WireDensityTable::names(kMaterials), 1);
    button(QStringLiteral("Command2"))->setToolTip(QStringLiteral("去报价看看"));
    costparts::wireWeightWindow(this, kFields,
                                {.calculate = "Command1",
                                 .reset = "Command4",
                                 .exit = "Command5",
                                 .results = {QStringLiteral("Text5")},
                                 .focusFirstField = true},
                                [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] { quote(); });
}

void Form2::calculate() {
    wireweights::SpringInputs in;
    in.density = num::single(WireDensityTable::density(kMaterials, text(QStringLiteral("Combo1"))));
    in.wireDiameter = number(QStringLiteral("Text1_0"));
    in.meanDiameter = num::single(number(QStringLiteral("Text1_1")));
    in.totalCoils = num::single(number(QStringLiteral("Text1_2")));
    in.straightLength = number(QStringLiteral("Text1_3"));
    if (isEmpty(QStringLiteral("Text1_0"))) {
        prompt::inform(this, StringTable::text(1034));
        return;
    }
    in.coiled = !(isEmpty(QStringLiteral("Text1_1")) && isEmpty(QStringLiteral("Text1_2")));
    const wireweights::SpringWeight w = wireweights::springWeight(in);
    setSingle(QStringLiteral("Text5"), w.weight, QString::fromLatin1(w.pattern));
}

void Form2::quote() {
    // The weight goes on as the box shows it, computed, typed or empty.
    FormRegistry::writeText(QStringLiteral("Form7"), QStringLiteral("Text19_4"),
                            text(QStringLiteral("Text5")));
    FormRegistry::show(QStringLiteral("Form7"));
    close();
}

SPIRELTA_REGISTER_FORM(Form2)
