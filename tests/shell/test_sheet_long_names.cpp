// A drawing sheet whose part number makes a file name as long as the file system allows: the
// bitmap is saved under that name, and nothing else is left in the output folder.

#include "platform/Folders.h"
#include "shell/DrawingSheet.h"
#include "support/FormTest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class LongSheetNames : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        previousOutput = folders::outputFolder();
        folders::setOutputFolder(outputs.path());
    }
    void TearDown() override {
        folders::setOutputFolder(previousOutput);
        FormTest::TearDown();
    }

    QTemporaryDir outputs;
    QString previousOutput;
};

TEST_F(LongSheetNames, EveryNameTheFileSystemTakesSaves) {
    for (const int bytes : {240, 242, 254, 255}) {
        SCOPED_TRACE(bytes);
        const QString name = QString(bytes - 4, u'p') + ".bmp";
        auto* sheet = open<DrawingSheet>(QStringLiteral("Form63"));
        type(sheet, "Text1_1", name.chopped(4));
        sheet->picture()->setFocus();
        QTest::mouseClick(sheet->picture(), Qt::LeftButton, {}, QPoint(1, 1));
        flush();
        ASSERT_FALSE(prompts().requests.isEmpty());
        EXPECT_EQ(prompts().requests.last().text,
                  "已经保存为" + QDir::toNativeSeparators(QDir(outputs.path()).filePath(name)));
        const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
        EXPECT_EQ(QDir(outputs.path()).entryList(all), QStringList{name});
        EXPECT_TRUE(QFile::remove(QDir(outputs.path()).filePath(name)));
        delete FormRegistry::find(QStringLiteral("Form63"));
    }
}

} // namespace
