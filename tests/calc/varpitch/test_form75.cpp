// The large-pitch small end: the worked example (τ is the single 725.45007, which shows
// 725.5), the load line below the inflection point, D1 = D2, required fields, faults, the
// reset that keeps σb and c, and the query label.

#include "platform/ExcelWorkbookOpener.h"
#include "support/RecordingSpreadsheet.h"
#include "support/WindowCases.h"

#include <QLabel>

namespace {

const WindowCase kExamples[] = {
    {"Defaults", "Form75", {}, {{"Text2", "37.77"},        {"Text3", "32.38"},      {"Text4", "154.74"},
                                {"Text10", "26.77"},       {"Text14", "15.67"},     {"Text7", "1019.85"},
                                {"Label5", "(65.1mm时)"},  {"Label54", "1019.85N"}, {"Text5", "368.20"},
                                {"Label49", "(23.5mm时)"}, {"Label29", "368.20N"},  {"Text9", "1700.17"},
                                {"Label50", "(90.5mm时)"}, {"Label55", "1700.17N"}, {"Text6", "225.6"},
                                {"Text13", "2092.09"},     {"Text8", "725.5"},      {"Label58", "节距合适。"},
                                {"Label53", "OK"},         {"Label13", "OK"}}},
    // Equal diameters: the tapered end is a cylinder, 9.8·G·d⁴ / (8·Nb·D2³).
    {"EqualDiametersGiveTheCylindricalRate",
     "Form75",
     {{"Text1_1", "47"}},
     {{"Text4", "125.91"}, {"Text14", "15.31"}}},
    {"WorkingDeflectionBelowInflection",
     "Form75",
     {{"Text1_9", "40"}},
     {{"Text9", "626.73"}, {"Label55", "626.73N"}}},
    // No dense travel: both loads lie on the sparse branch from the origin.
    {"DensePitchEqualToWire",
     "Form75",
     {{"Text1_4", "7"}},
     {{"Text7", "0.00"}, {"Label5", "(0.0mm时)"}, {"Text5", "629.20"}, {"Text9", "2423.08"}}},
    {"SparsePitchOf045DPasses", "Form75", {{"Text1_7", "21.15"}}, {{"Label58", "节距合适。"}}},
    {"LargerSparsePitchIsTooBig", "Form75", {{"Text1_7", "21.16"}}, {{"Label58", "节距太大！"}}},
};
INSTANTIATE_TEST_SUITE_P(Form75, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"WireDiameterNamedWithItsMessageText",
     "Form75",
     {{"Text1_0", ""}},
     1333,
     "Command1",
     {"Text2", "Label29"}},
    {"SparseCylinderCoils", "Form75", {{"Text1_5", ""}}, 2429},
    {"Coefficient", "Form75", {{"Text1_11", ""}}, 1440},
};
INSTANTIATE_TEST_SUITE_P(Form75, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"NoDenseCoils", "Form75", {{"Text1_3", "0"}}},
    {"NoSparseCoils", "Form75", {{"Text1_5", "0"}}},
    {"NoTaperedCoils", "Form75", {{"Text1_6", "0"}}},
    {"UnknownMaterial", "Form75", {{"Combo1", "x"}}},
    {"LargeDiameterEqualToWire", "Form75", {{"Text1_2", "7"}}},
};
INSTANTIATE_TEST_SUITE_P(Form75, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form75Window : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        RecordingSpreadsheet::instance().reset();
    }
    void TearDown() override {
        RecordingSpreadsheet::instance().reset();
        FormTest::TearDown();
    }
};

TEST_F(Form75Window, ResetKeepsTensileStrengthAndCoefficient) {
    FormBase* f = open("Form75");
    click(f, "Command1");
    click(f, "Command4");
    for (const char* name : {"Text1_0", "Text1_9", "Text2", "Text8", "Text14", "Label13", "Label58",
                             "Label53", "Label49", "Label5", "Label50"})
        EXPECT_EQ(f->text(name), "") << name;
    EXPECT_EQ(f->text("Text1_10"), "1460");
    EXPECT_EQ(f->text("Text1_11"), "0.5");
    EXPECT_EQ(f->text("Label29"), "P1");
    EXPECT_EQ(f->text("Label54"), "P3");
    EXPECT_EQ(f->text("Label55"), "P5");
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1333));
}

TEST_F(Form75Window, WahlFaultKeepsTheOutputsWrittenBeforeIt) {
    FormBase* f = open("Form75");
    click(f, "Command1");
    type(f, "Text1_2", "7"); // D2 = d: the Wahl factor divides by zero after the test load
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_NE(f->text("Text2"), "37.77");    // new rate
    EXPECT_NE(f->text("Text13"), "2092.09"); // new test load
    EXPECT_EQ(f->text("Text8"), "725.5");    // old shear stress
}

TEST_F(Form75Window, QueryLabelOpensTheTensileStrengthWorkbook) {
    for (const char* window : {"Form75", "Form73"}) {
        RecordingSpreadsheet::instance().reset();
        FormBase* f = open(window);
        QTest::mouseClick(f->label("Label51"), Qt::LeftButton);
        EXPECT_EQ(RecordingSpreadsheet::instance().callsStartingWith("openCopy"),
                  QStringList{"openCopy " + ExcelWorkbookOpener::fullPathOf("/klqd.xls")})
            << window;
        EXPECT_EQ(f->text("Label51"), StringTable::text(2149));
    }
    EXPECT_TRUE(prompts().requests.isEmpty());
}

} // namespace
