// What the four quick designers share: the timer that costs nothing while nothing is typed,
// the refusing key filter of three of them, the texts that Load takes from the string table
// and the colours of the window design.

#include "QuickDesignerTest.h"

#include <QLabel>
#include <QTimer>

namespace {

const char* const kQuickDesigners[] = {"Form139", "Form122", "Form140", "Form143"};

class QuickDesignerFrame : public FormTest {};

TEST_F(QuickDesignerFrame, TimerRunsEveryTwoHundredMilliseconds) {
    for (const char* window : kQuickDesigners) {
        FormBase* f = open(QString::fromLatin1(window));
        auto* timer = f->findChild<QTimer*>(QStringLiteral("Timer1"));
        ASSERT_NE(timer, nullptr) << window;
        EXPECT_TRUE(timer->isActive()) << window;
        EXPECT_EQ(timer->interval(), 200) << window;
    }
}

TEST_F(QuickDesignerFrame, ShowsTheSketchAndTheModulusTable) {
    for (const char* window : kQuickDesigners) {
        FormBase* f = open(QString::fromLatin1(window));
        EXPECT_FALSE(f->label(QStringLiteral("Picture1"))->pixmap().isNull()) << window;
        EXPECT_FALSE(f->label(QStringLiteral("Picture2"))->pixmap().isNull()) << window;
    }
}

TEST_F(QuickDesignerFrame, TickWithoutTypingRecomputesNothing) {
    FormBase* f = open(QStringLiteral("Form122"));
    typeAll(f, {{"Text1_6", "1.2"}});
    tickOnce(f);
    expectTexts(f, {{"Text2_4", "25.2"}});
    // A result box changed behind the window's back stays as it is while no input changes.
    f->setText(QStringLiteral("Text2_4"), QStringLiteral("marker"));
    tickOnce(f);
    expectTexts(f, {{"Text2_4", "marker"}});
    typeAll(f, {{"Text1_6", "1.20"}});
    tickOnce(f);
    expectTexts(f, {{"Text2_4", "25.2"}});
}

TEST_F(QuickDesignerFrame, LettersAreRefusedWithTheMessageOutsideTheTorsionDesigner) {
    for (const char* window : {"Form139", "Form122", "Form143"}) {
        SCOPED_TRACE(window);
        FormBase* f = open(QString::fromLatin1(window));
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        QLineEdit* first = f->field(QStringLiteral("Text1_0"));
        const QString before = first->text();
        prompts().clear();
        QTest::keyClicks(first, "a");
        EXPECT_EQ(first->text(), before);
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().requests[0].text, StringTable::text(1032));
        EXPECT_EQ(prompts().requests[0].title, StringTable::text(1318));
        f->close();
        flush();
    }
}

TEST_F(QuickDesignerFrame, LoadTakesItsTextsFromTheTableInTheUsersLanguage) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = open(QStringLiteral("Form139"));
    expectTexts(f, {{"Frame1", "Known conditions"},
                    {"Frame2", "Calculation results"},
                    {"Label1_5", "Wire Dia"},
                    {"Label1_6", "Modulus G"},
                    {"Label2_4", "Max Turns"},
                    {"Label3_7", "Actual load F1"},
                    {"Label2_14", "mm"}});
    EXPECT_EQ(f->windowTitle(), StringTable::text(2450));
    EXPECT_EQ(f->field(QStringLiteral("Text1_6"))->toolTip(), StringTable::text(2463));
    // Texts of the window design read the same in every language.
    EXPECT_EQ(f->field(QStringLiteral("Text1_1"))->toolTip(), QString::fromUtf8("不确定时,一般(0.1-0.5)P2"));
    EXPECT_EQ(f->label(QStringLiteral("Picture1"))->toolTip(), QString::fromUtf8("安装空间图片"));
    EXPECT_EQ(f->label(QStringLiteral("Picture2"))->toolTip(), QString::fromUtf8("材料横弹性系数表"));
    FormBase* torsion = open(QStringLiteral("Form140"));
    EXPECT_EQ(torsion->label(QStringLiteral("Picture2"))->toolTip(), QString::fromUtf8("材料纵弹性系数表"));
    FormBase* rate = open(QStringLiteral("Form143"));
    expectTexts(rate, {{"Label1_0", "The types of load \r\n\r\n"}});
    EXPECT_EQ(rate->text(QStringLiteral("Label1_6")), StringTable::text(2468));
}

TEST_F(QuickDesignerFrame, ColoursTellKnownConditionsEstimatesAndKeyResults) {
    FormBase* f = open(QStringLiteral("Form139"));
    auto style = [&](const char* name) {
        return f->control<QWidget>(QString::fromLatin1(name))->styleSheet();
    };
    EXPECT_TRUE(style("Text1_0").contains("rgb(192,192,255)"));
    EXPECT_TRUE(style("Text1_6").contains("rgb(255,192,128)"));
    EXPECT_TRUE(style("Text1_7").contains("rgb(255,192,128)"));
    EXPECT_TRUE(style("Text1_3").contains("color: rgb(255,0,0)"));
    EXPECT_TRUE(style("Text2_7").contains("rgb(255,128,128)"));
    EXPECT_TRUE(style("Label2_14").contains("rgb(255,0,0)"));
    EXPECT_TRUE(f->field(QStringLiteral("Text2_7"))->isReadOnly());
}

} // namespace
