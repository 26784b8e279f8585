// The compression spring designer: its worked examples verdict for verdict, the rounding of
// coil counts and ratios, required fields, faults, reset, the help panel and its report.

#include "DesignerTest.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

class Form131Test : public DesignerTest {
protected:
    FormBase* form() { return open(QStringLiteral("Form131")); }
};

const WindowCase kExamples[] = {
    {"DefaultsWithTrialDiameter",
     "Form131",
     {},
     {{"Text8", "4.2"},     {"Text10", "29.6"},  {"Text9", "25.5"},         {"Text11", "33.8"},
      {"Text4", "20.3"},    {"Text12", "5.0"},   {"Text13", "7.0"},         {"Text6", "27.1"},
      {"Text7", "64.9"},    {"Text19", "403.0"}, {"Text2", "525.0"},        {"Text3", "25.9"},
      {"Text14", "529.19"}, {"Text15", "1.01"},  {"Text5", "11.7"},         {"Text17", "7.2"},
      {"Text16", "2.2"},    {"Label12_8", "T"},  {"Label62", "0.4-0.8-OK"}, {"Label60", "OK"},
      {"Label35", "°OK"},   {"Label32", "OK"},   {"Label25", "33.8"},       {"Label29", "7.2"},
      {"Label26", "4.2"},   {"Label27", "11.7"}, {"Label28", "64.9"},       {"Text18", ""}}},
    {"DefaultsWithChosenDiameter3",
     "Form131",
     {{"Text18", "3"}},
     {{"Text8", "3.0"},
      {"Text10", "21.3"},
      {"Text12", "3.0"},
      {"Text13", "5.0"},
      {"Text6", "13.5"},
      {"Text7", "63.2"},
      {"Text19", "443.4"},
      {"Text3", "21.6"},
      {"Text5", "19.6"},
      {"Text17", "16.3"},
      {"Text14", "1021.72"},
      {"Text15", "0.52"},
      {"Label62", "0.4-0.8-OK"},
      {"Label60", "NG"},
      {"Label35", "°NG"},
      {"Label32", "NG"},
      {"Text18", "3"}}},
    {"CoilCountRoundingToZeroBecomesHalf",
     "Form131",
     {{"Text1_5", "54.9"}},
     {{"Text12", "0.5"}, {"Text13", "2.5"}, {"Label12_8", "T NG"}}},
    {"SlashReadsAsTheNumberBeforeIt",
     "Form131",
     {{"Text1_3", "55/2"}},
     {{"Text8", "4.2"}, {"Text7", "64.9"}}},
    // Trial d = 9.097: above 7 it becomes the next whole number.
    {"TrialDiameterAboveSevenStepsUp",
     "Form131",
     {{"Text1_6", "2000"}},
     {{"Text8", "10.0"}, {"Text10", "71.1"}}},
    {"ChosenDiameterIsNeverRounded",
     "Form131",
     {{"Text1_6", "2000"}, {"Text18", "9.26"}},
     {{"Text8", "9.3"}, {"Text10", "65.8"}}},
};
INSTANTIATE_TEST_SUITE_P(Form131, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

TEST_F(Form131Test, EnterRunsTheCalculation) {
    FormBase* f = form();
    QTest::keyClick(f->field("Text1_6"), Qt::Key_Return);
    EXPECT_EQ(f->text("Text8"), "4.2");
}

class Form131Required : public Form131Test, public ::testing::WithParamInterface<RequiredCase> {};

TEST_P(Form131Required, FirstEmptyFieldIsNamedAndNothingChanges) {
    const RequiredCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    typeAll(f, c.inputs);
    click(f, QString::fromLatin1(c.button));
    ASSERT_EQ(prompts().requests.size(), 1);
    const PromptRequest& r = prompts().requests.first();
    EXPECT_EQ(r.text, StringTable::text(1383) + StringTable::text(c.captionId));
    EXPECT_EQ(r.title, StringTable::text(1318));
    EXPECT_EQ(r.icon, PromptIcon::Information);
    expectTexts(f, {{"Text8", ""}, {"Label32", "?"}, {"Label12_8", "T"}});
}

const RequiredCase kRequired[] = {
    {"ShearModulusFirst", "Form131", {{"Text1_0", ""}, {"Text1_6", ""}}, 1567},
    {"AllowableStress", "Form131", {{"Text1_1", ""}}, 1993},
    {"SpringIndex", "Form131", {{"Text1_2", ""}, {"Text1_5", ""}}, 1419},
    {"InstalledHeight", "Form131", {{"Text1_3", ""}}, 1966},
    {"InstalledLoad", "Form131", {{"Text1_4", ""}}, 1967},
    {"WorkingHeight", "Form131", {{"Text1_5", ""}}, 1370},
    {"WorkingLoad", "Form131", {{"Text1_6", ""}}, 1965},
};
INSTANTIATE_TEST_SUITE_P(Fields, Form131Required, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

TEST_F(Form131Test, AllEmptyNamesTheShearModulusAlsoAfterReset) {
    FormBase* f = form();
    click(f, "Command4");
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), QString::fromUtf8("请输入横弹性系数G："));
}

class Form131Fault : public Form131Test, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(Form131Fault, ShowsInputErrorAndKeepsEarlierResults) {
    const FaultCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    click(f, "Command1"); // a first design whose results must survive the faulty one
    prompts().clear();
    typeAll(f, c.inputs);
    click(f, QString::fromLatin1(c.button));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(prompts().requests.first().title, StringTable::text(1318));
    expectTexts(f, {{"Text8", "4.2"}, {"Text7", "64.9"}, {"Text15", "1.01"}, {"Text5", "11.7"}});
}

const FaultCase kFaults[] = {
    {"IndexOne", "Form131", {{"Text1_2", "1"}}},
    {"IndexZero", "Form131", {{"Text1_2", "0"}}},
    {"IndexBelowOneMakesARootNegative", "Form131", {{"Text1_2", "0.9"}}},
    {"ZeroAllowableStress", "Form131", {{"Text1_1", "0"}}},
    {"EqualHeights", "Form131", {{"Text1_5", "55"}}},
    {"EqualLoads", "Form131", {{"Text1_4", "420"}}},
    {"ZeroWorkingLoad", "Form131", {{"Text1_6", "0"}}},
    {"ZeroShearModulus", "Form131", {{"Text1_0", "0"}}},
    {"ZeroChosenDiameter", "Form131", {{"Text18", "0"}}},
    {"ChosenDiameterNotANumber", "Form131", {{"Text18", "3mm"}}},
};
INSTANTIATE_TEST_SUITE_P(Inputs, Form131Fault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

TEST_F(Form131Test, VerdictDecidedBeforeAFaultStays) {
    FormBase* f = form();
    type(f, "Text1_0", "0"); // the coil count rounds to 0, then the rate of 0 divides
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, {{"Label12_8", "T NG"}, {"Text12", ""}, {"Label32", "?"}});
}

TEST_F(Form131Test, ResetEmptiesFieldsAndKeepsVerdictsAndSketch) {
    FormBase* f = form();
    type(f, "Text18", "3");
    click(f, "Command1");
    click(f, "Command4");
    for (const char* box :
         {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Text1_6", "Text2",  "Text3",
          "Text4",   "Text5",   "Text6",   "Text7",   "Text8",   "Text9",   "Text10",  "Text11", "Text12",
          "Text13",  "Text14",  "Text15",  "Text16",  "Text17",  "Text18",  "Text19"})
        EXPECT_EQ(f->text(box), "") << box;
    expectTexts(f, {{"Label60", "NG"},
                    {"Label35", "°NG"},
                    {"Label32", "NG"},
                    {"Label62", "0.4-0.8-OK"},
                    {"Label26", "3.0"},
                    {"Label37", "b<=5.3\r\n"}});
}

TEST_F(Form131Test, PointingAtTheHelpIconWidensTheWindowForGood) {
    FormBase* f = form();
    QWidget* panel = f->findChild<QWidget*>("HelpPanel");
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible());
    const int designWidth = f->width();

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(f->label("Image2"), &move);
    EXPECT_TRUE(panel->isVisible());
    const int wideWidth = f->width();
    EXPECT_GT(wideWidth, designWidth + panel->width() / 2);

    QCoreApplication::sendEvent(f->label("Image2"), &move);
    click(f, "Command1");
    click(f, "Command4");
    EXPECT_EQ(f->width(), wideWidth);
    EXPECT_EQ(f->label("Label38")->font().family(), StringTable::text(1353));
}

TEST_F(Form131Test, ReopeningStartsFromTheDefaults) {
    FormBase* f = form();
    type(f, "Text1_0", "79000");
    click(f, "Command1");
    click(f, "Command8");
    flush();
    EXPECT_EQ(FormRegistry::find("Form131"), nullptr);
    f = form();
    expectTexts(f,
                {{"Text1_0", "70000"}, {"Text8", ""}, {"Label32", "?"}, {"Label35", "?"}, {"Label60", "mm"}});
}

const char* const kReportZhCN[] = {
    "---------------------圆柱螺旋压缩弹簧设计方案-------------------",
    "",
    "1.输入参数：",
    "",
    "切变模量G：70000N/mm2",
    "许用剪应力：532Mpa",
    "初选旋绕比 C：7.11",
    "安装高度 L1：55mm",
    "安装载荷 P1：200N",
    "工作高度 L2：45mm",
    "工作载荷 P2：420N",
    "",
    "",
    "2.计算结果：",
    "",
    "弹簧刚度K：20.3N/mm",
    "极限载荷Plim：525.0N",
    "极限变形量Llim：25.9mm",
    "压并高度 Hs：27.1mm",
    "自由高度H0≈：64.9mm",
    "实际载荷P2：403.0N",
    "弹簧节距t≈：11.7OK",
    "<2128>529.19N/mm2",
    "安全系数 S：1.01OK",
    "钢丝直径d>=：4.2mm",
    "内径D1：25.5mm",
    "中径D：29.6mm",
    "外径D2：33.8mm",
    "有效圈数n≈：5.0T",
    "总效圈数n1≈：7.0T",
    "螺旋升角a：7.2°OK",
    "稳定性(H0/D)：2.2两端固定b≤5.3;一定一转b≤3.7;两端回转b≤2.6;",
    "",
    "",
};

const char* const kReportEnUS[] = {
    "---------------------The design of cylindrical helical spring-------------------",
    "",
    "1. The input parameters:",
    "",
    "Modulus G70000N/mm2",
    "The average allowable shear stress: ", // the caption itself ends with two line breaks
    "",
    "532Mpa",
    "Spring index7.11",
    "Install height55mm",
    "Install load200N",
    "Work height45mm",
    "Working load420N",
    "",
    "",
    "2. The calculation results:",
    "",
    "Rate:20.3N/mm",
    "Limit load525.0N",
    "Limit deflection25.9mm",
    "Pressure and height27.1mm",
    "Free height64.9mm",
    "Actual load403.0N",
    "Spring Pitch11.7OK",
    "Stress τmax529.19N/mm2",
    "Safety coefficient1.01OK",
    "Wire Dia d> =4.2mm",
    "I.D.Diameter25.5mm",
    "Mean Diameter29.6mm",
    "O.D.Diameter33.8mm",
    "Effective number coil5.0T",
    "Total effect laps7.0T",
    "Helix Angle7.2°OK",
    "Stability2.2fixed at both ends <=5.3;Have a turn  <=3.7;Both ends of the rotary <=2.6;",
    "",
    "",
};

// "<id>" at the start of a line stands for that string-table text.
template <std::size_t N> QStringList expectedLines(const char* const (&lines)[N]) {
    QStringList result;
    for (const char* line : lines) {
        QString text = QString::fromUtf8(line);
        if (text.startsWith(u'<')) {
            const qsizetype close = text.indexOf(u'>');
            text = StringTable::text(text.mid(1, close - 1).toInt()) + text.mid(close + 1);
        }
        result << text;
    }
    return result;
}

TEST_F(Form131Test, ReportOfTheDefaultDesignInChinese) {
    FormBase* f = form();
    click(f, "Command1");
    expectReport(saveReport(f), expectedLines(kReportZhCN));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(Form131Test, ReportOfTheDefaultDesignInEnglish) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = form();
    click(f, "Command1");
    expectReport(saveReport(f), expectedLines(kReportEnUS));
}

TEST_F(Form131Test, ReportBeforeAnyCalculationHoldsCaptionsAndEmptyValues) {
    FormBase* f = form();
    const QStringList lines = saveReport(f).split("\r\n");
    ASSERT_GT(lines.size(), 31);
    EXPECT_EQ(lines[15], QString::fromUtf8("弹簧刚度K：N/mm"));
    EXPECT_EQ(lines[21], QString::fromUtf8("弹簧节距t≈：mm"));
    EXPECT_EQ(lines[23], QString::fromUtf8("安全系数 S：?"));
}

TEST_F(Form131Test, CancelWritesNothingAfterAnEarlierSave) {
    FormBase* f = form();
    click(f, "Command1");
    const QString path = dir.filePath("design.txt");
    const QString first = saveReport(f);
    type(f, "Text18", "3");
    click(f, "Command1");
    chooseFile(QString());
    click(f, "Command3");
    EXPECT_EQ(QString::fromUtf8(fileBytes(path)), first);
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(Form131Test, UnwritableFolderIsReportedAndTheWindowStays) {
    FormBase* f = form();
    click(f, "Command1");
    QFile blocker(dir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath("not-a-folder/design.txt");
    chooseFile(path);
    click(f, "Command3");
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_TRUE(prompts().lastText().contains(path));
    EXPECT_EQ(f->text("Text8"), "4.2");
    EXPECT_TRUE(f->isVisible());
}

} // namespace
