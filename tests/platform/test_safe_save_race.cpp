// A save into a folder that another user owns inside a sticky folder, while that user keeps
// exchanging the folder with a link to the victim's own folder. Whatever the timing, each save
// lands in the folder it checked or is refused; the victim's file is never replaced and no
// temporary file is left in either folder.

#include "common/SafeSave.h"
#include "support/SaveFaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kSaves = 1000;

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

ino_t inode(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// "sticky" has the mode of /tmp; in it the attacker owns the folder "shared", where the victim
// saves, and the link "evil" to the victim's folder "victim", which holds the victim's report.
void exchangeWhileSaving(bool attackerIsAnotherUser) {
    QTemporaryDir root;
    const auto at = [&root](const QString& relative) { return QDir(root.path()).filePath(relative); };
    ASSERT_TRUE(QDir(root.path()).mkpath("sticky/shared"));
    ASSERT_TRUE(QDir(root.path()).mkpath("victim"));
    ASSERT_EQ(::chmod(QFile::encodeName(at("sticky")).constData(), 01777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(at("sticky/shared")).constData(), 0777), 0);
    ASSERT_TRUE(QFile::link(at("victim"), at("sticky/evil")));
    if (attackerIsAnotherUser) {
        for (const char* owned : {"sticky/shared", "sticky/evil"})
            ASSERT_EQ(::lchown(QFile::encodeName(at(owned)).constData(), kOtherUser, kOtherUser), 0);
    }
    QFile report(at("victim/report.txt"));
    ASSERT_TRUE(report.open(QIODevice::WriteOnly));
    report.write("precious\n");
    report.close();
    ino_t victimReport = inode(at("victim/report.txt"));

    int replaced = 0;
    {
        EntryExchanger attacker;
        const int started = attacker.start(at("sticky"), "shared", "evil", attackerIsAnotherUser);
        if (started == EINVAL || started == ENOSYS)
            GTEST_SKIP() << "this file system cannot exchange two entries";
        ASSERT_EQ(started, 0) << qPrintable(qt_error_string(started));

        for (int save = 0; save < kSaves; ++save) {
            safesave::write(at("sticky/shared/report.txt"), QByteArray::number(save) + '\n');
            if (const ino_t now = inode(at("victim/report.txt")); now != victimReport) {
                ++replaced;
                victimReport = now;
            }
        }
    }

    EXPECT_EQ(replaced, 0) << "saves that replaced the victim's report";
    EXPECT_EQ(read(at("victim/report.txt")), "precious\n");
    EXPECT_EQ(entries(at("victim")), QStringList{"report.txt"});
    EXPECT_EQ(entries(at("sticky")), (QStringList{"evil", "shared"}));
    // The attacker's folder is "shared" or "evil", whichever the last exchange left it as; it
    // holds at most the report a save put there.
    const QString attackers =
        QFileInfo(at("sticky/shared")).isSymLink() ? at("sticky/evil") : at("sticky/shared");
    const QStringList left = entries(attackers);
    EXPECT_TRUE(left.isEmpty() || left == QStringList{"report.txt"}) << qPrintable(left.join(u' '));
}

TEST(SafeSaveRace, FolderExchangedForALinkDuringSavesLandsNothingElsewhere) {
    exchangeWhileSaving(false);
}

TEST(SafeSaveRace, FolderOfAnotherUserExchangedForALinkDuringSavesLandsNothingElsewhere) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can start the exchanging process as another user; the same race "
                        "run by the user's own process is covered above";
    exchangeWhileSaving(true);
}

} // namespace
