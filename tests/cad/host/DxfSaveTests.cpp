// Saving replaces a file in one step: the modes a saved file gets, a write that fails part
// way (a file-size limit, as on a full disk), read-only targets, and the error in each language.

#include "cad/host/DrawingModel.h"
#include "cad/host/DxfExport.h"
#include "common/FileWrite.h"
#include "common/StringTable.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <sys/stat.h>

namespace {

using namespace host;

mode_t modeOf(const QString& path) {
    struct stat s {};
    ::stat(QFile::encodeName(path).constData(), &s);
    return s.st_mode & 07777;
}

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes, mode_t mode) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// Some 300 KB of text.
void drawLarge(DrawingModel& m) {
    std::vector<Vec3> points;
    for (int i = 0; i < 3000; ++i)
        points.push_back({10 * std::cos(i / 10.0), 10 * std::sin(i / 10.0), i / 100.0});
    m.addSpline(points, {}, {});
}

class DxfSave : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        oldMask = ::umask(022);
    }
    void TearDown() override { ::umask(oldMask); }
    QString path() const { return dir.filePath("drawing.dxf"); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    mode_t oldMask = 0;
    DrawingModel model;
};

TEST_F(DxfSave, NewFileTakesTheUmaskAndAFileSavedOverKeepsItsMode) {
    model.addLine({0, 0, 0}, {1, 2, 3});
    const struct {
        const char* name;
        int existing; // -1: no file yet
        int saved;
    } rows[] = {
        {"new", -1, 0644}, {"private", 0640, 0640}, {"shared", 0666, 0666}, {"owner only", 0600, 0600}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(path());
        if (row.existing >= 0)
            writeFile(path(), "old", mode_t(row.existing));
        ASSERT_EQ(saveDxf(model, path()), QString());
        EXPECT_EQ(modeOf(path()), mode_t(row.saved));
        EXPECT_TRUE(contentsOf(path()).endsWith("EOF\n"));
        EXPECT_EQ(files(), QStringList{"drawing.dxf"});
    }
}

TEST_F(DxfSave, WriteCutShortByAFileSizeLimitKeepsTheOldFile) {
    model.addLine({0, 0, 0}, {1, 2, 3});
    ASSERT_EQ(saveDxf(model, path()), QString());
    const QByteArray old = contentsOf(path());
    drawLarge(model);

    QString error;
    {
        const FileSizeLimit fullDisk(64 * 1024);
        error = saveDxf(model, path());
    }

    EXPECT_TRUE(error.contains(path())) << qPrintable(error);
    EXPECT_TRUE(error.endsWith(filewrite::reason(EFBIG))) << qPrintable(error);
    EXPECT_EQ(contentsOf(path()), old);
    EXPECT_EQ(files(), QStringList{"drawing.dxf"});
}

TEST_F(DxfSave, ReadOnlyFileIsRefusedUnlessItsReplacementWasAgreed) {
    model.addLine({0, 0, 0}, {1, 2, 3});
    writeFile(path(), "old", 0444);
    const QString error = saveDxf(model, path());
    EXPECT_TRUE(error.contains(path())) << qPrintable(error);
    EXPECT_EQ(contentsOf(path()), "old");

    ASSERT_EQ(saveDxf(model, path(), ReadOnlyTarget::Replace), QString());
    EXPECT_TRUE(contentsOf(path()).endsWith("EOF\n"));
    EXPECT_EQ(modeOf(path()), mode_t(0444));
}

TEST_F(DxfSave, ErrorSpeaksTheUsersLanguage) {
    model.addLine({0, 0, 0}, {1, 1, 1});
    const QString missing = dir.filePath("missing/folder/drawing.dxf");
    const Language before = StringTable::language();
    const struct {
        Language language;
        const char* start;
    } rows[] = {
        {Language::ZhCN, "不能写入 "}, {Language::ZhTW, "無法寫入 "}, {Language::EnUS, "Cannot write "}};
    for (const auto& row : rows) {
        StringTable::setLanguage(row.language);
        const QString error = saveDxf(model, missing);
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(row.start) + missing)) << qPrintable(error);
    }
    StringTable::setLanguage(before);
}

} // namespace
