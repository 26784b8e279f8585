#include "support/WindowCases.h"

#include "common/ui/FormRegistry.h"
#include "platform/WindowCommands.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <map>
#include <vector>

namespace {

using Texts = std::map<QString, QString>;

class Form21Test : public FormTest {
protected:
    FormBase* form = nullptr;

    void SetUp() override {
        FormTest::SetUp();
        form = open(QStringLiteral("Form21"));
        ASSERT_NE(form, nullptr);
    }

    void typeAll(const Texts& texts) {
        for (const auto& [name, text] : texts)
            type(form, name, text);
    }

    void calculate(const Texts& inputs = {}) {
        typeAll(inputs);
        click(form, QStringLiteral("Command1"));
    }

    void expectTexts(const Texts& expected) {
        for (const auto& [name, text] : expected)
            EXPECT_EQ(form->text(name), text) << qPrintable(name);
    }

    QStringList promptTexts() const {
        QStringList texts;
        for (const PromptRequest& r : prompts().requests)
            texts << r.text;
        return texts;
    }

    bool outputsEnabled() const {
        return form->button(QStringLiteral("Command5"))->isEnabled() &&
               form->button(QStringLiteral("Command6"))->isEnabled() &&
               form->button(QStringLiteral("Command7"))->isEnabled();
    }

    Texts snapshot(const QStringList& names) const {
        Texts texts;
        for (const QString& name : names)
            texts[name] = form->text(name);
        return texts;
    }
};

TEST_F(Form21Test, LoadsWithItsDesignDefaults) {
    EXPECT_EQ(form->windowTitle(), StringTable::text(1404));
    expectTexts({
        {"Text3", "YI"},
        {"Text1_0", "78000"},
        {"Text1_1", "1"},
        {"Text1_2", "10"},
        {"Text1_3", "4"},
        {"Text1_4", "6"},
        {"Text1_5", "16"},
        {"Text1_6", "14"},
        {"Text1_7", "12"},
        {"Text1_8", "10"},
        {"Text1_9", "1660"},
        {"Text1_10", "0.41"},
        {"Text1_11", "0.2"},
        {"Text23", "建议0.28~0.5*D2"},
        {"text28", "大于10倍迫震频率OK"},
        {"Label46", "(0.28~0.5D2)"},
        {"Label72", "(OK/NG)"},
        {"Label50", "(合理/不合理)"},
        {"Label40", StringTable::text(1401)},
        {"Label48", StringTable::text(1402)},
        {"Label62", StringTable::text(1403)},
        {"Frame1", StringTable::text(1366)},
        {"Command3", StringTable::text(1405)},
        {"Label23_1", StringTable::text(1368)},
        {"Label23_8", StringTable::text(1377)},
    });
    EXPECT_FALSE(form->button(QStringLiteral("Command5"))->isEnabled());
    EXPECT_FALSE(form->button(QStringLiteral("Command6"))->isEnabled());
    EXPECT_FALSE(form->button(QStringLiteral("Command7"))->isEnabled());
    EXPECT_TRUE(form->button(QStringLiteral("Command1"))->isDefault());
}

TEST_F(Form21Test, DefaultSpringGivesTheKnownResults) {
    calculate();
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts({
        {"Text13", "188.5"},
        {"Text14", "5.5"},
        {"Text16", "10.5"},
        {"Text23", "3.6"},
        {"Label46", "OK"},
        {"Text4", "6.6"},
        {"Label27", "OK"},
        {"Text8", "2.44"},
        {"Text6", "4.88"},
        {"Text7", "10%"},
        {"Text10", "25.59"},
        {"text28", "890"},
        {"Text29", "23.3"},
        {"Label72", "OK"},
        {"Text5", "10.0"},
        {"Label28", "OK"},
        {"Text22", "4"},
        {"Label44", "OK"},
        {"Text17", "142.19"},
        {"Text11", "9.8"},
        {"Text12", "5%"},
        {"Text21", "1.6"},
        {"Text9", "14.63"},
        {"Text24", "3%"},
        {"Text27", "18.28"},
        {"Text25", "0.57"},
        {"Label50", "OK"},
        {"Text18", "426.58"},
        {"Text15", "0.33"},
        {"Text19", "680.6"},
        {"Text20", "1.60"},
        {"Label80", "OK"},
        {"Text31", "25.59"},
        {"Text32", "10.5"},
        {"Label79", "NG"},
        {"Text26", "1000"},
        {"Label40", StringTable::text(1398)},
        {"Label48", StringTable::text(1399)},
        {"Label62", StringTable::text(1400)},
    });
    EXPECT_TRUE(outputsEnabled());
}

// Changes to the default spring and what Calculate then shows in a fresh window.
const WindowCase kVariations[] = {
    {"WithoutH3TheStressesLimitLoadAndChecksFollowH2",
     "Form21",
     {{"Text1_8", ""}},
     {{"Text27", "12.19"},
      {"Text18", "284.39"},
      {"Text15", "0.50"},
      {"Text25", "0.19"},
      {"Label50", "NG"},
      {"Text20", "2.39"},
      {"Label79", "NG"},
      {"Text26", "1000"},
      {"Text9", ""},
      {"Text24", ""}}},
    {"ClosedUngroundEndsRaiseTheSolidHeight",
     "Form21",
     {{"Text3", "YII"}},
     {{"Text14", "7.0"}, {"Text16", "9.0"}}},
    {"OpenEnds", "Form21", {{"Text3", "YIII"}}, {{"Text14", "7.0"}}},
    {"HotCoiledGroundEnds", "Form21", {{"Text3", "RYI"}}, {{"Text14", "5.5"}}},
    {"HotCoiledFlattenedEnds", "Form21", {{"Text3", "RYII"}}, {{"Text14", "5.5"}}},
    {"TestLoadBelowTheSolidLoadIsShownWithItsDeflection",
     "Form21",
     {{"Text1_10", "0.2"}},
     {{"Text19", "332"},
      {"Text20", "0.78"},
      {"Label80", "NG"},
      {"Text31", "16.30"},
      {"Text32", "6.7"},
      {"Label79", "NG"}}},
    {"CharacteristicCheckPassesWhenBothDeflectionsLieInside",
     "Form21",
     {{"Text1_10", "0.2"}, {"Text1_8", ""}},
     {{"Text31", "16.30"}, {"Label79", "OK"}}},
    {"H1EqualToTheSolidHeightIsAccepted", "Form21", {{"Text1_6", "5.5"}}, {{"Text6", "25.59"}}},
};
INSTANTIATE_TEST_SUITE_P(Form21, WindowExample, ::testing::ValuesIn(kVariations), caseName<WindowCase>);

TEST_F(Form21Test, WeakWireIsPastTheLifeTable) {
    calculate({{"Text1_9", "500"}});
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts({{"Text26", StringTable::text(2469)}});
}

TEST_F(Form21Test, RequiredFieldsAreReportedInOrder) {
    const std::vector<std::pair<QString, int>> required = {
        {"Text1_0", 1394}, {"Text1_1", 1333}, {"Text1_2", 1332}, {"Text1_3", 1373},
        {"Text1_4", 1331}, {"Text1_5", 1369}, {"Text1_6", 1372}, {"Text1_7", 1370},
    };
    for (const auto& [name, captionId] : required) {
        SCOPED_TRACE(qPrintable(name));
        prompts().clear();
        const QString kept = form->text(name);
        calculate({{name, ""}});
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().requests[0].text, StringTable::text(1383) + StringTable::text(captionId));
        EXPECT_EQ(prompts().requests[0].title, StringTable::text(1318));
        EXPECT_EQ(form->text(QStringLiteral("Text13")), "") << "nothing is computed";
        EXPECT_FALSE(outputsEnabled());
        type(form, name, kept);
    }
    // The optional boxes may stay empty.
    prompts().clear();
    calculate({{"Text1_8", ""}, {"Text1_9", ""}, {"Text1_10", ""}, {"Text1_11", ""}});
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    EXPECT_TRUE(outputsEnabled());
}

TEST_F(Form21Test, UnknownEndFormCodeStopsBeforeAnyArithmetic) {
    for (const char* code : {"yi", "", "Y1", "YI "}) {
        SCOPED_TRACE(code);
        prompts().clear();
        calculate({{"Text3", code}});
        EXPECT_EQ(promptTexts(), QStringList{StringTable::text(1383) + StringTable::text(1367)});
        EXPECT_EQ(form->text(QStringLiteral("Text13")), "");
        EXPECT_FALSE(outputsEnabled());
    }
}

TEST_F(Form21Test, WorkingHeightsBelowTheSolidHeightAreSkippedWithAMessage) {
    calculate({{"Text1_6", "5.49"}, {"Text1_7", "5.4"}, {"Text1_8", "5.3"}});
    EXPECT_EQ(promptTexts(), QStringList(3, StringTable::text(2471)));
    expectTexts({{"Text14", "5.5"}, {"Text8", ""}, {"Text11", ""}, {"Text9", ""}});
    EXPECT_TRUE(outputsEnabled());
}

TEST_F(Form21Test, HeightsOutOfOrderEndWithTheInputError) {
    // h1 below the solid height but h2 above it: there is no rate for h2.
    calculate({{"Text1_6", "5"}});
    EXPECT_EQ(promptTexts(), (QStringList{StringTable::text(2471), StringTable::text(1035)}));
    expectTexts({{"Text14", "5.5"}, {"Text8", ""}, {"Text11", ""}, {"Text18", ""}});
    EXPECT_FALSE(outputsEnabled());

    prompts().clear();
    calculate({{"Text1_6", "5"}, {"Text1_7", "5"}, {"Text1_8", "10"}});
    EXPECT_EQ(promptTexts(),
              (QStringList{StringTable::text(2471), StringTable::text(2471), StringTable::text(1035)}));
    EXPECT_EQ(form->text(QStringLiteral("Text9")), "");
}

TEST_F(Form21Test, ArithmeticFaultsStopWithTheInputError) {
    struct Case {
        const char* name;
        Texts inputs;
        QString writtenBeforeFault; // a box that the steps before the fault filled
    };
    const std::vector<Case> cases = {
        {"no mean diameter", {{"Text1_2", "0"}}, "Text14"},
        {"no active coils", {{"Text1_3", "0"}}, "Text16"},
        {"no wire diameter", {{"Text1_1", "0"}}, "Text10"},
        {"installed height equals free height", {{"Text1_6", "16"}}, "Text6"},
        {"no tensile strength", {{"Text1_9", "0"}}, "Text19"},
        {"index of one", {{"Text1_1", "10"}, {"Text1_4", "0.1"}, {"Text1_5", "200"}}, "Text10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->close();
        flush();
        prompts().clear();
        form = open(QStringLiteral("Form21"));
        calculate(c.inputs);
        EXPECT_EQ(promptTexts(), QStringList{StringTable::text(1035)});
        EXPECT_FALSE(form->text(c.writtenBeforeFault).isEmpty());
        EXPECT_FALSE(outputsEnabled());
        for (QLineEdit* box : form->findChildren<QLineEdit*>()) {
            EXPECT_FALSE(box->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive))
                << qPrintable(box->objectName());
            EXPECT_FALSE(box->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive))
                << qPrintable(box->objectName());
        }
    }
}

TEST_F(Form21Test, StrengthStepsNeedBothTensileStrengthAndCoefficient) {
    calculate();
    const QStringList strengthOutputs = {"Text19", "Text20",  "Text31", "Text32",
                                         "Text26", "Label79", "Label80"};
    const Texts before = snapshot(strengthOutputs);
    calculate({{"Text1_9", ""}, {"Text1_10", "0.2"}, {"Text1_8", "9"}});
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_NE(form->text(QStringLiteral("Text9")), "14.63") << "h3 was calculated again";
    EXPECT_EQ(snapshot(strengthOutputs), before);
}

TEST_F(Form21Test, SlendernessMarksOnlyTheFirstFailedFixing) {
    calculate();
    calculate({{"Text1_2", "4"}}); // b = 16 / 4 = 4
    expectTexts({{"Text21", "4.0"},
                 {"Label40", StringTable::text(1398)},
                 {"Label48", StringTable::text(1396)},
                 {"Label62", StringTable::text(1400)}});
}

TEST_F(Form21Test, ResetEmptiesInputsAndResultsButKeepsToleranceCodeVerdictsAndButtons) {
    calculate({{"Text3", "YII"}});
    form->button(QStringLiteral("Command4"))->click();
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(form->text(QStringLiteral("Text1_%1").arg(i)), "") << i;
    expectTexts({{"Text1_11", "0.2"},
                 {"Text3", "YII"},
                 {"Text23", ""},
                 {"Text4", ""},
                 {"text28", ""},
                 {"Text29", ""},
                 {"Text20", ""},
                 {"Text9", ""},
                 {"Text26", ""},
                 {"Label46", "OK"},
                 {"Label79", "NG"},
                 {"Label40", StringTable::text(1398)}});
    EXPECT_TRUE(outputsEnabled());

    prompts().clear();
    click(form, QStringLiteral("Command1"));
    EXPECT_EQ(promptTexts(), QStringList{StringTable::text(1383) + StringTable::text(1394)});
}

TEST_F(Form21Test, KeysMoveThroughTheTwelveBoxesAndEnterCalculates) {
    // Focus moves only inside the active window.
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QLineEdit* last = form->field(QStringLiteral("Text1_11"));
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Down);
    EXPECT_TRUE(form->field(QStringLiteral("Text1_0"))->hasFocus());

    QTest::keyClick(form->field(QStringLiteral("Text1_0")), Qt::Key_Return);
    EXPECT_EQ(form->text(QStringLiteral("Text9")), "14.63");
}

TEST_F(Form21Test, PrintAndSnapshotButtons) {
    int printed = 0;
    windowcommands::setPrintSink([&printed](const QImage& page) { printed += page.isNull() ? 0 : 1; });
    calculate();
    click(form, QStringLiteral("Command5"));
    windowcommands::setPrintSink([](const QImage&) {});
    EXPECT_EQ(printed, 1);

    prompts().clear();
    click(form, QStringLiteral("Command8"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_TRUE(prompts().lastText().endsWith(QStringLiteral(".bmp"))) << qPrintable(prompts().lastText());
}

TEST_F(Form21Test, QueryLabelOpensTheEndFormPicker) {
    QTest::mouseClick(form->label(QStringLiteral("Label15")), Qt::LeftButton);
    FormBase* picker = FormRegistry::find(QStringLiteral("Form129"));
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    // The reference windows open the same way once they are part of the program.
    for (const char* name : {"Label20", "Label42", "Label54"})
        QTest::mouseClick(form->label(QString::fromLatin1(name)), Qt::LeftButton);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Form21Test, ModeSwitchGoesToTheNormalCalculatorAndBackToTheDefaults) {
    type(form, QStringLiteral("Text1_0"), QStringLiteral("80000"));
    click(form, QStringLiteral("Command3"));
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form21")), nullptr);
    FormBase* normal = FormRegistry::find(QStringLiteral("Form8"));
    ASSERT_NE(normal, nullptr);
    EXPECT_TRUE(normal->isVisible());

    click(normal, QStringLiteral("Command3"));
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form8")), nullptr);
    form = FormRegistry::find(QStringLiteral("Form21"));
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->text(QStringLiteral("Text1_0")), "78000");
}

} // namespace
