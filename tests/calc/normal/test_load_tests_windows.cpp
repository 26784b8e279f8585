// The load-test windows with their real calculators: what they read when they load and start,
// the tick sequences as shown, and a calculator closed or reset under a running test.

#include "calc/normal/LoadTestForm.h"
#include "support/FormTest.h"

#include <QTimer>

namespace {

struct Typed {
    const char* control;
    QString text;
};

struct Calculator {
    const char* name;
    const char* calculate;  // the calculate button
    const char* simulation; // the button that shows the load-test window
    const char* test;       // the load-test window
    QList<Typed> inputs;
};

const Calculator kCompression{"Form8",
                              "Command1",
                              "Command2",
                              "Form15",
                              {{"Combo1", "碳钢线 SWC"},
                               {"Text1_0", "2"},
                               {"Text1_1", "20"},
                               {"Text1_2", "8"},
                               {"Text1_3", "10"},
                               {"Text1_4", "50"},
                               {"Text1_5", "40"}}};
const Calculator kTorsion{"Form9",
                          "Command4",
                          "Command2",
                          "Form16",
                          {{"Combo1", "琴钢线 SWP"},
                           {"Text1_0", "2"},
                           {"Text1_1", "16"},
                           {"Text1_2", "5"},
                           {"Text1_3", "90"},
                           {"Text1_4", "180"},
                           {"Text1_5", "270"},
                           {"Text1_6", "20"},
                           {"Text1_7", "20"},
                           {"Text1_8", "10"}}};
const Calculator kExtension{"Form10",
                            "Command6",
                            "Command2",
                            "Form17",
                            {{"Combo1", "弹簧钢 SUP"},
                             {"Text1_0", "2"},
                             {"Text1_1", "20"},
                             {"Text1_2", "10"},
                             {"Text1_3", "50"},
                             {"Text1_4", "60"},
                             {"Text1_5", "70"}}};
const Calculator kConical{"Form13",
                          "Command1",
                          "Command4",
                          "Form18",
                          {{"Combo1", "弹簧钢 SUP"},
                           {"Text10_0", "2"},
                           {"Text10_1", "20"},
                           {"Text10_2", "30"},
                           {"Text10_3", "5"},
                           {"Text10_4", "40"},
                           {"Text10_5", "30"}}};

class LoadTestWindow : public FormTest {
protected:
    // Types the spring into its calculator, calculates and opens the load-test window with the
    // calculator's simulation button.
    LoadTestForm* calculateAndOpen(const Calculator& c) {
        FormBase* calculator = open(c.name);
        for (const Typed& t : c.inputs)
            calculator->setText(t.control, t.text);
        click(calculator, c.calculate);
        EXPECT_TRUE(calculator->button(c.simulation)->isEnabled()) << c.name << " did not calculate";
        click(calculator, c.simulation);
        auto* test = dynamic_cast<LoadTestForm*>(FormRegistry::find(c.test));
        EXPECT_NE(test, nullptr) << c.test;
        return test;
    }

    static QStringList labels(FormBase* f, const QStringList& names) {
        QStringList texts;
        for (const QString& name : names)
            texts << f->text(name);
        return texts;
    }

    static void closeWindow(const QString& name) {
        if (FormBase* f = FormRegistry::find(name))
            f->close();
        flush();
    }
};

TEST_F(LoadTestWindow, TickSequencesOfTheFourSprings) {
    struct Case {
        const Calculator& calculator;
        QStringList valueLabels;
        QStringList atStart;
        QList<QStringList> ticks; // six animated ticks and one holding tick
    };
    const Case cases[] = {
        {kCompression,
         {"Label7", "Label8", "Label9"},
         {"50", "50.0", ""},
         {{"50", "48.3", "416.7"},
          {"50", "46.6", "833.3"},
          {"50", "44.9", "1250.0"},
          {"50", "43.2", "1666.7"},
          {"50", "41.5", "2083.3"},
          {"50", "39.8", "2500.0"},
          {"50", "40.0", "2500.0"}}},
        {kTorsion,
         {"Label7", "Label8", "Label12", "Label9"},
         {"270", "0", "", ""},
         {{"270", "45.0", "48.945", "2.447"},
          {"270", "90.0", "97.889", "4.894"},
          {"270", "135.0", "146.834", "7.342"},
          {"270", "180.0", "195.779", "9.789"},
          {"270", "225.0", "244.724", "12.236"},
          {"270", "270.0", "293.668", "14.683"},
          {"270", "270.0", "293.668", "14.683"}}},
        {kExtension,
         {"Label7", "Label8", "Label9", "Label12"},
         {"50", "70", "5256.636", "6261.945"},
         {{"50", "53.3", "1916.636", "2921.945"},
          {"50", "56.6", "2576.636", "3581.945"},
          {"50", "59.9", "3236.636", "4241.945"},
          {"50", "63.2", "3896.636", "4901.945"},
          {"50", "66.5", "4556.636", "5561.945"},
          {"50", "69.8", "5216.636", "6221.945"},
          {"50", "70", "5256.636", "6261.945"}}},
        {kConical,
         {"Label7", "Label8", "Label9"},
         {"40", "", ""},
         {{"40", "38.3", "418.563"},
          {"40", "36.7", "837.127"},
          {"40", "35.0", "1255.690"},
          {"40", "33.3", "1674.253"},
          {"40", "31.7", "2092.816"},
          {"40", "30.0", "2511.380"},
          {"40", "30", "2511.380"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.calculator.test);
        LoadTestForm* test = calculateAndOpen(c.calculator);
        ASSERT_NE(test, nullptr);
        QTimer* timer = test->findChild<QTimer*>("Timer1");
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->interval(), 500);
        EXPECT_FALSE(test->isRunning());
        click(test, "Command1");
        EXPECT_TRUE(test->isRunning());
        EXPECT_EQ(labels(test, c.valueLabels), c.atStart);
        for (int i = 0; i < c.ticks.size(); ++i) {
            SCOPED_TRACE(i + 1);
            test->tick();
            EXPECT_EQ(labels(test, c.valueLabels), c.ticks[i]);
        }
        EXPECT_TRUE(test->isRunning()); // holding goes on until the window closes
        EXPECT_TRUE(prompts().requests.isEmpty());
        FormRegistry::closeAllExcept();
        flush();
    }
}

TEST_F(LoadTestWindow, TimerDrivesTheTicks) {
    LoadTestForm* test = calculateAndOpen(kCompression);
    ASSERT_NE(test, nullptr);
    click(test, "Command1");
    QMetaObject::invokeMethod(test->findChild<QTimer*>("Timer1"), "timeout", Qt::DirectConnection);
    EXPECT_EQ(test->text("Label8"), "48.3");
}

TEST_F(LoadTestWindow, StartingAgainMidwayGoesBackToTheStartPosition) {
    LoadTestForm* test = calculateAndOpen(kCompression);
    ASSERT_NE(test, nullptr);
    click(test, "Command1");
    test->tick();
    test->tick();
    click(test, "Command1");
    EXPECT_TRUE(test->test().drawing() == loadtest::CompressionLoadTest::motion().start);
    EXPECT_EQ(test->text("Label8"), "50.0");
    EXPECT_EQ(test->text("Label9"), "833.3"); // the load stays until the next tick
    test->tick();
    EXPECT_EQ(test->text("Label8"), "48.3");
    EXPECT_TRUE(test->isRunning());
}

TEST_F(LoadTestWindow, CompressionCopiesTheFreeHeightOnlyWhenItLoads) {
    LoadTestForm* test = calculateAndOpen(kCompression);
    ASSERT_NE(test, nullptr);
    FormBase* calculator = FormRegistry::find("Form8");
    calculator->setText("Text1_4", "60");
    click(calculator, "Command1");
    click(test, "Command1");
    EXPECT_EQ(test->text("Label7"), "50");
    EXPECT_EQ(test->text("Label8"), "60.0");

    // The extension window takes its texts again at every start.
    LoadTestForm* extension = calculateAndOpen(kExtension);
    ASSERT_NE(extension, nullptr);
    click(extension, "Command1");
    FormBase* form10 = FormRegistry::find("Form10");
    form10->setText("Text1_3", "45");
    click(form10, "Command6");
    click(extension, "Command1");
    EXPECT_EQ(extension->text("Label7"), "45");
}

TEST_F(LoadTestWindow, CalculatorGoneUnderARunningTestStopsItWithOneMessage) {
    struct Case {
        const char* name;
        const Calculator& calculator;
        int ticksBefore;
        std::function<void()> takeAway;
        QStringList valueLabels;
    };
    auto closeCalculator = [](const char* name) { return [name] { closeWindow(name); }; };
    auto resetCalculator = [](const char* name, const char* button) {
        return [name, button] { FormRegistry::find(name)->button(button)->click(); };
    };
    const Case cases[] = {
        {"compression closed while holding", kCompression, 6, closeCalculator("Form8"), {"Label8", "Label9"}},
        {"compression reset while holding",
         kCompression,
         7,
         resetCalculator("Form8", "Command4"),
         {"Label8", "Label9"}},
        {"extension closed while animating",
         kExtension,
         2,
         closeCalculator("Form10"),
         {"Label8", "Label9", "Label12"}},
        {"extension reset while animating",
         kExtension,
         2,
         resetCalculator("Form10", "Command11"),
         {"Label8", "Label9", "Label12"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts().clear();
        LoadTestForm* test = calculateAndOpen(c.calculator);
        ASSERT_NE(test, nullptr);
        click(test, "Command1");
        for (int i = 0; i < c.ticksBefore; ++i)
            test->tick();
        const QStringList shown = labels(test, c.valueLabels);
        const loadtest::Drawing drawing = test->test().drawing();
        c.takeAway();
        prompts().clear();

        test->tick();
        EXPECT_FALSE(test->isRunning());
        EXPECT_EQ(labels(test, c.valueLabels), shown);
        EXPECT_TRUE(test->test().drawing() == drawing);
        EXPECT_TRUE(prompts().requests.isEmpty()) << "a tick opened a box";
        flush();
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().requests[0].text, LoadTestForm::unreadableCalculatorText());
        EXPECT_EQ(prompts().requests[0].title, "提示");
        EXPECT_EQ(prompts().requests[0].icon, PromptIcon::Information);
        FormRegistry::closeAllExcept();
        flush();
    }
}

TEST_F(LoadTestWindow, TestsThatReadOnlyAtTheStartRunOnButCannotStartAgain) {
    for (const Calculator* c : {&kTorsion, &kConical}) {
        SCOPED_TRACE(c->test);
        prompts().clear();
        LoadTestForm* test = calculateAndOpen(*c);
        ASSERT_NE(test, nullptr);
        click(test, "Command1");
        test->tick();
        closeWindow(c->name);
        for (int i = 0; i < 6; ++i)
            test->tick();
        EXPECT_TRUE(test->isRunning());
        EXPECT_EQ(test->text("Label8"), c == &kTorsion ? "270.0" : "30");
        flush();
        EXPECT_TRUE(prompts().requests.isEmpty());

        const QString label9 = test->text("Label9");
        click(test, "Command1");
        EXPECT_FALSE(test->isRunning());
        EXPECT_EQ(test->text("Label9"), label9);
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().requests[0].text, LoadTestForm::unreadableCalculatorText());
        FormRegistry::closeAllExcept();
        flush();
    }
}

TEST_F(LoadTestWindow, MessageIsInTheLanguageInForce) {
    const QString zh = LoadTestForm::unreadableCalculatorText();
    StringTable::setLanguage(Language::ZhTW);
    const QString tw = LoadTestForm::unreadableCalculatorText();
    StringTable::setLanguage(Language::EnUS);
    const QString en = LoadTestForm::unreadableCalculatorText();
    EXPECT_TRUE(zh.contains("计算器"));
    EXPECT_TRUE(tw.contains("計算器"));
    EXPECT_TRUE(en.startsWith("The calculator"));

    FormBase* test = open("Form16");
    click(test, "Command1");
    EXPECT_EQ(prompts().lastText(), en);
}

TEST_F(LoadTestWindow, ImpossibleSpringAtTheStartShowsTheInputError) {
    LoadTestForm* test = calculateAndOpen(kCompression);
    ASSERT_NE(test, nullptr);
    FormBase* calculator = FormRegistry::find("Form8");
    calculator->setText("Text1_2", "0"); // zero active coils: the calculator stops with 1035 too
    click(calculator, "Command1");
    prompts().clear();
    click(test, "Command1");
    EXPECT_FALSE(test->isRunning());
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, "输入有错误!");
}

} // namespace
