// The Label23 items of the designers open the tensile-strength workbook, unit labels of the
// array included; the buffer designer's items open nothing.

#include "DesignerTest.h"

#include "platform/ExcelWorkbookOpener.h"
#include "support/RecordingSpreadsheet.h"

#include <QLabel>

namespace {

class TensileStrengthViewers : public DesignerTest {
protected:
    void SetUp() override {
        DesignerTest::SetUp();
        app().reset();
    }
    void TearDown() override {
        app().reset();
        DesignerTest::TearDown();
    }
    static RecordingSpreadsheet& app() { return RecordingSpreadsheet::instance(); }
    static QStringList opened() { return app().callsStartingWith(QStringLiteral("openCopy")); }
};

TEST_F(TensileStrengthViewers, EveryItemOpensTheWorkbook) {
    const QStringList expected = {QStringLiteral("openCopy ") +
                                  ExcelWorkbookOpener::fullPathOf(QStringLiteral("/klqd.xls"))};
    const std::pair<const char*, std::vector<const char*>> windows[] = {
        {"Form131", {"Label23_0", "Label23_2", "Label23_3", "Label23_8"}},
        {"Form130", {"Label23_0", "Label23_2", "Label23_5", "Label23_6"}},
        {"Form132", {"Label23_0", "Label23_3", "Label23_9", "Label23_11", "Label23_12"}},
    };
    for (const auto& [window, items] : windows) {
        FormBase* f = open(QString::fromLatin1(window));
        for (const char* item : items) {
            app().reset();
            QTest::mouseClick(f->label(QString::fromLatin1(item)), Qt::LeftButton);
            EXPECT_EQ(opened(), expected) << window << " " << item;
            ASSERT_EQ(app().books.size(), 1) << window << " " << item;
            EXPECT_TRUE(app().books[0].visible);
        }
    }
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(TensileStrengthViewers, BufferDesignerItemsOpenNothing) {
    FormBase* f = open(QStringLiteral("Form128"));
    QTest::mouseClick(f->label(QStringLiteral("Label23_0")), Qt::LeftButton);
    QTest::mouseClick(f->label(QStringLiteral("Label23_3")), Qt::LeftButton);
    EXPECT_TRUE(app().calls.isEmpty());
}

} // namespace
