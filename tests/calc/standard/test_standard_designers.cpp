// The six standard-based designers through their windows: worked examples, the first empty
// field named, and arithmetic faults ending in the input-error message.

#include "support/WindowCases.h"

namespace {

// Choice texts as Combo1 shows them (zh-CN).
constexpr const char* kWire = "求钢丝直径";
constexpr const char* kCoils = "求有效圈数";
constexpr const char* kRate = "求弹簧定数";
constexpr const char* kPressure = "求弹簧压力";
constexpr const char* kMean = "求弹簧中径";
constexpr const char* kTension = "求弹簧拉力";
constexpr const char* kTorque = "求弹簧扭力";

// Compression: G 8000 (the first material), d 2, H0 50, D 20, H1 40, n 10, P 2.
std::vector<ControlText> compression(const char* choice, const char* h1 = "40") {
    return {{"Combo1", choice}, {"Text3", "2"},  {"Text4", "50"}, {"Text5", "20"},
            {"Text6", h1},      {"Text7", "10"}, {"Text8", "2"}};
}

// Torsion: E 21000, d 2, a1 20, D 16, a2 20, n 5, R 20, P 4.8945, θ 90.
std::vector<ControlText> torsion(const char* choice, const char* theta = "90", const char* p = "4.8945") {
    return {{"Combo1", choice}, {"Text3", "2"},  {"Text4", "20"}, {"Text5", "16"},  {"Text6", "20"},
            {"Text7", "5"},     {"Text8", "20"}, {"Text9", p},    {"Text10", theta}};
}

// Extension: G 8000, d 1, H0 30, D 8, H1 40, n 10, P 2.444.
std::vector<ControlText> extension(const char* choice, const char* h1 = "40", const char* p = "2.444") {
    return {{"Combo1", choice}, {"Text3", "1"},  {"Text4", "30"}, {"Text5", "8"},
            {"Text6", h1},      {"Text7", "10"}, {"Text8", p}};
}

// Conical, barrel, hourglass: G 8000, d 2, MD2 20, n 5, L1 10, MD1 (given), P (given).
std::vector<ControlText> shaped(const char* choice, const char* md1, const char* p, const char* md2 = "20") {
    return {{"Combo1", choice}, {"Text3", "2"}, {"Text4", md2}, {"Text5", "5"},
            {"Text6", "10"},    {"Text7", md1}, {"Text8", p}};
}

const WindowCase kExamples[] = {
    {"Form65Rate", "Form65", compression(kRate), {{"Text1", "0.2000"}}},
    {"Form65WireDiameter", "Form65", compression(kWire), {{"Text1", "2.00"}}},
    {"Form65MeanDiameterTyped", "Form65", compression(kMean), {{"Text1", "20.00"}}},
    {"Form65ActiveCoils", "Form65", compression(kCoils), {{"Text1", "10.00"}}},
    {"Form65Load", "Form65", compression(kPressure), {{"Text1", "2.0000"}}},
    {"Form65NoDeflectionCoils", "Form65", compression(kCoils, "50"), {{"Text1", "0.00"}}},
    {"Form65NoDeflectionLoad", "Form65", compression(kPressure, "50"), {{"Text1", "0.0000"}}},
    {"Form65StretchedCoils", "Form65", compression(kCoils, "60"), {{"Text1", "-10.00"}}},
    {"Form65StretchedLoad", "Form65", compression(kPressure, "60"), {{"Text1", "-2.0000"}}},
    // The rate needs only d, D and n: whatever the other fields hold is not read.
    {"Form65RateIgnoresHeightsAndLoad",
     "Form65",
     with(compression(kRate), {{"Text4", ""}, {"Text6", "abc"}, {"Text8", ""}}),
     {{"Text1", "0.2000"}}},

    {"Form66Rate", "Form66", torsion(kRate), {{"Text1", "1.0877"}}},
    {"Form66Load", "Form66", torsion(kTorque), {{"Text1", "4.8945"}}},
    {"Form66WireDiameter", "Form66", torsion(kWire), {{"Text1", "2.00"}}},
    {"Form66MeanDiameterTyped", "Form66", torsion(kMean), {{"Text1", "16.00"}}},
    {"Form66ActiveCoils", "Form66", torsion(kCoils), {{"Text1", "5.00"}}},

    {"Form67Rate", "Form67", extension(kRate), {{"Text1", "0.1953"}}},
    {"Form67Load", "Form67", extension(kTension), {{"Text1", "2.4440"}}},
    {"Form67WireDiameter", "Form67", extension(kWire), {{"Text1", "1.00"}}},
    {"Form67ActiveCoils", "Form67", extension(kCoils), {{"Text1", "10.00"}}},
    {"Form67MeanDiameterTyped", "Form67", extension(kMean), {{"Text1", "8.00"}}},
    {"Form67ShortStretchMeanDiameter", "Form67", extension(kMean, "31"), {{"Text1", "4.65"}}},
    {"Form67LoadBelowInitialTension", "Form67", extension(kCoils, "40", "0.4"), {{"Text1", "-214.92"}}},

    {"Form68Rate", "Form68", shaped(kRate, "10", ""), {{"Text1", "0.8533"}}},
    {"Form68Load", "Form68", shaped(kPressure, "10", ""), {{"Text1", "8.5333"}}},
    {"Form68WireDiameter", "Form68", shaped(kWire, "10", "8.5333"), {{"Text1", "2.00"}}},
    {"Form68ActiveCoils", "Form68", shaped(kCoils, "10", "8.5333"), {{"Text1", "5.00"}}},
    {"Form68SwappedDiameters", "Form68", shaped(kRate, "20", "", "10"), {{"Text1", "0.8533"}}},
    {"Form68NoLoadWire", "Form68", shaped(kWire, "10", "0"), {{"Text1", "0.00"}}},

    {"Form69Rate", "Form69", shaped(kRate, "12", ""), {{"Text1", "0.5824"}}},
    {"Form69Load", "Form69", shaped(kPressure, "12", ""), {{"Text1", "5.8236"}}},
    {"Form69WireDiameter", "Form69", shaped(kWire, "12", "5.8236"), {{"Text1", "2.00"}}},
    {"Form69ActiveCoils", "Form69", shaped(kCoils, "12", "5.8236"), {{"Text1", "5.00"}}},
    {"Form69Cylindrical", "Form69", shaped(kRate, "20", ""), {{"Text1", "0.4000"}}},
    {"Form69SwappedDiameters", "Form69", shaped(kRate, "20", "", "12"), {{"Text1", "0.9373"}}},
    {"Form69NoWireCoils",
     "Form69",
     with(shaped(kCoils, "12", "5.8236"), {{"Text3", "0"}}),
     {{"Text1", "0.00"}}},
    // A modulus of a single blank passes the empty test and reads 0.
    {"Form69BlankModulus", "Form69", with(shaped(kRate, "12", ""), {{"Text2", " "}}), {{"Text1", "0.0000"}}},

    {"Form86Rate", "Form86", shaped(kRate, "12", ""), {{"Text1", "0.9373"}}},
    {"Form86Load", "Form86", shaped(kPressure, "12", ""), {{"Text1", "9.3733"}}},
    {"Form86WireDiameter", "Form86", shaped(kWire, "12", "9.3733"), {{"Text1", "2.00"}}},
    {"Form86ActiveCoils", "Form86", shaped(kCoils, "12", "9.3733"), {{"Text1", "5.00"}}},
    {"Form86Cylindrical", "Form86", shaped(kRate, "20", ""), {{"Text1", "0.4000"}}},
};
INSTANTIATE_TEST_SUITE_P(StandardDesigners, WindowExample, ::testing::ValuesIn(kExamples),
                         caseName<WindowCase>);

// Every case starts from a result already shown, which the message must leave in place.
std::vector<ControlText> shown(std::initializer_list<ControlText> inputs) {
    std::vector<ControlText> rows{{"Text1", "9.99"}};
    rows.insert(rows.end(), inputs);
    return rows;
}

const RequiredCase kRequired[] = {
    {"Form65EmptyModulus", "Form65", shown({{"Text2", ""}}), 1375, "Command1", {"Text1"}},
    {"Form65WireFirstField", "Form65", shown({}), 1369, "Command1", {"Text1"}},
    {"Form65WireEmptyMeanDiameter",
     "Form65",
     shown({{"Text4", "50"}, {"Text6", "40"}, {"Text7", "10"}, {"Text8", "2"}}),
     1332,
     "Command1",
     {"Text1"}},
    {"Form65RateFirstField", "Form65", shown({{"Combo1", kRate}}), 1333, "Command1", {"Text1"}},
    {"Form65LoadLastField",
     "Form65",
     shown({{"Combo1", kPressure}, {"Text3", "2"}, {"Text4", "50"}, {"Text5", "20"}, {"Text6", "40"}}),
     1373,
     "Command1",
     {"Text1"}},
    {"Form65CoilsNamesLoad",
     "Form65",
     shown({{"Combo1", kCoils}, {"Text3", "2"}, {"Text4", "50"}, {"Text5", "20"}, {"Text6", "40"}}),
     1817,
     "Command1",
     {"Text1"}},
    // Typed right after loading: the d group is hidden and empty, and still required.
    {"Form65MeanDiameterHiddenWire", "Form65", shown({{"Combo1", kMean}}), 1333, "Command1", {"Text1"}},
    {"Form66EmptyModulus", "Form66", shown({{"Text2", ""}}), 1375, "Command1", {"Text1"}},
    {"Form66WireFirstField", "Form66", shown({}), 1822, "Command1", {"Text1"}},
    {"Form66LoadNamesAngle",
     "Form66",
     shown({{"Combo1", kTorque},
            {"Text3", "2"},
            {"Text4", "20"},
            {"Text5", "16"},
            {"Text6", "20"},
            {"Text7", "5"},
            {"Text8", "20"}}),
     1824,
     "Command1",
     {"Text1"}},
    {"Form66CoilsNamesTorque",
     "Form66",
     shown({{"Combo1", kCoils},
            {"Text3", "2"},
            {"Text4", "20"},
            {"Text5", "16"},
            {"Text6", "20"},
            {"Text8", "20"}}),
     1823,
     "Command1",
     {"Text1"}},
    {"Form67WireFirstField", "Form67", shown({}), 1369, "Command1", {"Text1"}},
    {"Form67CoilsNamesTension",
     "Form67",
     shown({{"Combo1", kCoils}, {"Text3", "1"}, {"Text4", "30"}, {"Text5", "8"}, {"Text6", "40"}}),
     1825,
     "Command1",
     {"Text1"}},
    {"Form68FreshNamesLargeDiameter", "Form68", shown({}), 1641, "Command1", {"Text1"}},
    {"Form68EmptyModulus", "Form68", shown({{"Text2", ""}}), 1375, "Command1", {"Text1"}},
    {"Form69CoilsNamesWireByItsMessage", "Form69", shown({{"Combo1", kCoils}}), 1333, "Command1", {"Text1"}},
    {"Form69RateNamesSmallDiameter",
     "Form69",
     shown({{"Combo1", kRate}, {"Text3", "2"}, {"Text4", "20"}, {"Text5", "5"}}),
     1640,
     "Command1",
     {"Text1"}},
    {"Form86LoadNamesDeflection",
     "Form86",
     shown({{"Combo1", kPressure}, {"Text3", "2"}, {"Text4", "20"}, {"Text5", "5"}}),
     1584,
     "Command1",
     {"Text1"}},
    {"Form86WireNamesLoad",
     "Form86",
     shown({{"Text4", "20"}, {"Text5", "5"}, {"Text6", "10"}, {"Text7", "12"}}),
     1817,
     "Command1",
     {"Text1"}},
};
INSTANTIATE_TEST_SUITE_P(StandardDesigners, RequiredField, ::testing::ValuesIn(kRequired),
                         caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"Form65WireNoDeflection", "Form65", compression(kWire, "50")},
    {"Form65WireStretched", "Form65", compression(kWire, "60")},
    {"Form65RateNoCoils", "Form65", with(compression(kRate), {{"Text7", "0"}})},
    {"Form66WireNoAngle", "Form66", torsion(kWire, "0")},
    {"Form66WireNegativeLoad", "Form66", torsion(kWire, "90", "-4.8945")},
    {"Form66LoadAtTheAxis", "Form66", with(torsion(kTorque), {{"Text8", "0"}})},
    {"Form67MeanNoStretch", "Form67", extension(kMean, "30")},
    {"Form67MeanThreeRealRoots", "Form67", extension(kMean, "30.01")},
    {"Form67MeanCompressed", "Form67", extension(kMean, "20")},
    {"Form68EqualDiameters", "Form68", shaped(kRate, "20", "")},
    {"Form68WireNoDeflection", "Form68", with(shaped(kWire, "10", "8.5333"), {{"Text6", "0"}})},
    {"Form68CoilsNoLoad", "Form68", shaped(kCoils, "10", "0")},
    {"Form68WireNegativeLoad", "Form68", shaped(kWire, "10", "-1")},
    {"Form69NoDiameters", "Form69", shaped(kRate, "0", "", "0")},
    {"Form69LoadNoCoils", "Form69", with(shaped(kPressure, "12", ""), {{"Text5", "0"}})},
    {"Form86WireNoModulus", "Form86", with(shaped(kWire, "12", "9.3733"), {{"Text2", "0"}})},
    {"Form86CoilsNoLoad", "Form86", shaped(kCoils, "12", "0")},
};
INSTANTIATE_TEST_SUITE_P(StandardDesigners, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

} // namespace
