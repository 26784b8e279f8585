// Writing a file to the end, and what the user reads when the disk or the file-size limit stops
// it part way.

#include "common/FileWrite.h"
#include "common/SafeSave.h"
#include "common/StringTable.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(WriteAll, WritesEverythingOrGivesTheErrorThatStoppedIt) {
    QTemporaryDir dir;
    const QByteArray bytes(40 * 1024, 'x');
    const struct {
        const char* name;
        rlim_t limit;
        int code;
        qsizetype written;
    } rows[] = {
        {"whole", RLIM_INFINITY, 0, bytes.size()},
        // The first write stops at the limit without an error; the next one says why.
        {"cut short", 16 * 1024, EFBIG, 16 * 1024},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(row.name);
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        ASSERT_GE(fd, 0);
        int code;
        {
            const FileSizeLimit limit(row.limit);
            code = filewrite::writeAll(fd, bytes);
        }
        ::close(fd);
        EXPECT_EQ(code, row.code);
        EXPECT_EQ(contentsOf(path), bytes.left(row.written));
    }
}

TEST(WriteAll, FullDiskSaysSo) {
    const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        GTEST_SKIP() << "no /dev/full here to stand in for a full disk";
    EXPECT_EQ(filewrite::writeAll(fd, QByteArray(20 * 1024, 'x')), ENOSPC);
    ::close(fd);
}

TEST(SafeSave, WritePastTheFileSizeLimitSaysWhyInTheUsersLanguageAndKeepsTheOldFile) {
    const struct {
        Language language;
        const char* reason;
    } rows[] = {
        {Language::EnUS, "The file is larger than the file-size limit allows"},
        {Language::ZhTW, "檔案超過了允許的大小"},
    };
    const Language before = StringTable::language();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("drawing.dxf");
        ASSERT_TRUE(safesave::write(path, "old"));
        StringTable::setLanguage(row.language);
        QString error;
        bool written;
        {
            const FileSizeLimit fullDisk(16 * 1024);
            written = safesave::write(path, QByteArray(40 * 1024, 'x'), &error);
        }
        StringTable::setLanguage(before);
        EXPECT_FALSE(written);
        EXPECT_EQ(error, QString::fromUtf8(row.reason));
        EXPECT_EQ(contentsOf(path), "old");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"drawing.dxf"});
    }
}

} // namespace
