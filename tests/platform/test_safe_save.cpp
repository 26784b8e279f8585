// Which links a save follows: the user's own outside shared folders, never one planted in a
// sticky folder that every user can write to, never one another user owns, wherever on the
// path it lies.

#include "common/FileWrite.h"
#include "common/SafeSave.h"
#include "common/StringTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The test's own folder "own" (as a home folder) and a folder "shared" with the mode of /tmp.
class SafeSave : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(root.path()).mkpath("own/sub"));
        ASSERT_TRUE(QDir(root.path()).mkpath("shared"));
        ASSERT_EQ(::chmod(QFile::encodeName(at("shared")).constData(), 01777), 0);
        plantFile("own/victim.txt", "precious\n");
    }

    QString at(const QString& relative) const { return QDir(root.path()).filePath(relative); }

    void plantFile(const QString& relative, const QByteArray& bytes) const {
        QFile file(at(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void plantLink(const QString& relative, const QString& target) const {
        ASSERT_TRUE(QFile::link(target, at(relative))) << qPrintable(relative);
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir root;
};

struct LinkCase {
    const char* name;
    const char* link;   // planted under the test's root
    const char* target; // as the link holds it: relative, or under the root when it starts "/"
    const char* path;   // the path saved to, under the root
    const char* lands;  // where the write lands, under the root; nullptr when refused
    const char* named;  // the link the refusal names
};

TEST_F(SafeSave, FollowsOnlyLinksThatNoOtherUserCouldHavePlanted) {
    const LinkCase cases[] = {
        {"no link at all", nullptr, nullptr, "own/new.txt", "own/new.txt", nullptr},
        {"plain file in a sticky folder", nullptr, nullptr, "shared/plain.txt", "shared/plain.txt", nullptr},
        {"own link in own folder", "own/link.txt", "/own/victim.txt", "own/link.txt", "own/victim.txt",
         nullptr},
        {"own relative link climbing out", "own/sub/up", "../victim.txt", "own/sub/up", "own/victim.txt",
         nullptr},
        {"own folder link in own folder", "own/into", "sub", "own/into/x.txt", "own/sub/x.txt", nullptr},
        {"dot-dot after a folder link leaves its target", "own/deep", "sub", "own/deep/../victim.txt",
         "own/victim.txt", nullptr},
        {"link in a sticky folder", "shared/report.txt", "/own/victim.txt", "shared/report.txt", nullptr,
         "shared/report.txt"},
        {"folder link in a sticky folder", "shared/pictures", "/own", "shared/pictures/x.bmp", nullptr,
         "shared/pictures"},
        {"own link leading to one in a sticky folder", "own/chain", "/shared/report.txt", "own/chain",
         nullptr, "shared/report.txt"},
    };
    // The chain's second link is the one in the sticky folder.
    plantLink("shared/report.txt", at("own/victim.txt"));
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.link && !QFileInfo(at(c.link)).isSymLink()) {
            const QString target = QString::fromUtf8(c.target);
            plantLink(c.link, target.startsWith(u'/') ? root.path() + target : target);
        }
        QString why;
        const QString lands = safesave::resolve(at(c.path), &why);
        if (c.lands) {
            EXPECT_EQ(lands, at(c.lands));
            EXPECT_TRUE(why.isEmpty()) << qPrintable(why);
            EXPECT_TRUE(safesave::refusal(at(c.path)).isEmpty());
        } else {
            EXPECT_TRUE(lands.isEmpty()) << qPrintable(lands);
            EXPECT_EQ(why, StringTable::text(9602).arg(QDir::toNativeSeparators(at(c.named))));
            EXPECT_EQ(safesave::refusal(at(c.path)), why);
            EXPECT_FALSE(safesave::write(at(c.path), "planted\n"));
        }
    }
    EXPECT_EQ(read(at("own/victim.txt")), "precious\n");
    EXPECT_EQ(QDir(at("own")).entryList(QDir::Files | QDir::NoSymLinks), QStringList{"victim.txt"});
}

TEST_F(SafeSave, LinkOwnedByAnotherUserIsNeverFollowed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a link to another user; the sticky-folder rule covers links here";
    plantLink("own/foreign.txt", at("own/victim.txt"));
    ASSERT_EQ(::lchown(QFile::encodeName(at("own/foreign.txt")).constData(), 65534, 65534), 0);
    QString error;
    EXPECT_FALSE(safesave::write(at("own/foreign.txt"), "planted\n", &error));
    EXPECT_EQ(error, StringTable::text(9601).arg(QDir::toNativeSeparators(at("own/foreign.txt"))));
    EXPECT_EQ(read(at("own/victim.txt")), "precious\n");
}

TEST_F(SafeSave, WritesThroughTheUsersOwnLinksIntoTheFolderTheyLeadTo) {
    plantLink("own/link.txt", at("own/victim.txt"));
    plantLink("own/sub/up", "../victim.txt");
    plantLink("own/into", "sub");
    const struct {
        const char* path;
        const char* lands;
    } cases[] = {
        {"own/link.txt", "own/victim.txt"},
        {"own/sub/up", "own/victim.txt"},
        {"own/into/x.txt", "own/sub/x.txt"},
        {"own/into/../victim.txt", "own/victim.txt"},
        {"own/./sub/../victim.txt", "own/victim.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        QString error;
        EXPECT_TRUE(safesave::write(at(c.path), c.path, &error)) << qPrintable(error);
        EXPECT_EQ(read(at(c.lands)), c.path);
    }
    // The links are still links, and no temporary file is left beside any of them.
    for (const char* link : {"own/link.txt", "own/sub/up", "own/into"})
        EXPECT_TRUE(QFileInfo(at(link)).isSymLink()) << link;
    const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    EXPECT_EQ(QDir(at("own")).entryList(all), (QStringList{"into", "link.txt", "sub", "victim.txt"}));
    EXPECT_EQ(QDir(at("own/sub")).entryList(all), (QStringList{"up", "x.txt"}));
}

TEST_F(SafeSave, PathsThatLeadToNoWritableFileAreRefusedWithTheSystemsReason) {
    plantLink("own/loop", "loop");
    plantFile("own/readonly.txt", "kept\n");
    ASSERT_TRUE(QFile::setPermissions(at("own/readonly.txt"), QFile::ReadOwner));
    const struct {
        const char* path;
        int code;
        bool rootMayWrite;
    } cases[] = {
        {"own/missing/new.txt", ENOENT, false}, {"own/victim.txt/new.txt", ENOTDIR, false},
        {"own/sub/.", EISDIR, false},           {"own/loop", ELOOP, false},
        {"own/loop/new.txt", ELOOP, false},     {"own/readonly.txt", EACCES, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        if (c.rootMayWrite && ::geteuid() == 0)
            continue; // root writes read-only files
        QString error;
        EXPECT_FALSE(safesave::write(at(c.path), "x", &error));
        EXPECT_EQ(error, filewrite::reason(c.code));
    }
    EXPECT_EQ(read(at("own/victim.txt")), "precious\n");
    EXPECT_EQ(read(at("own/readonly.txt")), "kept\n");
    EXPECT_EQ(
        QDir(at("own")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
        (QStringList{"loop", "readonly.txt", "sub", "victim.txt"}));
}

TEST_F(SafeSave, WriteReplacesTheFileKeepingItsPermissionsAndLeavesNothingElse) {
    const QString path = at("own/victim.txt");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QString error;
    ASSERT_TRUE(safesave::write(path, "second\n", &error)) << qPrintable(error);
    EXPECT_EQ(read(path), "second\n");
    EXPECT_EQ(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    ASSERT_TRUE(safesave::write(at("own/private"), "x", &error, safesave::Access::OwnerOnly));
    EXPECT_EQ(QFile::permissions(at("own/private")) & 0x0077, 0);
    EXPECT_EQ(QDir(at("own")).entryList(QDir::Files), (QStringList{"private", "victim.txt"}));

    // Only a regular file is replaced: a rename would swap a folder or a device for a plain file.
    // Each is refused naming what it is, not as a matter of permission.
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("own/fifo")).constData(), 0600), 0);
    const struct {
        const char* path;
        QString reason;
    } notFiles[] = {
        {"own/sub", filewrite::reason(EISDIR)},
        {"own/fifo", StringTable::text(9603)},
    };
    for (const auto& notFile : notFiles) {
        SCOPED_TRACE(notFile.path);
        error.clear();
        EXPECT_FALSE(safesave::write(at(notFile.path), "x", &error));
        EXPECT_EQ(error, notFile.reason);
        EXPECT_FALSE(QFileInfo(at(notFile.path)).isFile());
    }
}

} // namespace
