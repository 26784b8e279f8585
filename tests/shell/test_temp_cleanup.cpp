// The clean-up of stale temporary files, on a fixture folder with a clock of our own.

#include "shell/TempCleanup.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class TempCleanupTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString folder;  // the folder being cleaned
    QString outside; // a neighbour that must never be touched
    const QDateTime now = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());

    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        folder = root.filePath(QStringLiteral("tmp"));
        outside = root.filePath(QStringLiteral("outside"));
        ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/sub")));
        ASSERT_TRUE(QDir().mkpath(outside));
    }

    QString write(const QString& path, int bytes, qint64 ageSeconds) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
        f.write(QByteArray(bytes, 'x'));
        f.flush(); // a later flush would stamp the file with the present time again
        EXPECT_TRUE(f.setFileTime(now.addSecs(-ageSeconds), QFileDevice::FileModificationTime));
        return path;
    }
    QString inFolder(const QString& name) const { return folder + u'/' + name; }

    TempCleanupResult clean(const QDateTime& at, uid_t owner = ::getuid()) const {
        return TempCleanup(
                   folder, [at] { return at; }, owner)
            .run();
    }
};

constexpr qint64 kDay = 24 * 60 * 60;

TEST_F(TempCleanupTest, RemovesOnlyTheUsersStaleUnusedFilesDirectlyInTheFolder) {
    write(inFolder(QStringLiteral("old.txt")), 100, 2 * kDay);
    write(inFolder(QStringLiteral("just-over-a-day.log")), 250, kDay + 1);
    const QString exactlyADay = write(inFolder(QStringLiteral("exactly-a-day.txt")), 10, kDay);
    const QString fresh = write(inFolder(QStringLiteral("fresh.txt")), 10, 3600);
    const QString hidden = write(inFolder(QStringLiteral(".lock")), 10, 5 * kDay);
    const QString nested = write(folder + QStringLiteral("/sub/nested.txt"), 10, 5 * kDay);
    const QString neighbour = write(outside + QStringLiteral("/old-outside.txt"), 10, 5 * kDay);
    const QString linked = write(inFolder(QStringLiteral("two-names.txt")), 10, 5 * kDay);
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(),
                     QFile::encodeName(outside + "/second-name").constData()),
              0);
    ASSERT_TRUE(QFile::link(neighbour, inFolder(QStringLiteral("link-to-outside"))));
    const QString inUse = write(inFolder(QStringLiteral("in-use.txt")), 10, 5 * kDay);
    QFile holder(inUse);
    ASSERT_TRUE(holder.open(QIODevice::ReadOnly)); // this test process keeps it open

    const TempCleanupResult result = clean(now);

    EXPECT_EQ(result.removedFiles, 2);
    EXPECT_EQ(result.removedBytes, 350);
    EXPECT_EQ(result.keptInUse, 1);
    EXPECT_EQ(result.failed, 0);
    EXPECT_FALSE(QFile::exists(inFolder(QStringLiteral("old.txt"))));
    EXPECT_FALSE(QFile::exists(inFolder(QStringLiteral("just-over-a-day.log"))));
    for (const QString& kept : {exactlyADay, fresh, hidden, nested, neighbour, linked, inUse})
        EXPECT_TRUE(QFile::exists(kept)) << qPrintable(kept);
    EXPECT_TRUE(QFileInfo(inFolder(QStringLiteral("link-to-outside"))).isSymLink());
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/sub")).isDir());
}

TEST_F(TempCleanupTest, AgeIsJudgedByTheClockGiven) {
    const QString fresh = write(inFolder(QStringLiteral("fresh.txt")), 42, 3600);
    EXPECT_EQ(clean(now).removedFiles, 0);
    EXPECT_TRUE(QFile::exists(fresh));

    const TempCleanupResult later = clean(now.addDays(2));
    EXPECT_EQ(later.removedFiles, 1);
    EXPECT_EQ(later.removedBytes, 42);
    EXPECT_FALSE(QFile::exists(fresh));
}

TEST_F(TempCleanupTest, FilesOfAnotherUserAreLeftAlone) {
    const QString old = write(inFolder(QStringLiteral("old.txt")), 10, 5 * kDay);
    const TempCleanupResult result = clean(now, ::getuid() + 1);
    EXPECT_EQ(result.removedFiles, 0);
    EXPECT_EQ(result.removedBytes, 0);
    EXPECT_TRUE(QFile::exists(old));
}

TEST_F(TempCleanupTest, AFileReallyOwnedByAnotherUserIsLeftAlone) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    const QString theirs = write(inFolder(QStringLiteral("theirs.txt")), 10, 5 * kDay);
    ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), 65534, 65534), 0);
    EXPECT_EQ(clean(now).removedFiles, 0);
    EXPECT_TRUE(QFile::exists(theirs));
}

TEST_F(TempCleanupTest, AFolderSwappedForALinkOnceTheRunHasBegunLeadsNoRemovalElsewhere) {
    write(inFolder(QStringLiteral("old.txt")), 10, 5 * kDay);
    const QString neighbour = write(outside + QStringLiteral("/old-outside.txt"), 10, 5 * kDay);
    const QString moved = root.filePath(QStringLiteral("tmp-moved"));
    // The clock is read once the run has begun: the folder's name then leads to the neighbour.
    const auto swapThenTell = [&] {
        EXPECT_TRUE(QDir().rename(folder, moved));
        EXPECT_TRUE(QFile::link(outside, folder));
        return now;
    };
    const TempCleanupResult result = TempCleanup(folder, swapThenTell, ::getuid()).run();
    EXPECT_TRUE(QFile::exists(neighbour));
    EXPECT_EQ(result.removedFiles, 1);
    EXPECT_FALSE(QFile::exists(moved + QStringLiteral("/old.txt")));
}

TEST_F(TempCleanupTest, AMissingOrEmptyFolderRemovesNothing) {
    EXPECT_EQ(clean(now).removedFiles, 0);
    const TempCleanupResult missing =
        TempCleanup(
            root.filePath(QStringLiteral("no-such-folder")), [this] { return now; }, ::getuid())
            .run();
    EXPECT_EQ(missing.removedFiles, 0);
    EXPECT_EQ(missing.removedBytes, 0);
}

} // namespace
