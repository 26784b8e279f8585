// Theoretical pass rate: the rate ranges and the pass-rate cases text for text, the exact
// boundary, the required boxes, faults and the material list.

#include "common/SpringMaterials.h"
#include "support/FormTest.h"

#include <QComboBox>

namespace {

struct Spring {
    const char *d, *fewestCoils, *mostCoils, *smallestMean, *largestMean, *shortest, *longest, *working,
        *load;
};

class PassRateWindow : public FormTest {
protected:
    FormBase* form() { return open("Form87"); }

    static void enter(FormBase* f, const Spring& s) {
        const char* values[] = {s.d,        s.fewestCoils, s.mostCoils, s.smallestMean, s.largestMean,
                                s.shortest, s.longest,     s.working,   s.load};
        for (int i = 0; i < 9; ++i)
            type(f, QStringLiteral("Text1_%1").arg(i), QString::fromUtf8(values[i]));
    }
    static QStringList results(FormBase* f) {
        return {f->text("Text2"), f->text("Text3"), f->text("Text4"), f->text("Text5"), f->text("Text6")};
    }
};

TEST_F(PassRateWindow, WorkedExampleByFreeLengthLimits) {
    struct Case {
        const char* name;
        Spring spring;
        QStringList expected;
    };
    const Case cases[] = {
        {"compression around the allowed range",
         {"2", "9", "11", "19", "21", "58", "62", "40", "4"},
         {"0.15706", "0.25919", "0.18182", "0.22222", "39.562"}},
        {"compression inside",
         {"2", "9", "11", "19", "21", "53", "68", "40", "4"},
         {"0.15706", "0.25919", "0.14286", "0.30769", "100"}},
        {"compression over the upper limit",
         {"2", "9", "11", "19", "21", "56", "66", "40", "4"},
         {"0.15706", "0.25919", "0.15385", "0.25000", "91.002"}},
        {"compression under the lower limit",
         {"2", "9", "11", "19", "21", "50", "60", "40", "4"},
         {"0.15706", "0.25919", "0.20000", "0.40000", "57.956"}},
        {"compression apart",
         {"2", "9", "11", "19", "21", "45", "48", "40", "4"},
         {"0.15706", "0.25919", "0.50000", "0.80000", "0"}},
        {"extension around the allowed range",
         {"2", "9", "11", "19", "21", "40", "44", "60", "4"},
         {"0.15706", "0.25919", "0.20000", "0.25000", "48.958"}},
        {"longest length below the working length gives a negative lower limit",
         {"2", "9", "11", "19", "21", "50", "30", "40", "4"},
         {"0.15706", "0.25919", "-0.40000", "0.40000", "100"}},
        {"equal extremes strictly inside",
         {"2", "10", "10", "20", "20", "45", "70", "40", "4"},
         {"0.20000", "0.20000", "0.13333", "0.80000", "100"}},
        {"equal extremes outside",
         {"2", "10", "10", "20", "20", "41", "42", "40", "4"},
         {"0.20000", "0.20000", "2.00000", "4.00000", "0"}},
        {"leading number of a pasted text",
         {"2abc", "9", "11", "19", "21", "58", "62", "40", "4"},
         {"0.15706", "0.25919", "0.18182", "0.22222", "39.562"}},
        {"a blank is not empty and reads 0",
         {" ", "9", "11", "19", "21", "58", "62", "40", "4"},
         {"0.00000", "0.00000", "0.18182", "0.22222", "0"}},
    };
    FormBase* f = form();
    EXPECT_EQ(f->text("Combo1"), "弹簧钢 SUP");
    f->setText("Combo1", "琴钢线 SWP");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        enter(f, c.spring);
        click(f, "Command1");
        EXPECT_EQ(results(f), c.expected);
    }
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(PassRateWindow, RateOnALimitLeavesThePassRateAsItWas) {
    // Kmin = Kmax = 0.2 and the allowed range 0.2 .. 0.4: no case applies.
    const Spring onLimit{"2", "10", "10", "20", "20", "50", "60", "40", "4"};
    FormBase* f = form();
    enter(f, onLimit);
    click(f, "Command1");
    EXPECT_EQ(results(f), (QStringList{"0.20000", "0.20000", "0.20000", "0.40000", ""}));

    enter(f, {"2", "9", "11", "19", "21", "58", "62", "40", "4"});
    click(f, "Command1");
    enter(f, onLimit);
    click(f, "Command1");
    EXPECT_EQ(f->text("Text6"), "39.562");
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(PassRateWindow, EmptyBoxIsReportedAndNothingChanges) {
    FormBase* f = form();
    enter(f, {"2", "9", "11", "19", "21", "58", "62", "40", "4"});
    click(f, "Command1");
    const QStringList before = results(f);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        prompts().clear();
        enter(f, {"2", "9", "11", "19", "21", "53", "68", "40", "4"});
        type(f, QStringLiteral("Text1_%1").arg(i), "");
        click(f, "Command1");
        EXPECT_EQ(results(f), before);
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().requests[0].text, "输入有错误，请检查");
        EXPECT_EQ(prompts().requests[0].title, "提示");
        EXPECT_EQ(prompts().requests[0].icon, PromptIcon::Information);
    }
}

TEST_F(PassRateWindow, ArithmeticFaultStopsWhereItHappens) {
    struct Case {
        const char* name;
        Spring spring;
        bool ratesWritten;
    };
    const Case cases[] = {
        {"zero smallest mean diameter", {"2", "9", "11", "0", "21", "53", "68", "40", "4"}, false},
        {"zero most coils", {"2", "9", "0", "19", "21", "53", "68", "40", "4"}, false},
        {"extension with shortest length at the working length",
         {"2", "10", "10", "20", "20", "40", "44", "40", "4"},
         true},
        {"compression with longest length at the working length",
         {"2", "10", "10", "20", "20", "50", "40", "40", "4"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormBase* f = form();
        enter(f, {"2", "9", "11", "19", "21", "58", "62", "40", "4"});
        click(f, "Command1");
        prompts().clear();
        enter(f, c.spring);
        click(f, "Command1");
        const QStringList expectedRates =
            c.ratesWritten ? QStringList{"0.20000", "0.20000"} : QStringList{"0.15706", "0.25919"};
        const QStringList kept = {"0.18182", "0.22222", "39.562"};
        EXPECT_EQ(results(f), expectedRates + kept);
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().requests[0].text, "输入有错误!");
    }
}

TEST_F(PassRateWindow, UnknownMaterialGivesZeroRates) {
    FormBase* f = form();
    f->setText("Combo1", "60Si2Mn"); // a grade that this list does not hold
    enter(f, {"2", "9", "11", "19", "21", "58", "62", "40", "4"});
    click(f, "Command1");
    EXPECT_EQ(results(f), (QStringList{"0.00000", "0.00000", "0.18182", "0.22222", "0"}));
}

TEST_F(PassRateWindow, ResetEmptiesAllBoxesAndKeepsTheMaterial) {
    FormBase* f = form();
    f->comboBox("Combo1")->setCurrentIndex(5);
    enter(f, {"2", "9", "11", "19", "21", "58", "62", "40", "4"});
    click(f, "Command1");
    click(f, "Command2");
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(f->text(QStringLiteral("Text1_%1").arg(i)), "");
    EXPECT_EQ(results(f), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(f->text("Combo1"), "65Mn");
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), "输入有错误，请检查");
}

TEST_F(PassRateWindow, MaterialListInItsOwnOrder) {
    const QStringList expected = {"弹簧钢 SUP",      "琴钢线 SWP",      "油回火 SWO",
                                  "硬钢线 SW",       "碳钢线 SWC",      "65Mn",
                                  "60Si2MnA",        "55CrSi",          "不锈钢线 SUS631",
                                  "不锈钢线 SUS316", "不锈钢线 SUS304", "不锈钢线 SUS302",
                                  "铍铜线 BeCuW",    "磷青铜线 PBW",    "黄铜线 BsW",
                                  "白铜线 HSWS",     "50CrVA",          "17-7",
                                  "65Si2MnWA",       "60Si2CrVA"};
    QComboBox* list = form()->comboBox("Combo1");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    EXPECT_EQ(shown, expected);
    QStringList sorted = shown, rows = springMaterialNames(SpringMaterialRows::Short);
    sorted.sort();
    rows.sort();
    EXPECT_EQ(sorted, rows);
}

TEST_F(PassRateWindow, EnterInABoxCalculates) {
    FormBase* f = form();
    enter(f, {"2", "9", "11", "19", "21", "53", "68", "40", "4"});
    QTest::keyClick(f->field("Text1_8"), Qt::Key_Return);
    EXPECT_EQ(f->text("Text6"), "100");
}

} // namespace
