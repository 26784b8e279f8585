// The private folder: a folder another user could have made first (theirs, or a link) is
// refused with a message naming it and left as it was; the user's own folder is made private
// and used. The session's runtime folder is checked alike and passed over when refused.

#include "common/PrivateFolder.h"
#include "common/StringTable.h"
#include "support/PlantedFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FolderCase {
    PlantedFolderCase planted;
    bool usable;
};

void PrintTo(const FolderCase& c, std::ostream* os) {
    PrintTo(c.planted, os);
}

class PrivateFolderCheck : public ::testing::TestWithParam<FolderCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        ASSERT_TRUE(QDir().mkpath(cache));
        const QString skip = plantFolder(GetParam().planted.kind, planted);
        if (!skip.isEmpty())
            GTEST_SKIP() << qPrintable(skip);
    }
    void TearDown() override { StringTable::setLanguage(Language::ZhCN); }

    QTemporaryDir scratch;
    const QString cache = scratch.filePath("cache");
    const QString planted = scratch.filePath("cache/helidraw");
    CacheFolderInTest inTest{cache};
};

const FolderCase kCases[] = {
    {{"folder owned by another user", PlantedFolder::ForeignOwned}, false},
    {{"link to a folder", PlantedFolder::LinkToFolder}, false},
    {{"own folder open to all", PlantedFolder::OwnOpen}, true},
};

TEST_P(PrivateFolderCheck, AsTheUsersOwnFolder) {
    const QString before = folderState(planted);
    for (Language language : {Language::ZhCN, Language::ZhTW, Language::EnUS}) {
        StringTable::setLanguage(language);
        const PrivatePath folder = privateFolder(QString(), QStringLiteral("helidraw"));
        if (GetParam().usable) {
            EXPECT_TRUE(folder.usable()) << qPrintable(folder.refusal);
            EXPECT_EQ(folder.path, planted);
            EXPECT_EQ(QFile::permissions(planted) & 0x7077,
                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
                << qPrintable(folderState(planted));
        } else {
            EXPECT_FALSE(folder.usable());
            EXPECT_TRUE(folder.path.isEmpty()) << qPrintable(folder.path);
            EXPECT_TRUE(folder.refusal.contains(planted)) << qPrintable(folder.refusal);
            EXPECT_TRUE(folder.file(QStringLiteral("helidraw-host.socket")).path.isEmpty());
            EXPECT_EQ(folderState(planted), before);
        }
    }
}

TEST_P(PrivateFolderCheck, AsTheSessionsRuntimeFolder) {
    const QString before = folderState(planted);
    const QString fallback = scratch.filePath("cache/spirelta");
    const PrivatePath folder = privateFolder(planted, QStringLiteral("spirelta"));
    EXPECT_TRUE(folder.usable()) << qPrintable(folder.refusal);
    if (GetParam().usable) {
        EXPECT_EQ(folder.path, planted);
        EXPECT_EQ(QFile::permissions(planted) & 0x7077,
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
            << qPrintable(folderState(planted));
    } else {
        EXPECT_EQ(folder.path, fallback);
        EXPECT_EQ(folderState(planted), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Planted, PrivateFolderCheck, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return caseTestName(info.param.planted.name); });

// The way to the private folder, from the user's ~/.cache: a folder on it that another user
// could change is refused, naming it; the user's own setups are kept; a relative base folder
// in the environment counts as unset, wherever the program runs.
enum class Way {
    CacheOfAnotherUser,      // ~/.cache of uid 65534, open to all
    CacheOpenToAll,          // the user's own ~/.cache, 0777
    CacheOpenToAnotherGroup, // the user's own ~/.cache, 0775, group 65534
    CacheLinkToOwnFolder,    // ~/.cache a link of the user's to a folder of theirs
    CacheMissing,
    CacheStickyOpenToAll,   // the user's own ~/.cache, 01777 like /tmp
    RelativeCacheVariable,  // XDG_CACHE_HOME=cache, and ./cache exists
    RelativeRuntimeVariable // XDG_RUNTIME_DIR=runtime, and ./runtime is private
};

struct WayCase {
    const char* name;
    Way way;
    bool usable;
};

void PrintTo(const WayCase& c, std::ostream* os) {
    *os << c.name;
}

class FolderOnTheWay : public ::testing::TestWithParam<WayCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(working));
        const QByteArray native = QFile::encodeName(cache);
        switch (GetParam().way) {
        case Way::CacheOfAnotherUser:
        case Way::CacheOpenToAnotherGroup:
            if (::geteuid() != 0)
                GTEST_SKIP() << "only root can give a folder to another user";
            ASSERT_EQ(::mkdir(native.constData(), 0700), 0);
            ASSERT_EQ(::chmod(native.constData(), GetParam().way == Way::CacheOfAnotherUser ? 0777 : 0775),
                      0);
            ASSERT_EQ(
                ::chown(native.constData(), GetParam().way == Way::CacheOfAnotherUser ? 65534 : -1, 65534),
                0);
            break;
        case Way::CacheOpenToAll:
        case Way::CacheStickyOpenToAll:
            ASSERT_EQ(::mkdir(native.constData(), 0700), 0);
            ASSERT_EQ(::chmod(native.constData(), GetParam().way == Way::CacheOpenToAll ? 0777 : 01777), 0);
            break;
        case Way::CacheLinkToOwnFolder:
            ASSERT_TRUE(QDir().mkpath(scratch.filePath("elsewhere/cache")));
            ASSERT_TRUE(QFile::link(scratch.filePath("elsewhere/cache"), cache));
            break;
        case Way::CacheMissing:
            break;
        case Way::RelativeCacheVariable:
            ASSERT_TRUE(QDir().mkpath(working + "/cache"));
            session.emplace(
                home, std::initializer_list<std::pair<const char*, QByteArray>>{{"XDG_CACHE_HOME", "cache"}},
                working);
            break;
        case Way::RelativeRuntimeVariable:
            ASSERT_EQ(::mkdir(QFile::encodeName(working + "/runtime").constData(), 0700), 0);
            session.emplace(
                home,
                std::initializer_list<std::pair<const char*, QByteArray>>{{"XDG_RUNTIME_DIR", "runtime"}},
                working);
            break;
        }
        if (!session)
            session.emplace(home, std::initializer_list<std::pair<const char*, QByteArray>>{}, working);
    }

    QTemporaryDir scratch;
    const QString home = scratch.filePath("home");
    const QString cache = scratch.filePath("home/.cache");
    const QString working = scratch.filePath("working");
    std::optional<SessionInTest> session;
};

const WayCase kWays[] = {
    {"cache folder of another user", Way::CacheOfAnotherUser, false},
    {"own cache folder open to all", Way::CacheOpenToAll, false},
    {"own cache folder open to another group", Way::CacheOpenToAnotherGroup, false},
    {"own cache folder a link to an own folder", Way::CacheLinkToOwnFolder, true},
    {"no cache folder yet", Way::CacheMissing, true},
    {"own cache folder sticky and open to all", Way::CacheStickyOpenToAll, true},
    {"relative cache variable", Way::RelativeCacheVariable, true},
    {"relative runtime variable", Way::RelativeRuntimeVariable, true},
};

TEST_P(FolderOnTheWay, IsRefusedNamingItOrLeadsToTheUsersOwnCache) {
    const QString before = folderState(cache);
    const PrivatePath folder = privateFolder(sessionRuntimeFolder(), QStringLiteral("helidraw"));
    if (GetParam().usable) {
        ASSERT_TRUE(folder.usable()) << qPrintable(folder.refusal);
        EXPECT_EQ(folder.path, cache + "/helidraw");
        // What the folder's descriptor reaches is the private folder made under ~/.cache.
        struct stat reached {
        }, made{};
        ASSERT_EQ(::stat(QFile::encodeName(folder.anchored()).constData(), &reached), 0);
        ASSERT_EQ(::stat(QFile::encodeName(cache + "/helidraw").constData(), &made), 0);
        EXPECT_EQ(reached.st_ino, made.st_ino);
        EXPECT_EQ(reached.st_mode & 07777, 0700u);
    } else {
        EXPECT_FALSE(folder.usable()) << qPrintable(folder.path);
        EXPECT_TRUE(folder.refusal.contains(cache) && !folder.refusal.contains(cache + "/helidraw"))
            << qPrintable(folder.refusal);
        EXPECT_EQ(folderState(cache), before);
    }
    // Nothing lands where a relative value would have led.
    for (const char* relative : {"cache", "runtime"})
        EXPECT_TRUE(QDir(working + u'/' + relative).isEmpty()) << relative;
}

INSTANTIATE_TEST_SUITE_P(Ways, FolderOnTheWay, ::testing::ValuesIn(kWays),
                         [](const auto& info) { return caseTestName(info.param.name); });

} // namespace
