// The compression calculator in normal mode: its worked example, the solid-height check,
// required fields, arithmetic faults, buttons, reset and the drawing-sheet fill.

#include "calc/normal/CompressionCalc.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "platform/Folders.h"
#include "platform/WindowCommands.h"
#include "support/WindowCases.h"

#include <QDir>
#include <QImage>
#include <cmath>

namespace {

// The carbon-steel spring of the worked example: d 1, D 10, Nt 10, n 12, H0 30, h1 20, h2 15.
const std::vector<ControlText> kSwcSpring = {{"Combo1", "碳钢线 SWC"}, {"Text1_0", "1"},  {"Text1_1", "10"},
                                             {"Text1_2", "10"},        {"Text1_3", "12"}, {"Text1_4", "30"},
                                             {"Text1_5", "20"},        {"Text1_6", "15"}};

// The example spring with some texts typed over it.
std::vector<ControlText> swcSpringWith(std::vector<ControlText> changes) {
    std::vector<ControlText> texts = kSwcSpring;
    texts.insert(texts.end(), changes.begin(), changes.end());
    return texts;
}

class Form8Test : public FormTest {
protected:
    FormBase* form() {
        FormBase* f = open(QStringLiteral("Form8"));
        EXPECT_NE(f, nullptr);
        return f;
    }
    static void enter(FormBase* f, const std::vector<ControlText>& inputs) { typeAll(f, inputs); }
    static bool enabled(FormBase* f, const char* name) { return f->button(name)->isEnabled(); }
    static QString sheetText(int box) {
        return FormRegistry::readText(QStringLiteral("Form63"), QStringLiteral("Text1_%1").arg(box));
    }
};

// Result boxes the example does not reach keep what they showed.
const WindowCase kExamples[] = {
    {"CarbonSteelExampleTextForText",
     "Form8",
     swcSpringWith({{"Text9", "earlier"}, {"Text24", "earlier too"}}),
     {{"Text3", "8000"},
      {"Text4", "377"},
      {"Text8", "100.0"},
      {"Text2", "0.98"},
      {"Text6", "1000.0"},
      {"Text7", "9.80"},
      {"Text11", "1500.0"},
      {"Text12", "14.70"},
      {"Text27", "18.375"},
      {"Text13", "15"},
      {"Text9", "earlier"},
      {"Text24", "earlier too"}}},
    // P3 = 8000 * 18 * 1000 / 8 / 10 / 1000 = 1800 gf = 17.64 N; limit 17.64 / 0.8.
    {"ThirdWorkingHeightGivesTheLimitLoad",
     "Form8",
     swcSpringWith({{"Text1_7", "12"}}),
     {{"Text9", "1800.0"}, {"Text24", "17.64"}, {"Text27", "22.05"}, {"Text13", "12"}}},
    {"OnlyInstalledHeightLeavesLimitLoadUnwritten",
     "Form8",
     swcSpringWith({{"Text1_6", ""}}),
     {{"Text6", "1000.0"}, {"Text27", ""}, {"Text13", "20"}}},
};
INSTANTIATE_TEST_SUITE_P(Form8, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

struct SolidHeightCase {
    const char* name;
    const char* endType;
    const char* h1;
    const char* h2;
    bool stops;
    const char* text13;
};

class Form8SolidHeight : public Form8Test, public ::testing::WithParamInterface<SolidHeightCase> {};

TEST_P(Form8SolidHeight, WorkingHeightAgainstSolidHeight) {
    const SolidHeightCase& c = GetParam();
    FormBase* f = form();
    enter(f, kSwcSpring);
    type(f, "Combo2", QString::fromUtf8(c.endType));
    type(f, "Text1_5", c.h1);
    type(f, "Text1_6", c.h2);
    type(f, "Text8", "earlier");
    click(f, "Command1");

    EXPECT_EQ(f->text("Text3"), "8000");
    EXPECT_EQ(f->text("Text4"), "377");
    EXPECT_EQ(f->text("Text13"), c.text13);
    if (c.stops) {
        ASSERT_EQ(prompts().requests.size(), 1);
        const PromptRequest& r = prompts().requests.first();
        EXPECT_EQ(r.text, StringTable::text(1380));
        EXPECT_EQ(r.title, StringTable::text(1318));
        EXPECT_EQ(r.icon, PromptIcon::Information);
        EXPECT_EQ(r.buttons, PromptButtons::Ok);
        // A stop at h1 comes before the rate; a stop at h2 after it.
        EXPECT_EQ(f->text("Text8"), *c.h2 ? "100.0" : "earlier");
        EXPECT_FALSE(enabled(f, "Command7"));
    } else {
        EXPECT_TRUE(prompts().requests.isEmpty());
        EXPECT_EQ(f->text("Text8"), "100.0");
        EXPECT_TRUE(enabled(f, "Command7"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, Form8SolidHeight,
    ::testing::Values(SolidHeightCase{"GroundEqualPasses", "磨平", "11.5", "", false, "11.5"},
                      SolidHeightCase{"GroundBelowStops", "磨平", "11.4", "", true, "11.4"},
                      SolidHeightCase{"NotGroundEqualPasses", "不磨平", "13", "", false, "13"},
                      SolidHeightCase{"NotGroundBelowStops", "不磨平", "12.9", "", true, "12.9"},
                      SolidHeightCase{"SecondHeightBelowStops", "磨平", "20", "11.4", true, "11.4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form8Test, StopAtSecondHeightKeepsRateAndFirstLoad) {
    FormBase* f = form();
    enter(f, kSwcSpring);
    type(f, "Text1_6", "11");
    click(f, "Command1");
    expectTexts(f, {{"Text8", "100.0"}, {"Text7", "9.80"}, {"Text13", "11"}, {"Text11", ""}});
}

class Form8Required : public Form8Test, public ::testing::WithParamInterface<RequiredCase> {};

TEST_P(Form8Required, FirstEmptyFieldIsNamedAndNothingComputed) {
    FormBase* f = form();
    enter(f, GetParam().inputs);
    click(f, "Command1");
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(GetParam().captionId));
    EXPECT_EQ(prompts().requests.first().icon, PromptIcon::Information);
    EXPECT_EQ(prompts().requests.first().title, StringTable::text(1318));
    EXPECT_EQ(f->text("Text3"), "8000"); // the material is looked up before the test
    EXPECT_EQ(f->text("Text4"), "");
    EXPECT_FALSE(enabled(f, "Command4"));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Form8Required,
    ::testing::Values(RequiredCase{"WireDiameter", "Form8", swcSpringWith({{"Text1_0", ""}}), 1333},
                      RequiredCase{"MeanDiameter", "Form8", swcSpringWith({{"Text1_1", ""}, {"Text1_4", ""}}),
                                   1332},
                      RequiredCase{"ActiveBeforeTotalCoils", "Form8",
                                   swcSpringWith({{"Text1_2", ""}, {"Text1_3", ""}}), 1373},
                      RequiredCase{"TotalCoils", "Form8", swcSpringWith({{"Text1_3", ""}}), 1331},
                      RequiredCase{"FreeHeight", "Form8", swcSpringWith({{"Text1_4", ""}}), 1369},
                      RequiredCase{"InstalledHeight", "Form8", swcSpringWith({{"Text1_5", ""}}), 1372}),
    caseName<RequiredCase>);

TEST_F(Form8Test, RequiredMessageInEnglishHasNoBlankBetweenTexts) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = form();
    enter(f, {{"Text1_0", "1"}});
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), "Please EnterMean Diameter");
}

TEST_F(Form8Test, ZeroAndBlankCountAsFilled) {
    FormBase* f = form();
    enter(f, kSwcSpring);
    type(f, "Text1_5", "0"); // read as 0: passes the required test, then meets the solid height
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1380));
}

class Form8Fault : public Form8Test, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(Form8Fault, StopsWithInputErrorAndKeepsEarlierWrites) {
    FormBase* f = form();
    enter(f, GetParam().inputs);
    type(f, "Text8", "earlier");
    click(f, "Command1");
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(prompts().requests.first().icon, PromptIcon::Information);
    EXPECT_EQ(f->text("Text3"), "8000");
    EXPECT_EQ(f->text("Text13"), "20");
    EXPECT_EQ(f->text("Text8"), "earlier");
    EXPECT_FALSE(enabled(f, "Command7"));
    for (const char* box : {"Text4", "Text8", "Text2", "Text6", "Text7", "Text27"}) {
        EXPECT_FALSE(f->text(box).contains("inf", Qt::CaseInsensitive)) << box;
        EXPECT_FALSE(f->text(box).contains("nan", Qt::CaseInsensitive)) << box;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Form8Fault,
    ::testing::Values(FaultCase{"ZeroMeanDiameter", "Form8", swcSpringWith({{"Text1_1", "0"}})},
                      FaultCase{"LonePointMeanDiameter", "Form8", swcSpringWith({{"Text1_1", "."}})},
                      FaultCase{"ZeroActiveCoils", "Form8", swcSpringWith({{"Text1_2", "0"}})},
                      FaultCase{"LoneSlashActiveCoils", "Form8", swcSpringWith({{"Text1_2", "/"}})},
                      FaultCase{"UnknownEndType", "Form8", swcSpringWith({{"Combo2", "磨"}})}),
    caseName<FaultCase>);

TEST_F(Form8Test, ZeroMeanDiameterWritesDevelopedLengthBeforeStopping) {
    FormBase* f = form();
    enter(f, kSwcSpring);
    type(f, "Text1_1", "0");
    click(f, "Command1");
    EXPECT_EQ(f->text("Text4"), "0");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
}

TEST_F(Form8Test, UnknownMaterialGivesZeroModulusAndZeroRate) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = form();
    enter(f, kSwcSpring);
    type(f, "Combo1", "SUS304"); // the English row is "Sus304"
    click(f, "Command1");
    expectTexts(f, {{"Text3", "0"}, {"Text8", "0.0"}, {"Text2", "0.00"}, {"Text6", "0.0"}, {"Text27", "0"}});
}

TEST_F(Form8Test, ButtonStatesThroughLoadCalculationStopAndReset) {
    FormBase* f = form();
    const auto states = [&] {
        std::string s;
        for (const char* b :
             {"Command1", "Command3", "Command8", "Command5", "Command4", "Command2", "Command7"})
            s += enabled(f, b) ? '1' : '0';
        return s;
    };
    EXPECT_EQ(states(), "1110000");
    enter(f, kSwcSpring);
    type(f, "Text1_5", "11");
    click(f, "Command1"); // stopped by the solid height: no button changes
    EXPECT_EQ(states(), "1110000");
    type(f, "Text1_5", "20");
    QTest::keyClick(f->field("Text1_3"), Qt::Key_Return); // Enter presses the calculate button
    EXPECT_EQ(f->text("Text8"), "100.0");
    EXPECT_EQ(states(), "1111111");
    click(f, "Command4");
    EXPECT_EQ(states(), "1111000");
}

TEST_F(Form8Test, ResetEmptiesItsListAndKeepsTheRest) {
    FormBase* f = form();
    enter(f, kSwcSpring);
    type(f, "Combo2", "不磨平");
    click(f, "Command1");
    click(f, "Command4");
    for (const char* box :
         {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Text1_6", "Text1_7", "Text2",
          "Text6", "Text7", "Text8", "Text9", "Text11", "Text12", "Text24", "Text27"})
        EXPECT_EQ(f->text(box), "") << box;
    expectTexts(f, {{"Text4", "377"},
                    {"Text3", "8000"},
                    {"Text13", "15"},
                    {"Combo1", "碳钢线 SWC"},
                    {"Combo2", "不磨平"}});
}

TEST_F(Form8Test, LoadsCaptionsAndLists) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = form();
    EXPECT_EQ(f->windowTitle(), "ComSpring Calc- Normal Mode");
    EXPECT_EQ(f->comboBox("Combo1")->count(), 26);
    expectTexts(f, {{"Combo1", "Spring Steel SUP"},
                    {"Combo2", "Ground end"},
                    {"Label14_5", "Iimit load "},
                    {"Command3", ">>>Expert Mode"},
                    {"Label23_8", "(Must)"},
                    {"Label23_5", "(Can fill)"},
                    {"Label23_0", "mm"}});
    EXPECT_EQ(f->comboBox("Combo2")->itemText(1), "Not ground ");
    EXPECT_TRUE(f->comboBox("Combo1")->isEditable());
    EXPECT_FALSE(f->field("Text3")->isVisible());
    EXPECT_FALSE(f->field("Text13")->isVisible());
}

TEST_F(Form8Test, DrawingSheetFillCopiesInputsAndResults) {
    FormBase* f = form();
    enter(f, kSwcSpring);
    click(f, "Command1");
    click(f, "Command7");

    FormBase* sheet = FormRegistry::find(QStringLiteral("Form63"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    const std::vector<std::pair<int, const char*>> expected = {{2, "碳钢线 SWC"},
                                                               {3, "1"},
                                                               {4, "11"},
                                                               {5, "9"},
                                                               {6, "10"},
                                                               {7, "30"},
                                                               {8, "10"},
                                                               {9, "12"},
                                                               {11, "1"},
                                                               {12, "0.98"},
                                                               {13, "20"},
                                                               {23, "20"},
                                                               {14, "9.80"},
                                                               {26, "9.80"},
                                                               {15, "15"},
                                                               {24, "15"},
                                                               {16, "14.70"},
                                                               {27, "14.70"},
                                                               {17, ""},
                                                               {25, ""},
                                                               {18, ""},
                                                               {28, ""},
                                                               {19, "1"},
                                                               {20, "30"},
                                                               {21, "11"},
                                                               {22, "9"},
                                                               {10, "右旋"},
                                                               {0, "改为你的客户名称"},
                                                               {1, "改为你的料号或品名"},
                                                               {29, "改为你的公司名称"}};
    for (const auto& [box, text] : expected)
        EXPECT_EQ(sheetText(box), QString::fromUtf8(text)) << "box " << box;
}

TEST_F(Form8Test, SupportCoilsHalfTheInactiveCoils) {
    FormBase* f = form();
    enter(f, kSwcSpring);
    type(f, "Text1_3", "10.5");
    type(f, "Text1_2", "8");
    click(f, "Command1");
    click(f, "Command7");
    EXPECT_EQ(sheetText(11), "1.25");
    EXPECT_EQ(sheetText(8), "8");
    EXPECT_EQ(sheetText(9), "10.5");
}

TEST_F(Form8Test, SecondFillKeepsWhatTheUserTypedOnTheSheet) {
    FormBase* f = form();
    enter(f, kSwcSpring);
    click(f, "Command1");
    click(f, "Command7");
    FormRegistry::writeText(QStringLiteral("Form63"), QStringLiteral("Text1_0"), QStringLiteral("ACME"));
    FormRegistry::writeText(QStringLiteral("Form63"), QStringLiteral("Text1_1"), QStringLiteral("CS-100"));
    type(f, "Text1_0", "1.2");
    click(f, "Command1");
    click(f, "Command7");
    EXPECT_EQ(sheetText(0), "ACME");
    EXPECT_EQ(sheetText(1), "CS-100");
    EXPECT_EQ(sheetText(3), "1.2");
    EXPECT_EQ(sheetText(4), "11.2");
    EXPECT_EQ(sheetText(5), "8.8");
}

TEST_F(Form8Test, CoilCountThatIsNoPlainNumberLeavesTheSheetAlone) {
    FormBase* f = form();
    enter(f, kSwcSpring);
    click(f, "Command1");
    type(f, "Text1_3", "12/5");
    click(f, "Command7");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form63")), nullptr);
}

TEST_F(Form8Test, SnapshotAndPrintButtons) {
    QImage printed;
    windowcommands::setPrintSink([&](const QImage& page) { printed = page; });
    FormBase* f = form();
    enter(f, kSwcSpring);
    click(f, "Command1");
    click(f, "Command5");
    windowcommands::setPrintSink([](const QImage&) {});
    EXPECT_FALSE(printed.isNull());

    const QStringList before = QDir(folders::outputFolder()).entryList({"*.bmp"});
    click(f, "Command8");
    const QStringList after = QDir(folders::outputFolder()).entryList({"*.bmp"});
    EXPECT_GT(after.size(), before.size());
    EXPECT_TRUE(prompts().lastText().endsWith(".bmp"));
}

TEST_F(Form8Test, ModeSwitchOpensTheExpertWindow) {
    click(form(), "Command3");
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form8")), nullptr);
    EXPECT_NE(FormRegistry::find(QStringLiteral("Form21")), nullptr);
}

struct RateCase {
    const char* name;
    float g, d, meanDiameter, activeCoils;
    double rateGf, rateN;
};

TEST(CompressionCalc, RateInGramsForceAndNewtons) {
    const RateCase cases[] = {
        {"WorkedExample", 8000, 1, 10, 10, 100, 0.98},
        {"StainlessFine", 7000, 0.5f, 4, 6.5f, 131.4603, 1.2883}, // 131.46033653...
        {"NoMaterial", 0, 1, 10, 10, 0, 0},
    };
    for (const RateCase& c : cases) {
        const double k = compression::rateGf(c.g, c.d, c.meanDiameter, c.activeCoils);
        EXPECT_DOUBLE_EQ(k, c.rateGf) << c.name;
        EXPECT_DOUBLE_EQ(compression::rateN(k), c.rateN) << c.name;
    }
}

TEST(CompressionCalc, ZeroDivisorsFault) {
    EXPECT_THROW(compression::rateGf(8000, 1, 0, 10), num::CalcFault);
    EXPECT_THROW(compression::rateGf(8000, 1, 10, 0), num::CalcFault);
    EXPECT_THROW(compression::loadGf(8000, 10, 1, 0, 10), num::CalcFault);
    EXPECT_THROW(compression::loadGf(8000, 10, 1, 10, 0), num::CalcFault);
    EXPECT_THROW(compression::rateGf(8000, 1e30f, 1e-30f, 1), num::CalcFault); // overflow
}

TEST(CompressionCalc, DrawingSheetValues) {
    struct Row {
        const char* name;
        double d, meanDiameter, totalCoils, activeCoils;
        const char *outer, *inner, *supportCoils;
    };
    const Row kRows[] = {
        {"Example", 1, 10, 12, 10, "11", "9", "1"},
        {"HalfCoils", 1, 10, 10.5, 8, "11", "9", "1.25"},
        {"ThickerWire", 1.2, 10, 12, 10, "11.2", "8.8", "1"},
    };
    for (const Row& r : kRows) {
        const compression::SheetValues v =
            compression::sheetValues(r.d, r.meanDiameter, r.totalCoils, r.activeCoils);
        EXPECT_EQ(num::text(v.diameters.outer), QString::fromLatin1(r.outer)) << r.name;
        EXPECT_EQ(num::text(v.diameters.inner), QString::fromLatin1(r.inner)) << r.name;
        EXPECT_EQ(num::text(v.supportCoils), QString::fromLatin1(r.supportCoils)) << r.name;
    }
    EXPECT_THROW(compression::sheetValues(1, 10, 1e308, -1e308), num::CalcFault);
}

TEST(CompressionCalc, SolidHeightByEndType) {
    EXPECT_EQ(compression::solidHeight(12, 1, true), 11.5f);
    EXPECT_EQ(compression::solidHeight(12, 1, false), 13.0f);
    EXPECT_EQ(compression::solidHeight(10.5, 0.8f, true), 8.0f);
    EXPECT_EQ(compression::developedLength(12, 10), 377.0);
    EXPECT_EQ(compression::developedLength(10.5, 8), 263.9); // 263.8944
}

// The calculation without its window, as the boxes show its results.
struct ComputeCase {
    const char* name;
    compression::Inputs in;
    bool solid;
    std::vector<std::pair<const char*, QString>> shown; // result, text as its box shows it
};

compression::Inputs exampleSpring() {
    compression::Inputs in;
    in.shearModulus = 8000;
    in.wireDiameter = 1;
    in.meanDiameter = 10;
    in.activeCoils = 10;
    in.totalCoils = 12;
    in.freeHeight = 30;
    in.installedHeight = 20;
    in.ends = compression::Ends::Ground;
    in.secondHeight = 15;
    return in;
}

compression::Inputs exampleWith(void (*change)(compression::Inputs&)) {
    compression::Inputs in = exampleSpring();
    change(in);
    return in;
}

QString shown(const compression::Results& r, const char* result) {
    const std::string name = result;
    if (name == "developedLength")
        return num::text(r.developedLength);
    if (name == "lastHeight")
        return num::textSingle(r.lastHeight);
    if (name == "rateGf")
        return num::format(r.rateGf, u"0.0");
    if (name == "rateN")
        return num::format(r.rateN, u"0.00");
    if (name == "firstLoadGf")
        return num::formatSingle(r.firstLoadGf, u"0.0");
    if (name == "firstLoadN")
        return num::formatSingle(r.firstLoadN, u"0.00");
    if (name == "secondLoadGf")
        return num::formatSingle(r.secondLoadGf, u"0.0");
    if (name == "secondLoadN")
        return num::formatSingle(r.secondLoadN, u"0.00");
    if (name == "thirdLoadGf")
        return num::formatSingle(r.thirdLoadGf, u"0.0");
    if (name == "thirdLoadN")
        return num::format(r.thirdLoadN, u"0.00");
    if (name == "limitLoad")
        return num::text(r.limitLoad);
    ADD_FAILURE() << "no result " << name;
    return {};
}

TEST(CompressionCompute, WorkedExamplesAsShown) {
    const ComputeCase cases[] = {
        {"Example",
         exampleSpring(),
         false,
         {{"developedLength", "377"},
          {"rateGf", "100.0"},
          {"rateN", "0.98"},
          {"firstLoadGf", "1000.0"},
          {"firstLoadN", "9.80"},
          {"secondLoadGf", "1500.0"},
          {"secondLoadN", "14.70"},
          {"limitLoad", "18.375"},
          {"lastHeight", "15"}}},
        {"ThirdHeight",
         exampleWith([](compression::Inputs& in) { in.thirdHeight = 12; }),
         false,
         {{"thirdLoadGf", "1800.0"}, {"thirdLoadN", "17.64"}, {"limitLoad", "22.05"}, {"lastHeight", "12"}}},
        {"SolidAtInstalledHeight",
         exampleWith([](compression::Inputs& in) { in.installedHeight = 11.4f; }),
         true,
         {{"developedLength", "377"}, {"lastHeight", "11.4"}}},
        {"GroundEndsOnTheSolidHeight",
         exampleWith([](compression::Inputs& in) {
             in.installedHeight = 11.5f;
             in.secondHeight.reset();
         }),
         false,
         {{"firstLoadGf", "1850.0"}, {"lastHeight", "11.5"}}},
        {"SolidAtSecondHeight",
         exampleWith([](compression::Inputs& in) { in.secondHeight = 11; }),
         true,
         {{"rateGf", "100.0"}, {"firstLoadN", "9.80"}, {"lastHeight", "11"}}},
    };
    for (const ComputeCase& c : cases) {
        compression::Results r;
        compression::compute(c.in, r);
        EXPECT_EQ(r.solid, c.solid) << c.name;
        for (const auto& [result, text] : c.shown)
            EXPECT_EQ(shown(r, result), text) << c.name << " " << result;
    }
}

TEST(CompressionCompute, StepsAfterAStopOrFaultAreNotReached) {
    compression::Results stopped;
    compression::compute(exampleWith([](compression::Inputs& in) { in.secondHeight = 11; }), stopped);
    EXPECT_TRUE(std::isnan(stopped.secondLoadGf));
    EXPECT_TRUE(std::isnan(stopped.limitLoad));

    compression::Results faulted;
    EXPECT_THROW(
        compression::compute(
            exampleWith([](compression::Inputs& in) { in.ends = compression::Ends::Unknown; }), faulted),
        num::CalcFault);
    EXPECT_EQ(faulted.developedLength, 377.0);
    EXPECT_EQ(faulted.lastHeight, 20.0f);
    EXPECT_TRUE(std::isnan(faulted.rateGf));

    compression::Results zeroDiameter;
    EXPECT_THROW(
        compression::compute(exampleWith([](compression::Inputs& in) { in.meanDiameter = 0; }), zeroDiameter),
        num::CalcFault);
    EXPECT_EQ(zeroDiameter.developedLength, 0.0);
    EXPECT_TRUE(std::isnan(zeroDiameter.rateGf));
}

} // namespace
