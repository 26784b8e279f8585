#include "common/StringTable.h"
#include "platform/TextReport.h"
#include "support/RecordingPrompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TextReport : public ::testing::Test {
protected:
    void SetUp() override { RecordingPrompter::instance().clear(); }
    void TearDown() override {
        report::setFileChooser(nullptr);
        StringTable::setLanguage(Language::ZhCN);
    }
    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void choose(const QString& path) {
        report::setFileChooser([path](QWidget*, const QString&, const QString&) { return path; });
    }
    QTemporaryDir dir;
};

TEST_F(TextReport, FrameHasHeadingsBlankLinesAndFooter) {
    const QDateTime when(QDate(2024, 1, 31), QTime(15, 45, 2));
    for (Language language : {Language::ZhCN, Language::EnUS}) {
        StringTable::setLanguage(language);
        const QString text = report::designReportText(
            {StringTable::text(2279), {"d 1mm", "D 10mm"}, {"k 100", "P 9.8N"}}, when);
        const QString expected = StringTable::text(2279) + "\r\n\r\n" + StringTable::text(2271) +
                                 "\r\n\r\nd 1mm\r\nD 10mm\r\n\r\n\r\n" + StringTable::text(2272) +
                                 "\r\n\r\nk 100\r\nP 9.8N\r\n\r\n\r\n" + StringTable::text(2273) +
                                 report::footerTime(when) + "\r\n\r\n";
        EXPECT_EQ(text, expected);
    }
    EXPECT_TRUE(report::footerTime(when).endsWith("15:45:02"));
}

TEST_F(TextReport, SaveWritesUtf8WithoutBomAndAddsTxt) {
    choose(dir.filePath("design"));
    const QString path = report::saveAs(nullptr, QStringLiteral("弹簧\r\n"));
    EXPECT_EQ(path, dir.filePath("design.txt"));
    EXPECT_EQ(read(path), QString("弹簧\r\n").toUtf8());
    EXPECT_TRUE(RecordingPrompter::instance().requests.isEmpty());
}

TEST_F(TextReport, NameEndingInAPointGetsTxtInPlaceOfIt) {
    choose(dir.filePath("design."));
    EXPECT_EQ(report::saveAs(nullptr, QStringLiteral("x\r\n")), dir.filePath("design.txt"));
    choose(dir.filePath("design.rpt"));
    EXPECT_EQ(report::saveAs(nullptr, QStringLiteral("x\r\n")), dir.filePath("design.rpt"));
}

TEST_F(TextReport, SavingTwiceKeepsOnlyTheSecondReport) {
    choose(dir.filePath("r.txt"));
    report::saveAs(nullptr, QStringLiteral("first, longer report\r\n"));
    report::saveAs(nullptr, QStringLiteral("second\r\n"));
    EXPECT_EQ(read(dir.filePath("r.txt")), "second\r\n");
}

TEST_F(TextReport, CancelWritesNothingEvenAfterAnEarlierSave) {
    choose(dir.filePath("r.txt"));
    report::saveAs(nullptr, QStringLiteral("kept\r\n"));
    choose(QString());
    EXPECT_EQ(report::saveAs(nullptr, QStringLiteral("must not be written\r\n")), QString());
    EXPECT_EQ(read(dir.filePath("r.txt")), "kept\r\n");
    EXPECT_TRUE(RecordingPrompter::instance().requests.isEmpty());
}

TEST_F(TextReport, UnwritableFolderIsReportedByName) {
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath("file/report.txt");
    choose(path);
    EXPECT_EQ(report::saveAs(nullptr, QStringLiteral("x\r\n")), QString());
    const auto& asked = RecordingPrompter::instance().requests;
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].text.contains(path));
    EXPECT_EQ(asked[0].icon, PromptIcon::Warning);
}

} // namespace
