// The host's socket folder as the real programs find it. ~/.cache owned by another user, who
// swaps the host's folder for a link to one of theirs again and again while the host starts:
// DrawingHost refuses that cache folder, naming it, and never listens in the other user's
// folder; Helidraw never connects there. A relative XDG_RUNTIME_DIR or XDG_CACHE_HOME counts as
// unset, so that Helidraw and a host started in another working folder still meet.

#include "cad/SocketCadHost.h"
#include "support/PlantedFolders.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kOtherUser = 65534;

QString hostProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/DrawingHost");
}

QProcessEnvironment hostEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home);
    for (const char* name : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
        env.remove(name);
    return env;
}

// ~/.cache belongs to the other user and is open to all; the host's folder in it is the user's
// own, made by an earlier run. While the test runs, a process of the other user exchanges it
// with a link to the other user's folder as fast as it can.
class ForeignCacheFolder : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "a second user needs root";
        ASSERT_TRUE(scratch.isValid());
        ASSERT_TRUE(QDir().mkpath(cache + "/helidraw") && QDir().mkpath(theirs));
        for (const QString& folder : {cache, theirs}) {
            const QByteArray native = QFile::encodeName(folder);
            ASSERT_EQ(::chmod(native.constData(), 0777), 0);
            ASSERT_EQ(::chown(native.constData(), kOtherUser, kOtherUser), 0);
        }
        ASSERT_EQ(::chmod(QFile::encodeName(cache + "/helidraw").constData(), 0700), 0);
        const QByteArray decoy = QFile::encodeName(cache + "/decoy");
        ASSERT_EQ(::symlink("theirs", decoy.constData()), 0);
        ASSERT_EQ(::lchown(decoy.constData(), kOtherUser, kOtherUser), 0);

        // The folder is opened before the swapper gives up root: the scratch folder above it is
        // the test's own, closed to the other user.
        const int folder = ::open(QFile::encodeName(cache).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(folder, 0);
        swapper = ::fork();
        ASSERT_GE(swapper, 0);
        if (swapper == 0) {
            if (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0)
                ::_exit(2);
            // Bounded, in case the test never stops it.
            const time_t until = ::time(nullptr) + 60;
            while (::time(nullptr) < until)
                ::renameat2(folder, "helidraw", folder, "decoy", RENAME_EXCHANGE);
            ::_exit(0);
        }
        ::close(folder);
        // The race is on once the other user's link has taken the folder's place.
        struct stat seen {};
        const QByteArray folderName = QFile::encodeName(cache + "/helidraw");
        QDeadlineTimer deadline(5000);
        while (!(::lstat(folderName.constData(), &seen) == 0 && S_ISLNK(seen.st_mode)) &&
               !deadline.hasExpired())
            QThread::yieldCurrentThread();
        ASSERT_TRUE(S_ISLNK(seen.st_mode)) << "the other user's process swaps nothing";
    }

    void TearDown() override {
        if (swapper > 0) {
            EXPECT_EQ(::waitpid(swapper, nullptr, WNOHANG), 0) << "the other user's process stopped early";
            ::kill(swapper, SIGKILL);
            ::waitpid(swapper, nullptr, 0);
        }
    }

    // What the other user's folder holds: a socket there would be the host's.
    QString theirsHolds() const {
        return QDir(theirs)
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
            .join(u',');
    }

    // The refusal names the cache folder itself, not the host's folder in it.
    bool namesTheCacheFolder(const QString& said) const {
        return said.contains(cache) && !said.contains(cache + "/helidraw");
    }

    QTemporaryDir scratch;
    const QString home = scratch.filePath("home");
    const QString cache = scratch.filePath("home/.cache");
    const QString theirs = scratch.filePath("home/.cache/theirs");
    pid_t swapper = -1;
};

TEST_F(ForeignCacheFolder, DrawingHostRefusesItAndNeverListensInTheOtherUsersFolder) {
    for (int start = 0; start < 5; ++start) {
        QProcess host;
        host.setProcessEnvironment(hostEnvironment(home));
        host.start(hostProgram(), {});
        ASSERT_TRUE(host.waitForStarted(5000));
        const bool ended = host.waitForFinished(10000);
        const QString held = theirsHolds();
        if (!ended) {
            host.kill();
            host.waitForFinished(5000);
        }
        const QString said = QString::fromUtf8(host.readAllStandardError());
        ASSERT_TRUE(ended) << "start " << start << ": the host kept running; theirs holds "
                           << qPrintable(held);
        EXPECT_NE(host.exitCode(), 0) << "start " << start;
        EXPECT_TRUE(namesTheCacheFolder(said)) << "start " << start << ": " << qPrintable(said);
        ASSERT_EQ(held, QString()) << "start " << start;
    }
}

TEST_F(ForeignCacheFolder, HelidrawNeverConnectsIntoTheOtherUsersFolder) {
    QLocalServer planted;
    ASSERT_TRUE(planted.listen(theirs + "/helidraw-host.socket")) << qPrintable(planted.errorString());
    SessionInTest session(home, {});
    for (int attach = 0; attach < 20; ++attach) {
        int launches = 0;
        cad::SocketCadHost host({}, hostProgram(), [&](const QString&, const QStringList&, const QString&) {
            ++launches;
            return false;
        });
        QString error;
        try {
            host.attach();
        } catch (const cad::HostError& e) {
            error = e.text();
        }
        EXPECT_TRUE(namesTheCacheFolder(error)) << "attach " << attach << ": " << qPrintable(error);
        EXPECT_EQ(launches, 0) << "attach " << attach;
        ASSERT_FALSE(planted.waitForNewConnection(0)) << "attach " << attach;
    }
}

struct RelativeCase {
    const char* name;
    const char* variable;
};

void PrintTo(const RelativeCase& c, std::ostream* os) {
    *os << c.name;
}

// The same relative value names a private folder in the host's working folder and in
// Helidraw's; taken as given, the two would never meet.
class RelativeBaseFolder : public ::testing::TestWithParam<RelativeCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        for (const QString& folder : {home, hostFolder + "/rel", ownFolder + "/rel"}) {
            ASSERT_TRUE(QDir().mkpath(folder));
            ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0700), 0);
        }
    }
    void TearDown() override {
        if (host.state() != QProcess::NotRunning) {
            host.terminate();
            if (!host.waitForFinished(5000)) {
                host.kill();
                host.waitForFinished(5000);
            }
        }
    }

    QTemporaryDir scratch;
    const QString home = scratch.filePath("home");
    const QString hostFolder = scratch.filePath("host-working");
    const QString ownFolder = scratch.filePath("helidraw-working");
    QProcess host;
};

const RelativeCase kRelative[] = {
    {"relative runtime folder", "XDG_RUNTIME_DIR"},
    {"relative cache folder", "XDG_CACHE_HOME"},
};

TEST_P(RelativeBaseFolder, HelidrawMeetsTheHostInTheUsersOwnCache) {
    QProcessEnvironment env = hostEnvironment(home);
    env.insert(GetParam().variable, "rel");
    host.setProcessEnvironment(env);
    host.setWorkingDirectory(hostFolder);
    host.start(hostProgram(), {});
    ASSERT_TRUE(host.waitForStarted(5000));

    SessionInTest session(home, {{GetParam().variable, "rel"}}, ownFolder);
    int launches = 0;
    QString error = QStringLiteral("never attached");
    for (QDeadlineTimer deadline(10000); !error.isEmpty() && !deadline.hasExpired(); QThread::msleep(50)) {
        if (host.state() == QProcess::NotRunning)
            break;
        cad::SocketCadHost helidraw({}, hostProgram(),
                                    [&](const QString&, const QStringList&, const QString&) {
                                        ++launches;
                                        return false;
                                    });
        try {
            helidraw.attach();
            error.clear();
        } catch (const cad::HostError& e) {
            error = e.text();
        }
    }
    EXPECT_TRUE(error.isEmpty()) << qPrintable(error) << "; host said "
                                 << host.readAllStandardError().constData();
    EXPECT_TRUE(QFileInfo(home + "/.cache/helidraw/helidraw-host.socket").exists());
    for (const QString& folder : {hostFolder, ownFolder})
        EXPECT_TRUE(QDir(folder + "/rel").isEmpty()) << qPrintable(folder);
}

INSTANTIATE_TEST_SUITE_P(Variables, RelativeBaseFolder, ::testing::ValuesIn(kRelative),
                         [](const auto& info) { return caseTestName(info.param.name); });

} // namespace
