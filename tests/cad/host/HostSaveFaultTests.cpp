// The host's saveDxf call under faults: a write cut short (a file-size limit on the host, a
// full disk) and a read-only target. Each is refused with an error, and the old file stays as
// it was.

#include "HostProcess.h"
#include "common/FileWrite.h"
#include "common/StringTable.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cerrno>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace {

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// What the host says when a write fails with the code, in the language it picks from the
// environment it shares with the test program.
QString hostReason(int code) {
    const Language before = StringTable::language();
    StringTable::setLanguage(StringTable::languageFor(QLocale::system().uiLanguages()));
    const QString reason = filewrite::reason(code);
    StringTable::setLanguage(before);
    return reason;
}

struct DiskSpace {
    qint64 total = -1;
    qint64 free = -1;
};

// Of the file system the path lies on, as the system sees it from the path (QStorageInfo would
// look the path up among the test program's own mounts).
DiskSpace diskSpace(const QString& path) {
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {qint64(info.f_blocks * info.f_frsize), qint64(info.f_bavail * info.f_frsize)};
}

class HostSaveFault : public HostProcess {
protected:
    // The drawing grown well past what the first save wrote.
    void drawMore() {
        for (int i = 0; i < 5; ++i)
            click(form, "Command3");
    }

    // The save over the old file is refused with the system's reason; the old file stays as it
    // was, no temporary file is left beside it, and the host still answers.
    void expectRefused(const QString& path, const QString& seenAt, int code) {
        const QByteArray old = contentsOf(seenAt);
        const QCborMap reply = callHost("saveDxf", {path});
        EXPECT_FALSE(reply.value("ok").toBool());
        const QString error = reply.value("error").toString();
        EXPECT_TRUE(error.contains(path)) << qPrintable(error);
        EXPECT_TRUE(error.endsWith(hostReason(code))) << qPrintable(error);
        EXPECT_EQ(contentsOf(seenAt), old);
        const QFileInfo file(seenAt);
        EXPECT_EQ(file.dir().entryList({file.fileName() + '*'}, QDir::Files | QDir::Hidden),
                  QStringList{file.fileName()});
        EXPECT_EQ(callHost("hello", {}).value("result").toString(), "DrawingHost");
    }

    FormBase* form = nullptr;
};

TEST_F(HostSaveFault, FileSizeLimitKeepsTheOldFileAndSaysSo) {
    // The host starts as a user's shell would start it under "ulimit -f": SIGXFSZ at its default,
    // so that only the host's own start-up keeps the signal from ending it.
    hostSetup = [] { limitFileSizeForProgram(64 * 1024); };
    form = drawCompression();
    const QString path = dir.filePath("spring.dxf");
    ASSERT_TRUE(callHost("saveDxf", {path}).value("ok").toBool());
    ASSERT_LT(contentsOf(path).size(), 64 * 1024);

    drawMore();
    expectRefused(path, path, EFBIG);
}

TEST_F(HostSaveFault, FullDiskKeepsTheOldFileAndSaysSo) {
    // A small disk of the host's own: a tmpfs mounted where only the host sees it.
    constexpr qint64 kDiskSize = 512 * 1024;
    const QString disk = dir.filePath("disk");
    ASSERT_TRUE(QDir().mkpath(disk));
    const QByteArray mountPoint = QFile::encodeName(disk);
    const QByteArray options = "size=" + QByteArray::number(kDiskSize);
    hostSetup = [mountPoint, options] {
        if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0)
            ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, options.constData());
    };
    form = drawCompression();
    ASSERT_FALSE(processes.empty());
    // The host's disk as the test sees it: through the host's own view of the files.
    const QString seenDisk = QStringLiteral("/proc/%1/root%2").arg(processes.front()->processId()).arg(disk);
    if (diskSpace(seenDisk).total != kDiskSize)
        GTEST_SKIP() << "no small disk of its own for the host: mounting is not permitted here";

    const QString path = disk + "/spring.dxf";
    ASSERT_TRUE(callHost("saveDxf", {path}).value("ok").toBool());
    // 20 KiB left: the next save's first write stops short, and only the one after it can say
    // that the disk is full.
    {
        QFile filler(seenDisk + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(diskSpace(seenDisk).free - 20 * 1024, 'x'));
    }
    ASSERT_EQ(diskSpace(seenDisk).free, 20 * 1024);

    drawMore();
    expectRefused(path, seenDisk + "/spring.dxf", ENOSPC);
}

TEST_F(HostProcess, ReadOnlyFileIsNotReplacedOverTheSocket) {
    drawCompression();
    const QString path = dir.filePath("kept.dxf");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("kept");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    const QCborMap reply = callHost("saveDxf", {path});
    EXPECT_FALSE(reply.value("ok").toBool());
    EXPECT_TRUE(reply.value("error").toString().contains(path))
        << qPrintable(reply.value("error").toString());
    EXPECT_EQ(contentsOf(path), "kept");
}

} // namespace
