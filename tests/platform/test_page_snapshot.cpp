#include "platform/BitmapFile.h"
#include "platform/Folders.h"
#include "platform/WindowCommands.h"
#include "support/RecordingPrompter.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

quint32 le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

class PageSnapshot : public ::testing::Test {
protected:
    void SetUp() override {
        RecordingPrompter::instance().clear();
        previous = folders::outputFolder();
        folders::setOutputFolder(dir.path());
    }
    void TearDown() override { folders::setOutputFolder(previous); }
    QTemporaryDir dir;
    QString previous;
};

TEST_F(PageSnapshot, WritesWindowImageAs24BitBitmapNamedByTime) {
    QLabel window(QStringLiteral("snapshot"));
    window.resize(37, 21); // odd width: rows need padding
    const QDateTime when(QDate(2024, 2, 3), QTime(9, 5, 7));
    const QString path = windowcommands::savePageSnapshot(&window, when);
    EXPECT_EQ(path, QDir(dir.path()).filePath("20240203-090507.bmp"));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(le32(bytes, 2), quint32(bytes.size()));
    EXPECT_EQ(le32(bytes, 10), 54u);
    EXPECT_EQ(le32(bytes, 18), 37u);
    EXPECT_EQ(le32(bytes, 22), 21u);
    EXPECT_EQ(le16(bytes, 28), 24);
    EXPECT_EQ(bytes.size(), 54 + 21 * 112); // 37 * 3 = 111, padded to 112

    const QImage expected = window.grab().toImage().convertToFormat(QImage::Format_RGB888);
    const QImage read = QImage(path).convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(read, expected);

    const auto& asked = RecordingPrompter::instance().requests;
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].text.endsWith("20240203-090507.bmp"));
    EXPECT_TRUE(asked[0].text.contains(QDir::toNativeSeparators(dir.path())));
}

TEST_F(PageSnapshot, SnapshotsWithinOneSecondNeverReplaceEachOther) {
    QLabel window(QStringLiteral("snapshot"));
    window.resize(8, 8);
    const QDateTime when(QDate(2024, 2, 3), QTime(9, 5, 7));
    const QStringList expected = {"20240203-090507.bmp", "20240203-090507-2.bmp", "20240203-090507-3.bmp"};
    for (const QString& name : expected) {
        RecordingPrompter::instance().clear();
        EXPECT_EQ(windowcommands::savePageSnapshot(&window, when), QDir(dir.path()).filePath(name));
        // The confirmation names the file really written.
        EXPECT_TRUE(RecordingPrompter::instance().lastText().endsWith(name)) << qPrintable(name);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST_F(PageSnapshot, FailedWriteSaysSoAndConfirmsNothing) {
    QFile blocker(dir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    folders::setOutputFolder(blocker.fileName() + "/inside");
    QLabel window(QStringLiteral("x"));
    window.resize(10, 10);
    EXPECT_EQ(windowcommands::savePageSnapshot(&window, QDateTime::currentDateTime()), QString());
    const auto& asked = RecordingPrompter::instance().requests;
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].icon, PromptIcon::Warning);
}

TEST(BitmapFile, EncodesRowsBottomUpInBlueGreenRed) {
    QImage image(2, 2, QImage::Format_RGB888);
    image.setPixelColor(0, 0, QColor(255, 0, 0));
    image.setPixelColor(1, 0, QColor(0, 255, 0));
    image.setPixelColor(0, 1, QColor(0, 0, 255));
    image.setPixelColor(1, 1, QColor(1, 2, 3));
    const QByteArray b = bitmap::encode24(image);
    ASSERT_EQ(b.size(), 54 + 2 * 8);
    // first stored row is the bottom one: blue, then (1,2,3), then two padding bytes
    EXPECT_EQ(b.mid(54, 8), QByteArray("\xff\x00\x00\x03\x02\x01\x00\x00", 8));
    EXPECT_EQ(b.mid(62, 8), QByteArray("\x00\x00\xff\x00\xff\x00\x00\x00", 8));
    EXPECT_EQ(le32(b, 38), 0u);
    EXPECT_EQ(le32(b, 42), 0u);
}

} // namespace
