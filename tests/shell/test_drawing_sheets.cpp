// Drawing sheets: their fields, the bitmap a click on the picture writes, and what happens
// when the file exists or cannot be written (a bad folder, a file-size limit).

#include "common/FileWrite.h"
#include "platform/Folders.h"
#include "shell/DrawingSheet.h"
#include "shell/SheetBitmapWriter.h"
#include "support/FileSizeLimit.h"
#include "support/FormTest.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <cerrno>
#include <set>

namespace {

quint32 le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kProgramTitle = QStringLiteral("SpireltaSpringV2024");

class DrawingSheets : public FormTest {
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

    DrawingSheet* sheet(const char* name = "Form63") { return open<DrawingSheet>(QString::fromLatin1(name)); }

    // A click on the picture where no field lies (its border).
    static void clickPicture(DrawingSheet* s) {
        s->picture()->setFocus(); // as the click itself does, so the capture has no caret
        QTest::mouseClick(s->picture(), Qt::LeftButton, {}, QPoint(1, 1));
    }

    QString output(const QString& name) const { return QDir(outputs.path()).filePath(name); }

    // A sheet whose part number names a file that is already there, holding "kept".
    DrawingSheet* sheetOverAKeptFile(const char* name, const QString& partNumber) {
        QFile old(output(partNumber + ".bmp"));
        EXPECT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("kept");
        old.close();
        DrawingSheet* s = sheet(name);
        type(s, "Text1_1", partNumber);
        return s;
    }

    QTemporaryDir outputs;
    QString previousOutput;
};

TEST_F(DrawingSheets, ClickWritesTheSheetAsItIsShownAnd24BitBitmapReadsBack) {
    DrawingSheet* s = sheet();
    type(s, "Text1_0", "ACME Springs");
    type(s, "Text1_1", "CS-100");
    s->picture()->setFocus();
    const QImage shown = s->capture();
    ASSERT_EQ(shown.size(), QSize(757, 535));
    clickPicture(s);

    const QString path = output("CS-100.bmp");
    ASSERT_EQ(prompts().requests.size(), 1);
    const PromptRequest& confirm = prompts().requests.first();
    EXPECT_EQ(confirm.text, "已经保存为" + QDir::toNativeSeparators(path));
    EXPECT_EQ(confirm.title, kProgramTitle);
    EXPECT_EQ(confirm.icon, PromptIcon::None);
    EXPECT_EQ(confirm.buttons, PromptButtons::Ok);
    flush();
    EXPECT_EQ(FormRegistry::find("Form63"), nullptr);

    const QByteArray file = readAll(path);
    const int width = 757, height = 535, rowBytes = 2272; // 3 x 757 = 2271, padded to 4
    const quint32 imageSize = quint32(rowBytes) * height;
    ASSERT_EQ(file.size(), qsizetype(54 + imageSize));
    EXPECT_EQ(file.left(2), "BM");
    EXPECT_EQ(le32(file, 2), 54 + imageSize);
    EXPECT_EQ(le32(file, 6), 0u);
    EXPECT_EQ(le32(file, 10), 54u);
    EXPECT_EQ(le32(file, 14), 40u);
    EXPECT_EQ(le32(file, 18), quint32(width));
    EXPECT_EQ(le32(file, 22), quint32(height));
    EXPECT_EQ(le16(file, 26), 1);
    EXPECT_EQ(le16(file, 28), 24);
    EXPECT_EQ(le32(file, 30), 0u);
    EXPECT_EQ(le32(file, 34), imageSize);
    for (int at : {38, 42, 46, 50})
        EXPECT_EQ(le32(file, at), 0u) << at;

    int mismatches = 0;
    int redPixels = 0;
    for (int y = 0; y < height; ++y) {
        const int row = 54 + (height - 1 - y) * rowBytes; // bottom row first
        EXPECT_EQ(file[row + rowBytes - 1], '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb expected = shown.pixel(x, y);
            const auto* p = reinterpret_cast<const uchar*>(file.constData() + row + 3 * x);
            if (p[0] != qBlue(expected) || p[1] != qGreen(expected) || p[2] != qRed(expected))
                ++mismatches;
            if (p[2] > 200 && p[1] < 80 && p[0] < 80)
                ++redPixels;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(redPixels, 50) << "the red fields are part of the picture";

    const QImage viewer(path);
    ASSERT_FALSE(viewer.isNull());
    EXPECT_EQ(viewer.convertToFormat(QImage::Format_RGB32), shown);
}

TEST_F(DrawingSheets, ClickOnAFieldGoesToTheFieldAndSavesNothing) {
    DrawingSheet* s = sheet();
    QTest::mouseClick(s->field("Text1_1"), Qt::LeftButton);
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_TRUE(QDir(outputs.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(FormRegistry::find("Form63"), s);
}

TEST_F(DrawingSheets, UnchangedPartNumberNamesTheFile) {
    clickPicture(sheet("Form134"));
    EXPECT_TRUE(QFile::exists(output("改为你的料号或品名.bmp")));
}

TEST_F(DrawingSheets, ExistingFileIsReplacedOnlyWhenTheUserAgrees) {
    const QString path = output("TS-200.bmp");
    DrawingSheet* s = sheetOverAKeptFile("Form135", "TS-200");
    prompts().answers = {PromptAnswer::No};
    clickPicture(s);

    ASSERT_EQ(prompts().requests.size(), 1);
    const PromptRequest& question = prompts().requests.first();
    EXPECT_EQ(question.icon, PromptIcon::Question);
    EXPECT_EQ(question.buttons, PromptButtons::YesNo);
    EXPECT_TRUE(question.text.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(readAll(path), "kept");
    flush();
    EXPECT_EQ(FormRegistry::find("Form135"), s);

    prompts().clear();
    prompts().answers = {PromptAnswer::Yes};
    clickPicture(s);
    ASSERT_EQ(prompts().requests.size(), 2);
    EXPECT_EQ(prompts().lastText(), "已经保存为" + QDir::toNativeSeparators(path));
    EXPECT_TRUE(readAll(path).startsWith("BM"));
    flush();
    EXPECT_EQ(FormRegistry::find("Form135"), nullptr);
}

TEST_F(DrawingSheets, FailedWriteKeepsTheSheetOpenWithTheUsersEdits) {
    // A folder below a regular file cannot exist, whoever runs the test.
    const QString blocker = output("not-a-folder");
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    folders::setOutputFolder(blocker + "/drawings");

    DrawingSheet* s = sheet("Form133");
    type(s, "Text1_0", "ACME Springs");
    type(s, "Text1_1", "ES-7");
    clickPicture(s);

    ASSERT_EQ(prompts().requests.size(), 1);
    const PromptRequest& failure = prompts().requests.first();
    EXPECT_EQ(failure.icon, PromptIcon::Warning);
    EXPECT_TRUE(failure.text.contains(QDir::toNativeSeparators(blocker + "/drawings/ES-7.bmp")));
    EXPECT_FALSE(failure.text.startsWith("已经保存为"));
    flush();
    ASSERT_EQ(FormRegistry::find("Form133"), s);
    EXPECT_EQ(s->text("Text1_0"), "ACME Springs");
    EXPECT_EQ(s->text("Text1_1"), "ES-7");

    // Once the folder is writable again the same sheet saves.
    folders::setOutputFolder(outputs.path());
    clickPicture(s);
    EXPECT_TRUE(QFile::exists(output("ES-7.bmp")));
}

TEST_F(DrawingSheets, BitmapPastTheFileSizeLimitKeepsTheOldFileAndTheSheetOpen) {
    const QString path = output("ES-7.bmp");
    DrawingSheet* s = sheetOverAKeptFile("Form133", "ES-7");
    prompts().answers = {PromptAnswer::Yes};
    {
        // Far below the bitmap's size: the write stops part way, as on a full disk.
        const FileSizeLimit fullDisk(16 * 1024);
        clickPicture(s);
    }

    ASSERT_EQ(prompts().requests.size(), 2);
    const PromptRequest& failure = prompts().requests.last();
    EXPECT_EQ(failure.icon, PromptIcon::Warning);
    EXPECT_TRUE(failure.text.contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(failure.text.contains(filewrite::reason(EFBIG))) << qPrintable(failure.text);
    EXPECT_EQ(readAll(path), "kept");
    EXPECT_EQ(QDir(outputs.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ES-7.bmp"});
    flush();
    EXPECT_EQ(FormRegistry::find("Form133"), s);
    EXPECT_EQ(s->text("Text1_1"), "ES-7");
}

struct NameCase {
    const char* partNumber;
    const char* fileName;
};

TEST(SheetFileName, PartNumberBecomesASafeFileName) {
    StringTable::setLanguage(Language::ZhCN);
    const NameCase cases[] = {
        {"改为你的料号或品名", "改为你的料号或品名.bmp"},
        {"CS-100 rev.B", "CS-100 rev.B.bmp"},
        {"", "未命名图纸.bmp"},
        {"   ", "未命名图纸.bmp"},
        {"..", "未命名图纸.bmp"},
        {"A/B", "A_B.bmp"},
        {"../../etc/passwd", "_._etc_passwd.bmp"},
        {"..\\..\\boot", "_._boot.bmp"},
        {"C:\\parts\\A1", "C__parts_A1.bmp"},
        {".hidden", "hidden.bmp"},
        {"ab..cd", "ab.cd.bmp"},
        {"name.", "name.bmp"},
        {" P-01\tX \n", "P-01_X.bmp"},
        {"a\x01"
         "b\x7f"
         "c",
         "a_b_c.bmp"},
        {"what?<now>|*\"", "what__now____.bmp"},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(SheetBitmapWriter::fileNameFor(QString::fromUtf8(c.partNumber)),
                  QString::fromUtf8(c.fileName))
            << c.partNumber;
}

TEST(SheetFileName, LongPartNumbersFitAFileSystemName) {
    for (const QString& part : {QString(300, u'a'), QString(100, QChar(0x5f39)), QString(90, u'.') + "x"}) {
        const QString name = SheetBitmapWriter::fileNameFor(part);
        EXPECT_LE(name.toUtf8().size(), 255);
        EXPECT_TRUE(name.endsWith(".bmp"));
        EXPECT_FALSE(name.startsWith('.'));
    }
    EXPECT_EQ(SheetBitmapWriter::fileNameFor(QString(300, u'a')), QString(251, u'a') + ".bmp");
}

TEST(SheetFileName, FallbackNameFollowsTheLanguage) {
    StringTable::setLanguage(Language::EnUS);
    EXPECT_EQ(SheetBitmapWriter::fileNameFor(""), "Untitled drawing.bmp");
    StringTable::setLanguage(Language::ZhCN);
}

struct SheetLayout {
    const char* name;
    std::set<int> fields;
    std::set<int> red;
    std::vector<std::pair<int, const char*>> designTexts;
};

std::set<int> range(int first, int last, std::set<int> plus = {}) {
    for (int i = first; i <= last; ++i)
        plus.insert(i);
    return plus;
}

class SheetLayouts : public DrawingSheets, public ::testing::WithParamInterface<SheetLayout> {};

TEST_P(SheetLayouts, FieldsInkAndDesignTextsAndNoFieldHidesAnother) {
    const SheetLayout& layout = GetParam();
    DrawingSheet* s = sheet(layout.name);
    const QRect area = s->picture()->contentsRect();
    std::set<int> found;
    QList<QLineEdit*> fields;
    for (int i = 0; i < 40; ++i) {
        auto* f = s->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
        if (!f)
            continue;
        found.insert(i);
        fields.append(f);
        const QColor ink = f->palette().color(QPalette::Text);
        EXPECT_EQ(ink, layout.red.count(i) ? QColor(255, 0, 0) : QColor(0, 0, 255)) << "Text1_" << i;
        EXPECT_EQ(f->palette().color(QPalette::Base), QColor(Qt::white));
        EXPECT_FALSE(f->hasFrame());
        EXPECT_TRUE(area.contains(f->geometry())) << "Text1_" << i;
    }
    EXPECT_EQ(found, layout.fields);
    for (qsizetype a = 0; a < fields.size(); ++a)
        for (qsizetype b = a + 1; b < fields.size(); ++b)
            EXPECT_FALSE(fields[a]->geometry().intersects(fields[b]->geometry()))
                << qPrintable(fields[a]->objectName()) << " " << qPrintable(fields[b]->objectName());
    for (const auto& [index, text] : layout.designTexts)
        EXPECT_EQ(s->text(QStringLiteral("Text1_%1").arg(index)), QString::fromUtf8(text)) << index;
    EXPECT_TRUE(s->windowTitle().contains("修改下图中红色项目后，单击屏幕保存该图，然后在"));
    EXPECT_TRUE(s->windowTitle().contains(QDir::toNativeSeparators(outputs.path())));
}

const std::vector<std::pair<int, const char*>> kCommonTexts = {
    {0, "改为你的客户名称"}, {1, "改为你的料号或品名"}, {29, "改为你的公司名称"}, {2, "d"}};

std::vector<std::pair<int, const char*>> with(std::vector<std::pair<int, const char*>> more) {
    more.insert(more.end(), kCommonTexts.begin(), kCommonTexts.end());
    return more;
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, SheetLayouts,
    ::testing::Values(
        SheetLayout{
            "Form63", range(0, 29), {0, 1, 10}, with({{10, "右旋"}, {13, ""}, {20, "H0"}, {28, "D"}})},
        SheetLayout{
            "Form133", range(0, 29), {0, 1, 9, 10, 22}, with({{9, "1T"}, {10, "0mm"}, {22, "开口=0mm"}})},
        SheetLayout{
            "Form134",
            range(0, 24, {29}),
            {0, 1, 8, 9, 10},
            with({{8, "?圈"}, {9, "右旋"}, {10, "1圈"}, {11, ""}, {17, "17"}, {18, "18"}, {19, "19"}})},
        SheetLayout{"Form135",
                    range(0, 24, {29}),
                    {0, 1, 7, 10, 23, 24},
                    with({{8, "n"}, {11, ""}, {23, "自由角"}, {24, ""}})},
        SheetLayout{"Form136",
                    range(0, 26, {29}),
                    {0, 1},
                    with({{8, "n"}, {11, "z"}, {13, "13"}, {20, ""}, {23, "nj"}, {26, "d"}})}),
    [](const auto& info) { return std::string(info.param.name); });

// A part number that makes a file name as long as the file system allows saves under that
// name, and nothing else is left in the output folder.
TEST_F(DrawingSheets, EveryNameTheFileSystemTakesSaves) {
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

TEST_F(DrawingSheets, CompressionSheetCaptionAndPicturePlace) {
    DrawingSheet* s = sheet("Form63");
    EXPECT_TRUE(s->windowTitle().startsWith("图纸预览：   修改下图中红色项目后"));
    EXPECT_TRUE(s->windowTitle().endsWith("找到该图打印"));
    EXPECT_FALSE(s->windowTitle().contains("D盘"));
    EXPECT_EQ(s->picture()->y(), 8);
    DrawingSheet* wave = sheet("Form136");
    EXPECT_TRUE(wave->windowTitle().startsWith("图纸预览      修改"));
    EXPECT_EQ(wave->picture()->y(), 0);
}

TEST_F(DrawingSheets, ClosingDiscardsWhatWasTyped) {
    DrawingSheet* s = sheet("Form63");
    type(s, "Text1_0", "ACME Springs");
    s->close();
    flush();
    EXPECT_EQ(sheet("Form63")->text("Text1_0"), "改为你的客户名称");
}

} // namespace
