#include "support/FormTest.h"

#include "common/WizardState.h"
#include "common/ui/FormRegistry.h"

#include <QLabel>
#include <QRadioButton>
#include <QTimer>

namespace {

class Form129Test : public FormTest {
protected:
    FormBase* picker = nullptr;

    void SetUp() override {
        FormTest::SetUp();
        wizard::inactiveEndCoils = -1.0f; // a value no end form has
        picker = open(QStringLiteral("Form129"));
        ASSERT_NE(picker, nullptr);
    }

    QTimer* timer() const { return picker->findChild<QTimer*>(QStringLiteral("Timer1")); }

    // One tick of the refresh timer, without waiting 200 ms.
    void tick() const { QMetaObject::invokeMethod(timer(), "timeout"); }

    QRadioButton* option(int number) const {
        return picker->control<QRadioButton>(QStringLiteral("Option%1").arg(number));
    }

    QList<bool> selected() const {
        QList<bool> states;
        for (int number = 1; number <= 5; ++number)
            states << option(number)->isChecked();
        return states;
    }

    void clickPicture(int number) const {
        QTest::mouseClick(picker->label(QStringLiteral("Picture%1").arg(number)), Qt::LeftButton);
    }

    QStringList boxes() const {
        return {picker->text(QStringLiteral("Text1_0")), picker->text(QStringLiteral("Text1_1")),
                picker->text(QStringLiteral("Text1_2"))};
    }
};

TEST_F(Form129Test, LoadsWithTheSecondFormSelectedAndEmptyBoxes) {
    EXPECT_EQ(picker->windowTitle(), StringTable::text(1367));
    EXPECT_EQ(picker->text(QStringLiteral("Frame1")), StringTable::text(1976));
    EXPECT_EQ(picker->text(QStringLiteral("Frame2")), StringTable::text(1975));
    EXPECT_EQ(picker->text(QStringLiteral("Label1_0")), StringTable::text(1979));
    EXPECT_EQ(picker->text(QStringLiteral("Label1_1")), StringTable::text(1978));
    EXPECT_EQ(picker->text(QStringLiteral("Label1_2")), StringTable::text(1977));
    EXPECT_EQ(picker->text(QStringLiteral("Command1")), "确认");
    EXPECT_EQ(picker->text(QStringLiteral("Command2")), "取消");
    EXPECT_EQ(picker->label(QStringLiteral("Picture5"))->toolTip(), "两端圈制扁并紧磨平或不磨");
    EXPECT_EQ(selected(), (QList<bool>{false, true, false, false, false}));
    EXPECT_EQ(boxes(), (QStringList{"", "", ""}));
    ASSERT_NE(timer(), nullptr);
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 200);

    tick();
    EXPECT_EQ(boxes(), (QStringList{"YII", "1.5~2", "1.5"}));
    EXPECT_EQ(wizard::inactiveEndCoils, 1.5f);
}

TEST_F(Form129Test, PictureClickShowsItsFormAtOnce) {
    struct Case {
        int picture;
        QStringList shown;
        float inactiveCoils;
    };
    const Case cases[] = {
        {1, {"YI", "1~2.5", "2"}, 2.0f},      {3, {"YIII", "0~1", "0"}, 0.0f},
        {4, {"RYI", "1.5~2.5", "1.5"}, 1.5f}, {5, {"RYII", "1.5~2.5", "1.5"}, 1.5f},
        {2, {"YII", "1.5~2", "1.5"}, 1.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        wizard::inactiveEndCoils = -1.0f;
        clickPicture(c.picture);
        EXPECT_EQ(boxes(), c.shown);
        EXPECT_EQ(wizard::inactiveEndCoils, c.inactiveCoils);
        QList<bool> expected(5, false);
        expected[c.picture - 1] = true;
        EXPECT_EQ(selected(), expected);
    }
}

TEST_F(Form129Test, OptionButtonActsLikeItsPicture) {
    QTest::mouseClick(option(4), Qt::LeftButton);
    EXPECT_EQ(selected(), (QList<bool>{false, false, false, true, false}));
    EXPECT_EQ(picker->text(QStringLiteral("Text1_0")), "RYI");

    // Clicking the selected option again does not clear it.
    QTest::mouseClick(option(4), Qt::LeftButton);
    EXPECT_TRUE(option(4)->isChecked());
    tick();
    EXPECT_EQ(picker->text(QStringLiteral("Text1_0")), "RYI");

    QTest::mouseClick(option(1), Qt::LeftButton);
    EXPECT_EQ(selected(), (QList<bool>{true, false, false, false, false}));
    EXPECT_EQ(picker->text(QStringLiteral("Text1_0")), "YI");
}

TEST_F(Form129Test, ConfirmWritesTheShownCodeIntoTheCalculator) {
    FormBase* calculator = open(QStringLiteral("Form21"));
    click(calculator, QStringLiteral("Command1"));
    ASSERT_EQ(calculator->text(QStringLiteral("Text14")), "5.5");

    clickPicture(3);
    click(picker, QStringLiteral("Command1"));
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form129")), nullptr) << "the picker closes";
    EXPECT_EQ(calculator->text(QStringLiteral("Text3")), "YIII");
    EXPECT_EQ(calculator->text(QStringLiteral("Text14")), "5.5") << "only the next calculation uses it";

    click(calculator, QStringLiteral("Command1"));
    EXPECT_EQ(calculator->text(QStringLiteral("Text14")), "7.0");
}

TEST_F(Form129Test, ConfirmBeforeTheFirstRefreshWritesAnEmptyCode) {
    FormBase* calculator = open(QStringLiteral("Form21"));
    click(picker, QStringLiteral("Command1"));
    EXPECT_EQ(calculator->text(QStringLiteral("Text3")), "");

    // The calculator then asks for an end form instead of computing without a solid height.
    click(calculator, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1367));
}

TEST_F(Form129Test, ConfirmLoadsAClosedCalculatorHidden) {
    ASSERT_EQ(FormRegistry::find(QStringLiteral("Form21")), nullptr);
    clickPicture(5);
    click(picker, QStringLiteral("Command1"));
    flush();
    FormBase* calculator = FormRegistry::find(QStringLiteral("Form21"));
    ASSERT_NE(calculator, nullptr);
    EXPECT_FALSE(calculator->isVisible());
    EXPECT_EQ(calculator->text(QStringLiteral("Text3")), "RYII");
    EXPECT_EQ(calculator->text(QStringLiteral("Text1_0")), "78000");
    EXPECT_FALSE(calculator->button(QStringLiteral("Command5"))->isEnabled());
}

TEST_F(Form129Test, CancelLeavesTheCodeButKeepsTheStoredCount) {
    FormBase* calculator = open(QStringLiteral("Form21"));
    clickPicture(3);
    click(picker, QStringLiteral("Command2"));
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form129")), nullptr);
    EXPECT_EQ(calculator->text(QStringLiteral("Text3")), "YI");
    EXPECT_EQ(wizard::inactiveEndCoils, 0.0f);
}

TEST_F(Form129Test, ReopeningStartsAgainFromTheSecondForm) {
    clickPicture(5);
    picker->close();
    flush();
    picker = open(QStringLiteral("Form129"));
    EXPECT_EQ(selected(), (QList<bool>{false, true, false, false, false}));
    EXPECT_EQ(boxes(), (QStringList{"", "", ""}));
}

} // namespace
