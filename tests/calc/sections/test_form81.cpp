// The square coil spring: the worked example, the coil-count check at and past equality, the
// required order, the faults before and after the check, the reset.

#include "support/WindowCases.h"

namespace {

const std::vector<ControlText> kFirst = {{"Text1_0", "2"}, {"Text1_1", "30"}, {"Text1_2", "20"},
                                         {"Text1_3", "8"}, {"Text1_4", "60"}, {"Text1_5", "50"},
                                         {"Text1_6", "40"}};

std::vector<ControlText> firstWith(std::vector<ControlText> changes) {
    std::vector<ControlText> inputs = kFirst;
    inputs.insert(inputs.end(), changes.begin(), changes.end());
    return inputs;
}

const WindowCase kExamples[] = {
    {"FirstMaterial",
     "Form81",
     kFirst,
     {{"Text2_0", "0.11"},
      {"Text2_1", "1.125"},
      {"Text2_3", "11.023"},
      {"Text2_2", "2.250"},
      {"Text2_4", "22.046"}}},
    // The solid height (8 + 2)·2 equals L1: still computed.
    {"SolidHeightEqualToFirstHeight", "Form81", firstWith({{"Text1_5", "20"}}), {{"Text2_1", "4.499"}}},
    {"TypedMaterial",
     "Form81",
     firstWith({{"Combo1", "x"}}),
     {{"Text2_0", "0.00"}, {"Text2_1", "0.000"}, {"Text2_4", "0.000"}}},
};
INSTANTIATE_TEST_SUITE_P(Form81, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"WireNamedBy1333", "Form81", {}, 1333},
    {"Width", "Form81", firstWith({{"Text1_2", ""}}), 1903},
    {"SecondHeight",
     "Form81",
     firstWith({{"Text1_6", ""}, {"Text2_0", "old"}}),
     2085,
     "Command1",
     {"Text2_0"}},
};
INSTANTIATE_TEST_SUITE_P(Form81, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"NoCoils", "Form81", firstWith({{"Text1_3", "0"}})},
};
INSTANTIATE_TEST_SUITE_P(Form81, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form81Window : public FormTest {};

TEST_F(Form81Window, SolidHeightAboveAWorkingHeightStopsWithTheCoilMessage) {
    FormBase* f = open("Form81");
    typeAll(f, firstWith({{"Text1_5", "19.99"}, {"Text2_0", "old"}}));
    click(f, "Command1");
    ASSERT_EQ(prompts().requests.size(), 1);
    const PromptRequest& box = prompts().requests.first();
    EXPECT_EQ(box.text, StringTable::text(2405));
    EXPECT_EQ(box.title, StringTable::text(1318));
    EXPECT_EQ(box.icon, PromptIcon::Information);
    expectTexts(f, {{"Text2_0", "old"}, {"Text2_4", ""}});
}

// A side equal to the wire is a division by zero before the coil-count check, even when the
// check would fail.
TEST_F(Form81Window, SideEqualToTheWireFaultsBeforeTheCoilCheck) {
    for (const char* box : {"Text1_1", "Text1_2"}) {
        FormBase* f = open("Form81");
        typeAll(f, firstWith({{box, "2"}, {"Text1_5", "1"}}));
        click(f, "Command1");
        ASSERT_EQ(prompts().requests.size(), 1) << box;
        EXPECT_EQ(prompts().lastText(), StringTable::text(1035)) << box;
        prompts().clear();
    }
}

TEST_F(Form81Window, ResetEmptiesInputsAndResultsThenAsksForTheWire) {
    FormBase* f = open("Form81");
    EXPECT_EQ(f->windowTitle(), StringTable::text(1100));
    expectTexts(
        f, {{"Label1", "弹簧材料:"}, {"Frame1", "参数输入"}, {"Frame2", "计算结果"}, {"Label4_1", "kgf/mm"}});
    typeAll(f, kFirst);
    click(f, "Command1");
    click(f, "Command2");
    for (const char* box : {"Text1_0", "Text1_6", "Text2_0", "Text2_1", "Text2_2", "Text2_3", "Text2_4"})
        EXPECT_EQ(f->text(box), "") << box;
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1333));
    click(f, "Command3");
    flush();
    EXPECT_EQ(FormRegistry::find("Form81"), nullptr);
}

} // namespace
