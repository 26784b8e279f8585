// The reference windows: their pictures load and their captions follow the language, except
// the windows whose designed Chinese caption is kept in every language.

#include "support/FormTest.h"

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

namespace {

struct ReferenceCase {
    const char* form;
    int pictures;
    const char* zhCaption;
    const char* enCaption; // nullptr: the Chinese caption stays in English too
};

const ReferenceCase kReferenceWindows[] = {
    {"Form25", 1, "压簧设计资料", "Compression Spring Design Data"},
    {"Form26", 1, "拉簧设计资料", "Tenstion Spring Design Data"},
    {"Form27", 1, "扭簧设计资料", "Torstion Spring Design Data"},
    {"Form28", 1, "碳素钢号对照表", "Carbon Steel sheet"},
    {"Form29", 2, "不锈钢号对照表", "Stainless Steel sheet"},
    {"Form31", 1, "弹簧制造流程图", "Spring Produce flow chart"},
    {"Form32", 1, "弹簧热处理标准", "spring heat treatment standard"},
    {"Form56", 2, "钢丝抗拉强度表", "Tensile strength of steel wire"},
    {"Form62", 1, "系数∝查询", " o< query"},
    {"Form137", 1, "压缩拉伸弹簧疲劳寿命图", nullptr},
    {"Form138", 2, "扭转弹簧疲劳寿命图", nullptr},
    {"Form141", 1, "许用应力系数表", nullptr},
    {"Form142", 1, "弹簧钢丝抗拉强度表", nullptr},
};

class ReferenceWindows : public FormTest {};

TEST_F(ReferenceWindows, EachShowsItsPicturesUnderItsCaption) {
    for (const ReferenceCase& c : kReferenceWindows) {
        SCOPED_TRACE(c.form);
        FormBase* form = open(QString::fromLatin1(c.form));
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.zhCaption));
        for (int i = 1; i <= c.pictures; ++i) {
            const QLabel* picture = form->label(QStringLiteral("Image%1").arg(i));
            const QPixmap pixmap = picture->pixmap();
            ASSERT_FALSE(pixmap.isNull()) << "Image" << i;
            // Tables and charts, not icons: every picture is drawn at a readable size.
            EXPECT_GE(pixmap.width(), 700);
            EXPECT_GE(pixmap.height(), 400);
        }
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Image%1").arg(c.pictures + 1)), nullptr);
        form->close();
        flush();
    }
}

TEST_F(ReferenceWindows, CaptionsFollowTheLanguageUnlessTheWindowKeepsItsDesignedOne) {
    StringTable::setLanguage(Language::EnUS);
    for (const ReferenceCase& c : kReferenceWindows) {
        SCOPED_TRACE(c.form);
        FormBase* form = open(QString::fromLatin1(c.form));
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.enCaption ? c.enCaption : c.zhCaption));
        form->close();
        flush();
    }
}

TEST_F(ReferenceWindows, ToleranceWindowShowsTheSummaryAsReadOnlyText) {
    FormBase* form = open(QStringLiteral("Form14"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("日本JIS公差标准"));
    EXPECT_EQ(form->text(QStringLiteral("LABEL1")), QStringLiteral("日本JIS公差标准"));
    const auto* text = form->control<QPlainTextEdit>(QStringLiteral("Text1"));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QString summary = text->toPlainText();
    EXPECT_TRUE(summary.startsWith(QStringLiteral("日本JIS B 2704~2709摘要")))
        << qPrintable(summary.left(40));
    EXPECT_FALSE(summary.contains(u'\r'));
    // Grade 3 free height of a compression spring with D/d 4 to 8 is 4 %, not 3 %.
    EXPECT_TRUE(summary.contains(QStringLiteral(
        "4≤D/d≤8：1级 ±1.0%（最小±0.2mm）；2级 ±2.0%（最小±0.5mm）；3级 ±4.0%（最小±0.7mm）")));
    EXPECT_EQ(summary, StringTable::text(1030).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(text->font().family(), QStringLiteral("宋体"));
}

TEST_F(ReferenceWindows, SymbolsWindowListsTheGlossaryInTwoColumns) {
    FormBase* form = open(QStringLiteral("Form30"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("常用符号和单位"));
    const QStringList left = form->text(QStringLiteral("Label1")).split(u'\n');
    const QStringList right = form->text(QStringLiteral("Label2")).split(u'\n');
    EXPECT_TRUE(left.contains(QStringLiteral("D2——弹簧中径（mm）")));
    EXPECT_TRUE(left.first().startsWith(QStringLiteral("A——")));
    EXPECT_TRUE(right.first().startsWith(QStringLiteral("l——")));
    EXPECT_TRUE(right.last().startsWith(QStringLiteral("φ——")));
    for (const QLabel* label : form->findChildren<QLabel*>())
        EXPECT_EQ(label->font().family(), QStringLiteral("宋体")) << qPrintable(label->objectName());
}

TEST_F(ReferenceWindows, AboutWindowShowsTheNoticeAndContactBlock) {
    FormBase* form = open(QStringLiteral("Form49"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("关于本软件"));
    EXPECT_EQ(form->text(QStringLiteral("Label1")), QStringLiteral("法律声明"));
    EXPECT_EQ(form->label(QStringLiteral("Label1"))->font().family(), QStringLiteral("宋体"));
    EXPECT_FALSE(form->control<QPlainTextEdit>(QStringLiteral("Text1"))->toPlainText().isEmpty());
    for (const char* line : {"Label2", "Label3", "Label4"})
        EXPECT_FALSE(form->text(QString::fromLatin1(line)).isEmpty()) << line;
    for (const char* picture : {"Image1", "Image2"})
        EXPECT_FALSE(form->label(QString::fromLatin1(picture))->pixmap().isNull()) << picture;
}

} // namespace
