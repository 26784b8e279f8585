// The cores without windows: the life comparison in double precision, the square coil's shape
// factor, and the shear-modulus columns.

#include "calc/sections/SquareCoilSpring.h"
#include "common/FatigueLife.h"
#include "common/StringTable.h"
#include "common/WireShearModulusTable.h"

#include <gtest/gtest.h>

namespace {

TEST(CompressionLifeInDouble, RatiosAtAThresholdFallIntoTheNextBand) {
    using fatigue::Precision;
    EXPECT_EQ(fatigue::compression(300.0, 1000.0, Precision::Double).cycles, "100");
    EXPECT_EQ(fatigue::compression(299.0, 1000.0, Precision::Double).cycles, "1000");
    EXPECT_TRUE(fatigue::compression(450.0, 1000.0, Precision::Double).pastTable());
    EXPECT_EQ(fatigue::compression(449.0, 1000.0, Precision::Double).cycles, "1");
    EXPECT_EQ(fatigue::compression(279.31, 750.0, Precision::Double).cycles, "4");
    // A ratio that only single precision would round past the threshold.
    EXPECT_EQ(fatigue::compression(0.2999999999, 1.0, Precision::Double).cycles, "1000");
    EXPECT_EQ(fatigue::compression(0.2999999999, 1.0, Precision::Single).cycles, "100");
}

struct ShapeCase {
    const char* name;
    float d, side1, side2;
    double factor;
};

class SquareCoilShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(SquareCoilShape, FactorAsTheWindowDividesByIt) {
    const ShapeCase& c = GetParam();
    squarecoil::Inputs in{.g = 8000,
                          .d = c.d,
                          .length = c.side1,
                          .width = c.side2,
                          .activeCoils = 8,
                          .freeHeight = 60,
                          .firstHeight = 50,
                          .secondHeight = 40};
    squarecoil::Results r;
    squarecoil::compute(in, r);
    EXPECT_DOUBLE_EQ(r.shapeFactor, c.factor);
}

const ShapeCase kShapes[] = {
    {"Rectangle", 2, 30, 20, 0.81},
    // Side at the wire centre three wire diameters: r = s = 1.
    {"SquareOfThreeWires", 2, 8, 8, 1.00},
    {"SquareOfThinWire", 2, 30, 30, 1.51},
};
INSTANTIATE_TEST_SUITE_P(Shapes, SquareCoilShape, ::testing::ValuesIn(kShapes),
                         [](const ::testing::TestParamInfo<ShapeCase>& i) {
                             return std::string(i.param.name);
                         });

TEST(SquareCoil, RateOfTheSquareOfThreeWiresIsTheRoundCoilRate) {
    squarecoil::Inputs in{.g = 8000,
                          .d = 2,
                          .length = 8,
                          .width = 8,
                          .activeCoils = 8,
                          .freeHeight = 60,
                          .firstHeight = 50,
                          .secondHeight = 40};
    squarecoil::Results r;
    squarecoil::compute(in, r);
    const float roundRate = float(16.0 * 8000 / 8 / 216 / 8);
    EXPECT_FLOAT_EQ(float(*r.rate), roundRate);
}

TEST(WireShearModulus, EachWindowHasItsOwnColumn) {
    StringTable::setLanguage(Language::ZhCN);
    using wireshear::Column;
    const QString carbon = StringTable::text(1336), titanium = StringTable::text(2470);
    EXPECT_EQ(wireshear::modulus(Column::SquareWire, carbon), 79000);
    EXPECT_EQ(wireshear::modulus(Column::RectangularWire, carbon), 78400);
    EXPECT_EQ(wireshear::modulus(Column::FlatWire, carbon), 79000);
    EXPECT_EQ(wireshear::modulus(Column::RectangularWire, titanium), 42000);
    EXPECT_EQ(wireshear::modulus(Column::FlatWire, titanium), 0);
    EXPECT_EQ(wireshear::names(Column::FlatWire).size(), 7);
    EXPECT_EQ(wireshear::names(Column::SquareWire).size(), 8);
    EXPECT_EQ(wireshear::modulus(Column::SquareWire, carbon + u' '), 0);
    // Every language lists its own texts and finds their values.
    StringTable::setLanguage(Language::EnUS);
    EXPECT_EQ(wireshear::names(Column::SquareWire).first(), StringTable::text(1336));
    EXPECT_EQ(wireshear::modulus(Column::SquareWire, StringTable::text(2402)), 44000);
    StringTable::setLanguage(Language::ZhCN);
}

} // namespace
