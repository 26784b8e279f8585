// Circlip, serpentine spring, balance bar, winding mandrel and fine-wire force: the worked
// examples, strict and lenient reading, the first empty field, the calculations that stop part
// way, the Down arrow, the first focus and the tensile-strength workbook.
#include "NoncoilWindowTests.h"
#include "calc/noncoil/FineWireForce.h"
#include "common/StringTable.h"
#include "platform/ExcelWorkbookOpener.h"
#include "support/RecordingSpreadsheet.h"

namespace {

const std::vector<ControlText> kCirclip = {
    {"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_2", "2"}, {"Text1_3", "0"}, {"Text1_4", "5"}};
const std::vector<ControlText> kSerpentine = {
    {"Text1_0", "1"}, {"Text1_1", "3"}, {"Text1_2", "20"}, {"Text1_3", "5"}, {"Text1_4", "2"}};
const std::vector<ControlText> kBar = {
    {"Text1_0", "3"}, {"Text1_1", "2"}, {"Text1_2", "30"}, {"Text1_3", "100"}};
const std::vector<ControlText> kMandrel = {{"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_2", "1800"}};
const std::vector<ControlText> kFineWire = {{"Text1_0", "12"},  {"Text1_1", "9"},   {"Text1_2", "7"},
                                            {"Text1_3", "0.3"}, {"Text1_4", "2.4"}, {"Text1_5", "7"},
                                            {"Text1_6", "1"}};

TEST(FineWireForce, GradesMatchTheWholeText) {
    EXPECT_EQ(finewireforce::gradeModulus(QStringLiteral("NAS 604 PH")), 8500);
    EXPECT_EQ(finewireforce::gradeModulus(QStringLiteral("SUS304-WPB < 0.3mm")), 7500);
    EXPECT_EQ(finewireforce::gradeModulus(QStringLiteral("SPRON 100 ")), 0);
}

const WindowCase kExamples[] = {
    {"CirclipClosedAngle",
     "Form77",
     kCirclip,
     {{"Text2", "0.1094"}, {"Text3", "0.3281"}, {"Text4", "66.8449"}}},
    // The angle is in degrees.
    {"CirclipAngle30",
     "Form77",
     with(kCirclip, {{"Text1_3", "30"}}),
     {{"Text2", "0.0990"}, {"Text3", "0.2970"}, {"Text4", "59.4681"}}},
    {"CirclipAngle60",
     "Form77",
     with(kCirclip, {{"Text1_3", "60"}}),
     {{"Text2", "0.1036"}, {"Text3", "0.3109"}, {"Text4", "59.0996"}}},
    {"CirclipNoSpread",
     "Form77",
     with(kCirclip, {{"Text1_4", "2"}}),
     {{"Text2", "0.1094"}, {"Text3", "0.0000"}, {"Text4", "0.0000"}}},
    {"CirclipClosing",
     "Form77",
     with(kCirclip, {{"Text1_4", "1"}}),
     {{"Text3", "-0.1094"}, {"Text4", "-22.2816"}}},
    {"CirclipUnknownMaterial",
     "Form77",
     with(kCirclip, {{"Combo1", "SUP"}}),
     {{"Text2", "0.0000"}, {"Text3", "0.0000"}, {"Text4", "0.0000"}}},
    {"Serpentine", "Form78", kSerpentine, {{"Text2", "0.1025"}, {"Text3", "0.2050"}, {"Text4", "62.6380"}}},
    {"SerpentineDoubleCrests",
     "Form78",
     with(kSerpentine, {{"Text1_3", "10"}}),
     {{"Text2", "0.0512"}, {"Text3", "0.1025"}, {"Text4", "31.3190"}}},
    {"SerpentineNoStretch",
     "Form78",
     with(kSerpentine, {{"Text1_4", "0"}}),
     {{"Text2", "0.1025"}, {"Text3", "0.0000"}, {"Text4", "0.0000"}}},
    {"BalanceBar",
     "Form80",
     kBar,
     {{"Text1_4", "1.63"}, {"Text1_5", "11.3177"}, {"Text1_6", "22.6353"}, {"Text1_7", "15.9862"}}},
    // Lenient reading: the leading number of "2/5" is 2.
    {"BalanceBarSlash",
     "Form80",
     with(kBar, {{"Text1_1", "2/5"}}),
     {{"Text1_4", "1.63"}, {"Text1_5", "11.3177"}}},
    {"BalanceBarNoLoad",
     "Form80",
     with(kBar, {{"Text1_1", "0"}}),
     {{"Text1_4", "0.00"}, {"Text1_5", "0.0000"}, {"Text1_6", "0.0000"}, {"Text1_7", "0.0000"}}},
    {"Mandrel", "Form89", kMandrel, {{"Text1_4", "8.60"}}},
    {"MandrelStainless",
     "Form89",
     {{"Text1_0", "2"}, {"Text1_1", "20"}, {"Text1_2", "1600"}, {"Text1_3", "185000"}},
     {{"Text1_4", "17.22"}}},
    {"MandrelNoStrength", "Form89", with(kMandrel, {{"Text1_2", "0"}}), {{"Text1_4", "10.00"}}},
    {"MandrelNoInnerDiameter", "Form89", with(kMandrel, {{"Text1_1", "0"}}), {{"Text1_4", "0.00"}}},
    {"FineWire",
     "Form52",
     kFineWire,
     {{"Text1_8", "3.00"},
      {"Text1_9", "260.53"},
      {"Text1_10", "5.00"},
      {"Text1_11", "434.22"},
      {"Text1_13", "3.00"},
      {"Text1_14", "8.00"},
      {"Text1_15", "1.18"},
      {"Text1_12", "116.433"},
      {"Text1_16", "0.51"},
      {"Text1_17", "0.60"}}},
    {"FineWireThickStainless",
     "Form52",
     with(kFineWire, {{"Combo1", "SUS304-WPB > 0.3mm"}}),
     {{"Text1_8", "3.00"},
      {"Text1_9", "226.00"},
      {"Text1_10", "5.00"},
      {"Text1_11", "376.67"},
      {"Text1_13", "3.00"},
      {"Text1_14", "8.00"},
      {"Text1_15", "1.18"},
      {"Text1_12", "101.002"},
      {"Text1_16", "0.44"},
      {"Text1_17", "0.60"}}},
};
INSTANTIATE_TEST_SUITE_P(FineWire, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"CirclipRadius", "Form77", {{"Text1_0", "1"}}, 1890, "Command1", {"Text2"}},
    {"CirclipFirstOfSeveral", "Form77", {{"Text1_0", "1"}, {"Text1_1", "1"}}, 1889},
    {"SerpentineCrests", "Form78", {{"Text1_0", "1"}, {"Text1_1", "3"}, {"Text1_2", "20"}}, 1894},
    {"BalanceBarArm", "Form80", {{"Text1_0", "3"}, {"Text1_1", "2"}}, 1897, "Command1", {"Text1_4"}},
    {"MandrelModulusEmptied", "Form89", with(kMandrel, {{"Text1_3", ""}}), 1948, "Command1", {"Text1_4"}},
    {"FineWireAllEmpty", "Form52", {}, 1369, "Command1", {"Text1_8", "Text1_17"}},
    {"FineWireSupportCoils", "Form52", with(kFineWire, {{"Text1_6", ""}}), 1777},
};
INSTANTIATE_TEST_SUITE_P(FineWire, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const StopCase kStops[] = {
    // Strict reading: texts that the key filter admits but that are no number.
    {"CirclipSlash", "Form77", with(kCirclip, {{"Text1_1", "1/2"}}), {}, {"Text2", "Text3", "Text4"}},
    {"CirclipTwoPoints", "Form77", with(kCirclip, {{"Text1_4", "1.2.3"}}), {}, {"Text2", "Text3", "Text4"}},
    {"CirclipLonePoint", "Form77", with(kCirclip, {{"Text1_3", "."}}), {}, {"Text2", "Text3", "Text4"}},
    {"CirclipNoRadius", "Form77", with(kCirclip, {{"Text1_1", "0"}}), {}, {"Text2", "Text4"}},
    {"CirclipNoWire",
     "Form77",
     with(kCirclip, {{"Text1_0", "0"}}),
     {{"Text2", "0.0000"}, {"Text3", "0.0000"}},
     {"Text4"}},
    {"SerpentineSlash", "Form78", with(kSerpentine, {{"Text1_0", "1/2"}}), {}, {"Text2", "Text3", "Text4"}},
    {"SerpentineTwoPoints", "Form78", with(kSerpentine, {{"Text1_2", "1.2.3"}}), {}, {"Text2", "Text4"}},
    {"SerpentineLonePoint", "Form78", with(kSerpentine, {{"Text1_4", "."}}), {}, {"Text2", "Text4"}},
    {"SerpentineNoCrests", "Form78", with(kSerpentine, {{"Text1_3", "0"}}), {}, {"Text2", "Text4"}},
    {"SerpentineNoWire",
     "Form78",
     with(kSerpentine, {{"Text1_0", "0"}}),
     {{"Text2", "0.0000"}, {"Text3", "0.0000"}},
     {"Text4"}},
    {"BalanceBarUnknownMaterial", "Form80", with(kBar, {{"Combo1", "x"}}), {}, {"Text1_4", "Text1_7"}},
    {"BalanceBarNoWire", "Form80", with(kBar, {{"Text1_0", "0"}}), {}, {"Text1_4", "Text1_7"}},
    {"MandrelSlash", "Form89", with(kMandrel, {{"Text1_0", "1/2"}}), {}, {"Text1_4"}},
    {"MandrelTwoPoints", "Form89", with(kMandrel, {{"Text1_3", "1.2.3"}}), {}, {"Text1_4"}},
    {"MandrelLonePoint", "Form89", with(kMandrel, {{"Text1_2", "."}}), {}, {"Text1_4"}},
    {"MandrelNoWire", "Form89", with(kMandrel, {{"Text1_0", "0"}}), {}, {"Text1_4"}},
    {"MandrelNoModulus", "Form89", with(kMandrel, {{"Text1_3", "0"}}), {}, {"Text1_4"}},
    {"FineWireStrengthEmptied",
     "Form52",
     with(kFineWire, {{"Text1_7", ""}}),
     {{"Text1_11", "434.22"}, {"Text1_15", "1.18"}, {"Text1_12", "116.433"}},
     {"Text1_16", "Text1_17"}},
    {"FineWireUnknownGrade",
     "Form52",
     with(kFineWire, {{"Combo1", "x"}}),
     {{"Text1_9", "0.00"}, {"Text1_11", "0.00"}, {"Text1_12", "0.000"}, {"Text1_16", "0.00"}},
     {"Text1_17"}},
    {"FineWireNoCoils",
     "Form52",
     with(kFineWire, {{"Text1_5", "0"}}),
     {{"Text1_8", "3.00"}},
     {"Text1_9", "Text1_17"}},
    {"FineWireIndexOne",
     "Form52",
     with(kFineWire, {{"Text1_4", "0.3"}}),
     {{"Text1_14", "1.00"}},
     {"Text1_15", "Text1_12"}},
};
INSTANTIATE_TEST_SUITE_P(FineWire, StopsPartWay, ::testing::ValuesIn(kStops), caseName<StopCase>);

const DownCase kDown[] = {
    {"CirclipWraps", "Form77", "Text1_4", "Text1_0"},
    {"BalanceBarIntoTheResults", "Form80", "Text1_3", "Text1_4"},
    {"BalanceBarWraps", "Form80", "Text1_7", "Text1_0"},
    {"MandrelIntoTheResult", "Form89", "Text1_3", "Text1_4"},
    {"MandrelWraps", "Form89", "Text1_4", "Text1_0"},
    {"FineWireIntoTheResults", "Form52", "Text1_7", "Text1_8"},
    {"FineWireWraps", "Form52", "Text1_17", "Text1_0"},
};
INSTANTIATE_TEST_SUITE_P(FineWire, DownArrow, ::testing::ValuesIn(kDown), caseName<DownCase>);

const FocusCase kFocus[] = {
    {"Circlip", "Form77", "Text1_0"},
    {"Serpentine", "Form78", "Text1_0"},
    {"Mandrel", "Form89", "Text1_0"},
    {"FineWire", "Form52", "Text1_0"},
};
INSTANTIATE_TEST_SUITE_P(FineWire, OpeningFocus, ::testing::ValuesIn(kFocus), caseName<FocusCase>);

class FineWireWindow : public FormTest {};

TEST_F(FineWireWindow, ListsInTheirOwnOrders) {
    FormBase* circlip = open("Form77");
    EXPECT_EQ(circlip->comboBox("Combo1")->itemText(13), QStringLiteral("65Mn"));
    EXPECT_EQ(circlip->text("Label1_4"), StringTable::text(1887));
    FormBase* serpentine = open("Form78");
    EXPECT_EQ(serpentine->comboBox("Combo1")->itemText(5), QStringLiteral("65Mn"));
    EXPECT_EQ(serpentine->text("Label28"), StringTable::text(1375));
    FormBase* bar = open("Form80");
    EXPECT_EQ(bar->comboBox("Combo1")->count(), 20);
    EXPECT_EQ(bar->text("Label1_2"), StringTable::text(1898));
}

TEST_F(FineWireWindow, ResetsPutTheirDefaultsBack) {
    FormBase* mandrel = open("Form89");
    EXPECT_EQ(mandrel->text("Text1_3"), QStringLiteral("206000"));
    typeAll(mandrel, with(kMandrel, {{"Text1_3", "185000"}}));
    click(mandrel, "Command1");
    click(mandrel, "Command2");
    EXPECT_EQ(mandrel->text("Text1_3"), QStringLiteral("206000"));
    EXPECT_EQ(mandrel->text("Text1_0"), QString());
    EXPECT_EQ(mandrel->text("Text1_4"), QString());

    FormBase* force = open("Form52");
    typeAll(force, with(kFineWire, {{"Combo1", "NAS 604 PH"}, {"Text1_7", "210"}}));
    click(force, "Command1");
    click(force, "Command2");
    EXPECT_EQ(force->text("Text1_7"), QStringLiteral("230"));
    EXPECT_EQ(force->text("Text1_17"), QString());
    EXPECT_EQ(force->text("Combo1"), QStringLiteral("NAS 604 PH"));

    FormBase* bar = open("Form80");
    typeAll(bar, kBar);
    click(bar, "Command1");
    click(bar, "Command2");
    EXPECT_EQ(bar->text("Text1_4"), QString());
    EXPECT_EQ(bar->text("Text1_0"), QString());
}

TEST_F(FineWireWindow, LookupButtonOpensTheTensileStrengthWorkbook) {
    RecordingSpreadsheet::instance().reset();
    FormBase* f = open("Form89");
    click(f, "Command3");
    EXPECT_EQ(RecordingSpreadsheet::instance().callsStartingWith("openCopy"),
              QStringList{"openCopy " + ExcelWorkbookOpener::fullPathOf("/klqd.xls")});
    EXPECT_TRUE(prompts().requests.isEmpty());
}

} // namespace
