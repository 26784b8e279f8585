#include "calc/cost/Form7.h"

#include "calc/cost/CostFormParts.h"
#include "calc/cost/QuotationWorkbook.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QLabel>
#include <QLayout>

namespace {

using OnReset = ui::OnReset;

const ui::InputField kFields[] = {
    {.field = "Text19_0",
     .captionId = 1455,
     .defaultText = "40",
     .caption = "Label39",
     .unitName = "Label40_0"},
    {.field = "Text19_1", .captionId = 1457, .caption = "Label41", .unitName = "Label40_1"},
    {.field = "Text19_2",
     .captionId = 1458,
     .defaultText = "0",
     .caption = "Label42",
     .unitName = "Label40_2"},
    {.field = "Text19_3",
     .captionId = 1459,
     .defaultText = "40",
     .caption = "Label43",
     .unitName = "Label48"},
    {.field = "Text19_4", .captionId = 1464, .caption = "Label49", .unitName = "Label50"},
    {.field = "Text19_5", .captionId = 1454, .defaultText = "0", .caption = "Label3", .unitName = "Label2"},
    {.field = "Text19_6",
     .captionId = 1460,
     .unit = "%",
     .defaultText = "13",
     .onReset = OnReset::Keep,
     .caption = "Label44",
     .unitName = "Label45"},
};
const costparts::UnitText kUnits[] = {{"Text19_0", 1456}, {"Text19_1", 1461}, {"Text19_2", 1461},
                                      {"Text19_3", 1462}, {"Text19_4", 1463}, {"Text19_5", 1452}};

// The hidden labels that carry the shares to the workbook, in the order they are computed.
const char* const kShareLabels[] = {"Label4", "Label5", "Label6", "Label7", "Label8", "Label9"};

} // namespace

Form7::Form7() : FormBase(QStringLiteral("Form7")) {
    setWindowTitle(StringTable::text(1031));
    QWidget* column = costparts::columns(this, {}, {}, 0);
    ui::grid(column, costparts::fieldRows(kFields, kUnits));
    ui::grid(column,
             {
                 {ui::label("Label10", 1453), ui::result("Text1"), ui::label("Label11", 1452)},
                 {ui::label("Label46", 2439), ui::result("Text24"), ui::label("Label47", 1452)},
                 {ui::button("Command11", 1357), ui::button("Command1", 1321), ui::button("Command2", 1358)},
             });
    ui::grid(column, {{ui::label("Label17", 1451, 4)},
                      {ui::literal("Label18_0", "USD"), ui::edit("Text2_0"), ui::result("Text2_3"),
                       ui::literal("Label19_0", "USD/Pcs")},
                      {ui::literal("Label18_1", "NTD"), ui::edit("Text2_1"), ui::result("Text2_4"),
                       ui::literal("Label19_1", "NTD/Pcs")},
                      {ui::literal("Label18_2", "HKD"), ui::edit("Text2_2"), ui::result("Text2_5"),
                       ui::literal("Label19_2", "HKD/Pcs")},
                      {ui::button("Command3", 1450)}});
    for (const char* name : kShareLabels)
        ui::makeLiteral(this, QString::fromLatin1(name), {})->hide();
    for (const char* tipped : {"Text19_0", "Text19_3", "Text19_6"})
        field(QString::fromLatin1(tipped))->setToolTip(QStringLiteral("根据实际修改"));
    declare(ui::fieldNames(kFields));

    attachInputArray(QStringLiteral("Text19"));
    setFirstField(field(QStringLiteral("Text19_0")));
    setDefaultButton(button(QStringLiteral("Command11")));
    button(QStringLiteral("Command2"))->setEnabled(false);
    onClick(QStringLiteral("Command11"), [this] { calculate(); });
    onClick(QStringLiteral("Command3"), [this] { convert(); });
    onClick(QStringLiteral("Command1"), [this] { reset(); });
    onClick(QStringLiteral("Command2"), [this] { quotationworkbook::run(this); });
}

void Form7::calculate() {
    if (!ui::requireFilled(this, kFields)) {
        button(QStringLiteral("Command2"))->setEnabled(true);
        return;
    }
    auto money = [this](const char* box) { return Money::fromDouble(number(QString::fromLatin1(box))); };
    springquotation::Inputs in;
    in.machinePerHour = money("Text19_0");
    in.materialPerKg = money("Text19_1");
    in.platingPerKg = money("Text19_2");
    in.speed = money("Text19_3");
    in.taxPercent = money("Text19_6");
    in.weight = money("Text19_4");
    in.secondary = money("Text19_5");
    springquotation::Prices prices;
    // What was worked out before a fault stays written.
    ui::computeThenShow([&] { springquotation::price(in, prices); }, [&] { showPrices(prices); });
    button(QStringLiteral("Command2"))->setEnabled(true);
}

void Form7::showPrices(const springquotation::Prices& p) {
    const std::optional<Money>* shares[] = {&p.machineShare1, &p.materialShare, &p.machineShare2,
                                            &p.platingShare,  &p.machineShare3, &p.withoutTax};
    for (std::size_t i = 0; i < std::size(shares); ++i) {
        if (*shares[i])
            setText(QString::fromLatin1(kShareLabels[i]), (*shares[i])->format(u"0.0000"));
    }
    if (p.withoutTax)
        setText(QStringLiteral("Text1"), p.withoutTax->format(u"0.000"));
    if (p.withTax) {
        priceWithTax_ = *p.withTax;
        setText(QStringLiteral("Text24"), p.withTax->format(u"0.000"));
    }
}

void Form7::convert() {
    // Every filled rate is read before anything is written, so a rate that is not a number
    // leaves all converted prices as they were.
    std::optional<Money> rates[3];
    for (int i = 0; i < 3; ++i) {
        const QString rate = text(QStringLiteral("Text2_%1").arg(i));
        if (!rate.isEmpty())
            rates[i] = Money::fromDouble(num::strictOrFault(rate));
    }
    auto write = [this, &rates](int i) {
        setText(QStringLiteral("Text2_%1").arg(i + 3),
                springquotation::convert(priceWithTax_, *rates[i]).format(u"0.000000"));
    };
    // One currency is converted, the first filled in the order USD, NTD, HKD; all three only
    // when all three rates are given.
    for (int i = 0; i < 3; ++i) {
        if (rates[i]) {
            write(i);
            break;
        }
    }
    if (rates[0] && rates[1] && rates[2]) {
        for (int i = 0; i < 3; ++i)
            write(i);
    }
}

void Form7::reset() {
    ui::resetFields(this, kFields);
    clearFields({QStringLiteral("Text1"), QStringLiteral("Text24"), QStringLiteral("Text2_0"),
                 QStringLiteral("Text2_1"), QStringLiteral("Text2_2"), QStringLiteral("Text2_3"),
                 QStringLiteral("Text2_4"), QStringLiteral("Text2_5")});
}

SPIRELTA_REGISTER_FORM(Form7)
