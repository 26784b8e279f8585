// The spring with a cylindrical middle: the worked example (K2 is the single 33.950950...,
// which shows 33.9509), negative values shown as computed, required fields and faults.

#include "support/WindowCases.h"

namespace {

const WindowCase kExamples[] = {
    {"Defaults", "Form76", {}, {{"Text3", "33.9509"}, {"Text2", "18.8788"}, {"Text4", "55.3"}}},
    {"PitchBelowWireGivesNegativeNode", "Form76", {{"Text1_8", "6"}}, {{"Text4", "-7.9"}}},
};
INSTANTIATE_TEST_SUITE_P(Form76, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"WireDiameter", "Form76", {{"Text1_0", ""}}, 1815},
    {"SparseTaperedCoils", "Form76", {{"Text1_4", ""}}, 1880},
    {"DensePitch", "Form76", {{"Text1_8", ""}}, 1875, "Command1", {"Text2", "Text3", "Text4"}},
};
INSTANTIATE_TEST_SUITE_P(Form76, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"DenseEqualsDenseTapered", "Form76", {{"Text1_6", "6.8"}}},
    {"TotalEqualsDensePlusSparseTapered", "Form76", {{"Text1_7", "8.8"}}},
    {"NoDenseTaperedCoils", "Form76", {{"Text1_6", "0"}}},
    {"UnknownMaterial", "Form76", {{"Combo1", "x"}}},
};
INSTANTIATE_TEST_SUITE_P(Form76, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form76Window : public FormTest {};

TEST_F(Form76Window, ResetEmptiesInputsAndResultsAndKeepsTheMaterial) {
    FormBase* f = open("Form76");
    type(f, "Combo1", "黄铜线 BsW");
    click(f, "Command1");
    click(f, "Command4");
    for (const char* name : {"Text1_0", "Text1_8", "Text2", "Text3", "Text4"})
        EXPECT_EQ(f->text(name), "") << name;
    EXPECT_EQ(f->text("Combo1"), "黄铜线 BsW");
}

} // namespace
