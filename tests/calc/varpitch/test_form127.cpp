// The coil-count design: the worked example with its sketch labels, the total from the shown
// count, the N/mm² material list, required fields, faults and the reset that keeps the sketch.

#include "support/WindowCases.h"

namespace {

const WindowCase kExamples[] = {
    {"Defaults",
     "Form127",
     {},
     {{"Text8", "70.0"},
      {"Text9", "72"},
      {"Text2", "35.5"},
      {"Text3", "6.5"},
      {"Text4", "230.8"},
      {"Text5", "34.5"},
      {"Text6", "8.6"},
      {"Text7", "295.2"},
      {"Label14", "8.6"},
      {"Label13", "6.5"},
      {"Label8", "230.8mm"},
      {"Label5", "295.2mm"}}},
    // G = 68600 N/mm² as listed, with no further factor.
    {"StainlessSteel",
     "Form127",
     {{"Combo1", "不锈钢线 SUS304"}},
     {{"Text8", "61.2"}, {"Text9", "63.2"}, {"Text2", "31.1"}, {"Text5", "30.2"}, {"Text7", "271.3"}}},
    {"ShownCountOf699GivesTotal719", "Form127", {{"Text1_3", "736"}}, {{"Text8", "69.9"}, {"Text9", "71.9"}}},
};
INSTANTIATE_TEST_SUITE_P(Form127, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"WireDiameter", "Form127", {{"Text1_0", ""}}, 1333},
    {"ClosingLoad", "Form127", {{"Text1_3", ""}}, 2118, "Command1", {"Text8", "Label14"}},
    {"LimitDeflection", "Form127", {{"Text1_6", ""}}, 2121},
};
INSTANTIATE_TEST_SUITE_P(Form127, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"ZeroClosingDeflection", "Form127", {{"Text1_2", "0"}}},
    {"ZeroClosingLoad", "Form127", {{"Text1_3", "/"}}},
    {"LimitLoadEqualToClosingLoad", "Form127", {{"Text1_5", "490"}}},
    {"LimitEqualToClosingDeflection", "Form127", {{"Text1_6", "140"}}},
};
INSTANTIATE_TEST_SUITE_P(Form127, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form127Window : public FormTest {};

TEST_F(Form127Window, UnknownMaterialStopsAfterTheCoilCounts) {
    FormBase* f = open("Form127");
    click(f, "Command1");
    type(f, "Combo1", "x"); // G = 0: n and ns are 0, the dense gap divides by zero
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text("Text8"), "0.0");
    EXPECT_EQ(f->text("Text9"), "2");
    EXPECT_EQ(f->text("Text5"), "0.0");
    EXPECT_EQ(f->text("Text2"), "0.0");
    EXPECT_EQ(f->text("Text6"), "8.6"); // old pitch
    EXPECT_EQ(f->text("Label14"), "8.6");
}

TEST_F(Form127Window, ResetKeepsTheSketchLabels) {
    FormBase* f = open("Form127");
    EXPECT_EQ(f->text("Label14"), "?");
    EXPECT_EQ(f->text("Label2"), StringTable::text(2116));
    EXPECT_EQ(f->text("Label57"), StringTable::text(2114));
    click(f, "Command1");
    click(f, "Command4");
    for (const char* name : {"Text1_0", "Text1_6", "Text2", "Text8", "Text9"})
        EXPECT_EQ(f->text(name), "") << name;
    EXPECT_EQ(f->text("Label14"), "8.6");
    EXPECT_EQ(f->text("Label5"), "295.2mm");
}

} // namespace
