// The unit conversion window: gf/N, gf/Lbs, inch/mm in single precision with four decimals.

#include "support/FormTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QString fieldName(int index) {
    return QStringLiteral("Text1_%1").arg(index);
}

const QString kPleaseClear = QStringLiteral("请先清除数据！");
const QString kPleaseEnter = QStringLiteral("请先输入一个数据！");

class UnitConversion : public FormTest {
protected:
    FormBase* form = nullptr;
    void SetUp() override {
        FormTest::SetUp();
        form = open(QStringLiteral("Form12"));
        ASSERT_NE(form, nullptr);
    }
    QStringList fields() const {
        QStringList texts;
        for (int i = 0; i < 6; ++i)
            texts << form->text(fieldName(i));
        return texts;
    }
};

TEST_F(UnitConversion, ConvertsTheFilledSideOfAPairIntoTheEmptyOne) {
    struct Case {
        const char* name;
        int from;
        const char* typed;
        int to;
        const char* expected;
    };
    const Case cases[] = {
        {"gram-force to newton", 0, "1000", 1, "9.8000"},
        {"newton to gram-force", 1, "9.8", 0, "1000.0000"},
        {"gram-force to pound", 2, "1000", 3, "2.2046"},
        // The single 1000.00006 keeps its last digit under the pattern.
        {"pound to gram-force", 3, "2.2046", 2, "1000.0001"},
        {"inch to millimetre", 4, "1", 5, "25.4000"},
        {"millimetre to inch", 5, "1", 4, "0.0394"},
        {"text that is no number converts as 0", 0, "abc", 1, "0.0000"},
        {"leading number of the text", 4, "2.5mm", 5, "63.5000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click(form, QStringLiteral("Command2"));
        prompts().clear();
        type(form, fieldName(c.from), QString::fromUtf8(c.typed));
        click(form, QStringLiteral("Command1"));
        EXPECT_EQ(form->text(fieldName(c.to)), QString::fromUtf8(c.expected));
        EXPECT_EQ(form->text(fieldName(c.from)), QString::fromUtf8(c.typed));
        EXPECT_TRUE(prompts().requests.isEmpty());
    }
}

TEST_F(UnitConversion, ConvertsSeveralPairsInOneClick) {
    type(form, fieldName(0), QStringLiteral("1000"));
    type(form, fieldName(2), QStringLiteral("1000"));
    click(form, QStringLiteral("Command1"));
    EXPECT_EQ(fields(), (QStringList{"1000", "9.8000", "1000", "2.2046", "", ""}));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(UnitConversion, APairWithBothSidesFilledIsRefusedAndTheOthersStillConvert) {
    type(form, fieldName(0), QStringLiteral("5"));
    type(form, fieldName(1), QStringLiteral("7"));
    type(form, fieldName(4), QStringLiteral("2"));
    click(form, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    const PromptRequest& box = prompts().requests[0];
    EXPECT_EQ(box.text, kPleaseClear);
    EXPECT_EQ(box.title, QStringLiteral("提示"));
    EXPECT_EQ(box.icon, PromptIcon::Information);
    EXPECT_EQ(box.buttons, PromptButtons::Ok);
    EXPECT_EQ(fields(), (QStringList{"5", "7", "", "", "2", "50.8000"}));

    // Converting again: now two pairs are full, one box each, in pair order.
    prompts().clear();
    click(form, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 2);
    EXPECT_EQ(prompts().requests[0].text, kPleaseClear);
    EXPECT_EQ(prompts().requests[1].text, kPleaseClear);
}

TEST_F(UnitConversion, NothingTypedAsksForAValueAndWritesNothing) {
    click(form, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, kPleaseEnter);
    EXPECT_EQ(prompts().requests[0].title, QStringLiteral("提示"));
    EXPECT_EQ(fields(), QStringList(6, QString()));
}

TEST_F(UnitConversion, EnterInAnyFieldConverts) {
    type(form, fieldName(5), QStringLiteral("254"));
    QTest::keyClick(form->field(fieldName(5)), Qt::Key_Return);
    EXPECT_EQ(form->text(fieldName(4)), QStringLiteral("10.0000"));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(UnitConversion, ResetEmptiesTheSixFieldsOnly) {
    for (int i = 0; i < 6; ++i)
        type(form, fieldName(i), QString::number(i + 1));
    const QString note = form->text(QStringLiteral("Label8"));
    click(form, QStringLiteral("Command2"));
    EXPECT_EQ(fields(), QStringList(6, QString()));
    EXPECT_EQ(form->text(QStringLiteral("Label8")), note);
    EXPECT_EQ(form->text(QStringLiteral("Label2")), QStringLiteral("gf"));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(UnitConversion, AValueBeyondSinglePrecisionStopsWithTheInputErrorAndWritesNothingMore) {
    // 3E+38 newton is about 3.1E+40 gram-force: more than a single-precision number holds.
    type(form, fieldName(1), QStringLiteral("300000000000000000000000000000000000000"));
    type(form, fieldName(4), QStringLiteral("1"));
    click(form, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, QStringLiteral("输入有错误!"));
    EXPECT_EQ(form->text(fieldName(0)), QString());
    EXPECT_EQ(form->text(fieldName(5)), QString());
}

TEST_F(UnitConversion, CaptionsComeFromTheStringTable) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("常用单位转换"));
    EXPECT_EQ(form->text(QStringLiteral("Label1")), QStringLiteral("常用单位转换"));
    EXPECT_EQ(form->text(QStringLiteral("Command1")), QStringLiteral("转换"));
    EXPECT_EQ(form->text(QStringLiteral("Command2")), QStringLiteral("重置"));
    EXPECT_EQ(form->text(QStringLiteral("Label8")),
              QStringLiteral("说明：在左边或右边任意输入一个数据后按回车或按“转换”键即可。"));
    EXPECT_EQ(form->label(QStringLiteral("Label1"))->font().family(), QStringLiteral("宋体"));
}

} // namespace
