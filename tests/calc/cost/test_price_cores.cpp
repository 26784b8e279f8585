// The spring quotation, the lathe part's material and the shaft quotation, against the worked
// examples and the faults that stop them.

#include "calc/cost/BarStockTable.h"
#include "calc/cost/ShaftCost.h"
#include "calc/cost/SpringQuotation.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/StringTable.h"

#include <gtest/gtest.h>

namespace {

Money m(double value) {
    return Money::fromDouble(value);
}

springquotation::Inputs quotationDefaults() {
    // M 40, P 10, E 0, v 40, t 13, w 2, s 0
    return {m(40), m(10), m(0), m(40), m(13), m(2), m(0)};
}

TEST(SpringQuotationCore, DefaultsWithMaterialTenAndWeightTwo) {
    springquotation::Prices p;
    springquotation::price(quotationDefaults(), p);
    EXPECT_EQ(p.machineShare1->format(u"0.0000"), QStringLiteral("0.0033"));
    EXPECT_EQ(p.materialShare->format(u"0.0000"), QStringLiteral("0.0252"));
    EXPECT_EQ(p.machineShare2->format(u"0.0000"), QStringLiteral("0.0067"));
    EXPECT_EQ(p.platingShare->format(u"0.0000"), QStringLiteral("0.0000"));
    EXPECT_EQ(p.machineShare3->format(u"0.0000"), QStringLiteral("0.0067"));
    EXPECT_EQ(p.withoutTax->format(u"0.0000"), QStringLiteral("0.0419"));
    EXPECT_EQ(p.withoutTax->format(u"0.000"), QStringLiteral("0.042"));
    EXPECT_EQ(p.withTax->count(), 473);
}

TEST(SpringQuotationCore, PlatingShareIsAFixedPointProduct) {
    // E * w = 0.5 * 0.0001 rounds to 0 before it is divided by 1000; 1.5 * 0.0001 to 0.0002.
    springquotation::Inputs in = quotationDefaults();
    in.weight = m(0.0001);
    springquotation::Prices p;
    in.platingPerKg = m(0.5);
    springquotation::price(in, p);
    EXPECT_EQ(p.platingShare->count(), 0);
    in.platingPerKg = m(1500);
    springquotation::price(in, p);
    EXPECT_EQ(p.platingShare->count(), 2); // 0.15 / 1000 = 0.00015 -> 0.0002
}

TEST(SpringQuotationCore, ZeroSpeedStopsBeforeAnyShare) {
    springquotation::Inputs in = quotationDefaults();
    in.speed = m(0);
    springquotation::Prices p;
    EXPECT_THROW(springquotation::price(in, p), num::CalcFault);
    EXPECT_FALSE(p.machineShare1 || p.materialShare || p.withoutTax || p.withTax);
}

TEST(SpringQuotationCore, OverflowKeepsTheSharesBeforeIt) {
    springquotation::Inputs in = quotationDefaults();
    in.taxPercent = m(9e13); // the price with tax leaves the money range
    in.secondary = m(1e11);
    springquotation::Prices p;
    EXPECT_THROW(springquotation::price(in, p), num::CalcFault);
    EXPECT_TRUE(p.machineShare3 && p.withoutTax);
    EXPECT_FALSE(p.withTax);
}

TEST(SpringQuotationCore, ConversionIsAFixedPointProduct) {
    EXPECT_EQ(springquotation::convert(m(0.0473), m(0.1404)).format(u"0.000000"), QStringLiteral("0.006600"));
    EXPECT_EQ(springquotation::convert(m(0), m(7.8)).format(u"0.000000"), QStringLiteral("0.000000"));
}

class LathePartCore : public ::testing::Test {
protected:
    void SetUp() override { StringTable::setLanguage(Language::ZhCN); }
    static shaftcost::PartInputs part(const char* bar, const char* machine) {
        return {BarStockTable::find(QString::fromUtf8(bar)),
                BarStockTable::machineLoss(QString::fromUtf8(machine)),
                20,
                0,
                2500,
                10,
                50};
    }
    static QStringList shown(const shaftcost::PartCosts& c) {
        return {num::format(*c.barWeight, u"0.000"),
                num::format(*c.barPrice, u"0.000"),
                num::text(*c.partsPerBar),
                num::format(*c.grossWeight, u"0.00"),
                num::format(*c.materialCost, u"0.000"),
                num::format(*c.nickelPrice, u"0.000")};
    }
};

TEST_F(LathePartCore, WorkedExamples) {
    struct Case {
        const char* name;
        shaftcost::PartInputs in;
        QStringList shown;
    };
    const Case cases[] = {
        {"round iron, CNC machine",
         part("圆枝-铁类", "CNC电脑机"),
         {"6165.390", "61.654", "43", "143.38", "1.425", "0.950"}},
        {"round iron, machine 1",
         part("圆枝-铁类", "王主机"),
         {"6165.390", "61.654", "47", "131.18", "1.309", "0.950"}},
        {"hexagonal copper, machine 1",
         part("六角-铜类", "王主机"),
         {"7707.400", "77.074", "47", "163.99", "1.636", "1.821"}},
    };
    for (const Case& c : cases) {
        shaftcost::PartCosts out;
        shaftcost::partCosts(c.in, out);
        EXPECT_EQ(shown(out), c.shown) << c.name;
    }
}

TEST_F(LathePartCore, BoreEqualToTheBarLeavesOnlyTheNickelPrice) {
    shaftcost::PartInputs in = part("圆枝-铁类", "CNC电脑机");
    in.bore = 20;
    shaftcost::PartCosts out;
    shaftcost::partCosts(in, out);
    EXPECT_EQ(shown(out), (QStringList{"0.000", "0.000", "43", "0.00", "0.000", "0.950"}));
}

TEST_F(LathePartCore, NoWholePartOrNoPartLengthStopsAtThatStep) {
    shaftcost::PartInputs in = part("圆枝-铁类", "CNC电脑机");
    in.partLength = 3000; // N = 0: the gross weight divides by zero
    shaftcost::PartCosts out;
    EXPECT_THROW(shaftcost::partCosts(in, out), num::CalcFault);
    EXPECT_TRUE(out.barWeight && out.barPrice && out.partsPerBar);
    EXPECT_EQ(*out.partsPerBar, 0);
    EXPECT_FALSE(out.grossWeight || out.materialCost || out.nickelPrice);

    in.partLength = -2; // l + 2 = 0: no count at all
    EXPECT_THROW(shaftcost::partCosts(in, out), num::CalcFault);
    EXPECT_TRUE(out.barWeight && out.barPrice);
    EXPECT_FALSE(out.partsPerBar);
}

shaftcost::QuoteInputs shaftDefaults(double material) {
    // M 40, grinding, plating, packing 0, v 8, secondary 0, tax 17
    return {m(40), m(material), m(0), m(0), m(0), m(8), 0.0f, m(17)};
}

TEST(ShaftQuotationCore, WorkedExamples) {
    shaftcost::QuoteInputs in = shaftDefaults(1.425);
    EXPECT_EQ(shaftcost::base(in).format(u"0.0000"), QStringLiteral("1.5511"));
    EXPECT_EQ(shaftcost::quote(in).format(u"0.0000"), QStringLiteral("1.8148"));
    EXPECT_EQ(shaftcost::quote(in).format(u"0.000"), QStringLiteral("1.815"));

    in = {m(40), m(1.425), m(0.2), m(0.3), m(0.05), m(8), num::single(0.1), m(17)};
    EXPECT_EQ(shaftcost::quote(in).format(u"0.0000"), QStringLiteral("2.5753"));
    in.taxPercent = m(0);
    EXPECT_EQ(shaftcost::quote(in).format(u"0.0000"), QStringLiteral("2.2011"));
}

TEST(ShaftQuotationCore, BaseAndSecondaryAreRoundedHalfToEven) {
    // M 15, v 8, material 0: 15 / 8 / 60 = 0.03125, stored as 0.0312.
    shaftcost::QuoteInputs in = {m(15), m(0), m(0), m(0), m(0), m(8), 0.0f, m(0)};
    EXPECT_EQ(shaftcost::base(in).count(), 312);
    // A secondary cost of 1234.5678 passes through a single: 1234.5677490234375 -> 1234.5677.
    in.secondary = num::single(1234.5678);
    EXPECT_EQ(shaftcost::quote(in).count(), 312 + 12345677);
}

TEST(ShaftQuotationCore, ZeroSpeedAndOverflowAreFaults) {
    shaftcost::QuoteInputs in = shaftDefaults(1.425);
    in.speed = m(0);
    EXPECT_THROW(shaftcost::quote(in), num::CalcFault);
    in = shaftDefaults(9e14);
    EXPECT_THROW(shaftcost::quote(in), num::CalcFault); // 9e14 * 1.03 leaves the money range
}

} // namespace
