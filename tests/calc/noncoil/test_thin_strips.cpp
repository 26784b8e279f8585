// Curled thin plate and cantilever strip: the worked examples, the first empty field, the
// calculations that stop part way and the first focus.
#include "NoncoilWindowTests.h"
#include "calc/noncoil/ThinStrip.h"

namespace {

const std::vector<ControlText> kCurled = {{"Text1_0", "0.2"}, {"Text1_1", "5"}, {"Text1_2", "10"},
                                          {"Text1_3", "5"},   {"Text1_4", "2"}, {"Text1_5", "1"}};
const std::vector<ControlText> kCantilever = {
    {"Text1_0", "5"}, {"Text1_1", "0.2"}, {"Text1_2", "20"}, {"Text1_3", "1"}};

TEST(ThinStrip, MaterialsMatchTheWholeName) {
    EXPECT_EQ(thinstrip::material(QStringLiteral("C5210R-EH")).allowable, 47000);
    EXPECT_EQ(thinstrip::material(QStringLiteral("PC")).e, 239);
    EXPECT_EQ(thinstrip::material(QStringLiteral("pc")).e, 0);
    EXPECT_EQ(thinstrip::materialNames().size(), 8);
}

const WindowCase kExamples[] = {
    {"CurledPlate",
     "Form39",
     kCurled,
     {{"Text1_6", "5.0000"},
      {"Text1_7", "2.5000"},
      {"Text1_8", "23.38"},
      {"Text1_9", "8415.83"},
      {"Text1_10", "21.04"}}},
    {"CurledPlateStainless",
     "Form39",
     {{"Combo1", "SUS304"},
      {"Text1_0", "0.3"},
      {"Text1_1", "6"},
      {"Text1_2", "12"},
      {"Text1_3", "6"},
      {"Text1_4", "3"},
      {"Text1_5", "2"}},
     {{"Text1_6", "4.0000"},
      {"Text1_7", "2.0000"},
      {"Text1_8", "157.65"},
      {"Text1_9", "26274.40"},
      {"Text1_10", "37.53"}}},
    {"CurledPlateDoubleWidth",
     "Form39",
     with(kCurled, {{"Text1_1", "10"}}),
     {{"Text1_8", "46.75"}, {"Text1_9", "8415.83"}, {"Text1_10", "21.04"}}},
    {"Cantilever",
     "Form44",
     with(kCantilever, {{"Combo1", "SUS301"}}),
     {{"Text1_4", "0.0033"},
      {"Text1_5", "0.0333"},
      {"Text1_6", "15.0000"},
      {"Text1_7", "15.0000"},
      {"Text1_8", "0.1470"},
      {"Text1_9", "9.0000"},
      {"Text1_10", "16.3636"}}},
    {"CantileverFirstMaterial",
     "Form44",
     kCantilever,
     {{"Text1_6", "12.5000"},
      {"Text1_7", "12.5000"},
      {"Text1_8", "0.1225"},
      {"Text1_9", "7.5000"},
      {"Text1_10", "18.7500"}}},
    {"CantileverSecondMaterial",
     "Form44",
     with(kCantilever, {{"Combo1", "C5210R-EH"}}),
     {{"Text1_6", "12.5000"}, {"Text1_9", "7.5000"}, {"Text1_10", "15.9574"}}},
    {"CantileverDoubleWidth",
     "Form44",
     with(kCantilever, {{"Text1_0", "10"}}),
     {{"Text1_4", "0.0067"}, {"Text1_7", "25.0000"}, {"Text1_9", "7.5000"}, {"Text1_10", "18.7500"}}},
};
INSTANTIATE_TEST_SUITE_P(ThinStrips, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"CurledPlateAllEmpty", "Form39", {}, 1636, "Command1", {"Text1_6"}},
    {"CurledPlateStroke", "Form39", with(kCurled, {{"Text1_5", ""}}), 1632},
    {"CantileverAllEmpty", "Form44", {}, 1628, "Command1", {"Text1_4"}},
    {"CantileverDeflection", "Form44", with(kCantilever, {{"Text1_3", ""}}), 1678},
};
INSTANTIATE_TEST_SUITE_P(ThinStrips, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const StopCase kStops[] = {
    {"CurledPlateUnknownMaterial",
     "Form39",
     with(kCurled, {{"Combo1", "x"}}),
     {{"Text1_6", "5.0000"}, {"Text1_7", "2.5000"}, {"Text1_8", "0.00"}, {"Text1_9", "0.00"}},
     {"Text1_10"}},
    {"CurledPlateNoRadius", "Form39", with(kCurled, {{"Text1_4", "0"}}), {}, {"Text1_6", "Text1_10"}},
    {"CurledPlateNoWidth",
     "Form39",
     with(kCurled, {{"Text1_1", "0"}}),
     {{"Text1_6", "5.0000"}, {"Text1_8", "0.00"}},
     {"Text1_9", "Text1_10"}},
    {"CantileverNoLength",
     "Form44",
     with(kCantilever, {{"Text1_2", "0"}}),
     {{"Text1_4", "0.0033"}, {"Text1_5", "0.0333"}},
     {"Text1_6", "Text1_10"}},
    {"CantileverNoThickness",
     "Form44",
     with(kCantilever, {{"Text1_1", "0"}}),
     {{"Text1_4", "0.0000"}, {"Text1_7", "0.0000"}},
     {"Text1_9", "Text1_10"}},
    {"CantileverUnknownMaterial",
     "Form44",
     with(kCantilever, {{"Combo1", "x"}}),
     {{"Text1_6", "0.0000"}, {"Text1_7", "0.0000"}, {"Text1_8", "0.0000"}, {"Text1_9", "0.0000"}},
     {"Text1_10"}},
};
INSTANTIATE_TEST_SUITE_P(ThinStrips, StopsPartWay, ::testing::ValuesIn(kStops), caseName<StopCase>);

const DownCase kDown[] = {
    {"CurledPlateIntoTheResults", "Form39", "Text1_5", "Text1_6"},
    {"CurledPlateWraps", "Form39", "Text1_10", "Text1_0"},
    {"CantileverWraps", "Form44", "Text1_10", "Text1_0"},
};
INSTANTIATE_TEST_SUITE_P(ThinStrips, DownArrow, ::testing::ValuesIn(kDown), caseName<DownCase>);

const FocusCase kFocus[] = {{"CurledPlate", "Form39", "Text1_0"}, {"Cantilever", "Form44", "Text1_0"}};
INSTANTIATE_TEST_SUITE_P(ThinStrips, OpeningFocus, ::testing::ValuesIn(kFocus), caseName<FocusCase>);

class ThinStripWindow : public FormTest {};

TEST_F(ThinStripWindow, FixedTextsAndTheListFromTheDesign) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = open("Form39");
    EXPECT_EQ(f->text("Label1_7"), QStringLiteral("R1(L1/R)："));
    EXPECT_EQ(f->text("Combo1"), QStringLiteral("C5210R-H"));
    EXPECT_EQ(f->comboBox("Combo1")->count(), 8);
    FormBase* g = open("Form44");
    EXPECT_EQ(g->text("Unit_Text1_7"), QStringLiteral("gf="));
    EXPECT_EQ(g->text("Label1_9"), StringTable::text(1585));
}

} // namespace
