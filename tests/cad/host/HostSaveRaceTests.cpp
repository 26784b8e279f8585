// The real host saves over its socket while another user exchanges two entries of a folder on
// the way, over and over. Whatever the timing, nothing in the victim's own folder changes: no
// file appears there, and no file there changes its mode or its content.

#include "HostProcess.h"
#include "support/SaveFaults.h"

#include <QDir>
#include <QFile>
#include <map>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kSaves = 400;

struct Seen {
    mode_t mode;
    ino_t inode;
    QByteArray content;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* out) {
    *out << "mode " << std::oct << seen.mode << std::dec << ", inode " << seen.inode << ", "
         << seen.content.size() << " bytes";
}

// Every entry of the folder with what a change would show.
std::map<QString, Seen> snapshot(const QString& folder) {
    std::map<QString, Seen> seen;
    for (const QString& name :
         QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        const QString path = folder + u'/' + name;
        struct stat info {};
        ::lstat(QFile::encodeName(path).constData(), &info);
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        seen[name] = {info.st_mode, info.st_ino, file.readAll()};
    }
    return seen;
}

struct RaceCase {
    const char* name;
    // Folders and files under the test's folder: "victim" (the victim's private folder) and
    // whatever the attacker needs; the last step hands the attacker's entries to them.
    void (*plant)(const QString& root);
    const char* exchangedIn; // the folder whose two entries the attacker exchanges
    const char* first;
    const char* second;
    const char* saved; // the path the victim saves to
};

void make(const QString& path, mode_t mode, uid_t owner = ::geteuid()) {
    ASSERT_TRUE(QDir().mkpath(path));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), owner, owner), 0);
}

void plantFile(const QString& path, const QByteArray& content, mode_t mode) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

void plantLink(const QString& path, const QString& target, uid_t owner) {
    ASSERT_TRUE(QFile::link(target, path));
    ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), owner, owner), 0);
}

const RaceCase kRaces[] = {
    // The victim replaces a read-only file of theirs in a folder the attacker owns inside a
    // sticky folder; the attacker's link to the victim's folder takes the folder's place.
    {"read-only target, folder exchanged with a link to the victim's folder",
     [](const QString& root) {
         make(root + "/victim", 0700);
         plantFile(root + "/victim/report.dxf", "precious\n", 0600);
         make(root + "/sticky", 01777);
         make(root + "/sticky/shared", 0777, kOtherUser);
         plantFile(root + "/sticky/shared/report.dxf", "read-only\n", 0444);
         plantLink(root + "/sticky/evil", root + "/victim", kOtherUser);
     },
     "sticky", "shared", "evil", "sticky/shared/report.dxf"},
    // The victim's own link to their project sits in a folder others may write, without the
    // sticky rule; the attacker's link to the victim's private folder takes its place.
    {"the victim's link in a writable folder exchanged with another user's link",
     [](const QString& root) {
         make(root + "/victim", 0700);
         plantFile(root + "/victim/private.txt", "precious\n", 0600);
         make(root + "/project", 0755);
         make(root + "/open", 0777);
         plantLink(root + "/open/mine", root + "/project", ::geteuid());
         plantLink(root + "/open/theirs", root + "/victim", kOtherUser);
     },
     "open", "mine", "theirs", "open/mine/report.dxf"},
};

TEST_F(HostProcess, SavesRacedByAnotherUserNeverTouchTheVictimsFolder) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can start the racing process as another user";
    ASSERT_TRUE(startIdleHost());
    for (const RaceCase& race : kRaces) {
        SCOPED_TRACE(race.name);
        const QString root = dir.filePath(QString::fromLatin1(race.name).left(20));
        race.plant(root);
        if (HasFatalFailure())
            return;
        const std::map<QString, Seen> before = snapshot(root + "/victim");
        int saved = 0;
        {
            EntryExchanger attacker;
            const int started = attacker.start(root + u'/' + race.exchangedIn, race.first, race.second, true);
            if (started == EINVAL || started == ENOSYS)
                GTEST_SKIP() << "this file system cannot exchange two entries";
            ASSERT_EQ(started, 0) << qPrintable(qt_error_string(started));
            for (int i = 0; i < kSaves && snapshot(root + "/victim") == before; ++i)
                saved += callHost("saveDxf", {root + u'/' + race.saved}).value("ok").toBool();
        }
        EXPECT_EQ(snapshot(root + "/victim"), before);
        EXPECT_GT(saved, 0) << "no save went through at all";
    }
}

} // namespace
