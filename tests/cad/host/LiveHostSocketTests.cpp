// A second drawing host started on the socket of a live one, as Helidraw does when its own
// connection attempt fails: the live host keeps its socket file and its drawing whether it is
// full or too busy to answer, and the second host ends at once, saying why, in the desktop's
// language.

#include "HostProcess.h"

#include "cad/host/HostServer.h"
#include "cad/protocol/HostMessages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>
#include <csignal>
#include <grp.h>
#include <gtest/gtest.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Ended {
    bool finished = false;
    int exitCode = 0;
    QStringList errorLines;
};

// The message of a second host in each language, before the socket's name.
const struct {
    const char* language;
    const char* text;
} kInUse[] = {
    {"en_US", "A drawing host already serves this socket: "},
    {"zh_CN", "已有绘图主机在使用此套接字："},
    {"zh_TW", "已有繪圖主機在使用此通訊端："},
};

class LiveHostSocket : public HostProcess {
protected:
    // A second host on the test's socket, under the desktop language given.
    Ended secondHost(const char* language) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        env.insert("LANG", "C.UTF-8");
        env.insert("LANGUAGE", language);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(program, {"--socket", socketName});
        Ended ended;
        ended.finished = second.waitForFinished(5000);
        if (!ended.finished) {
            second.kill();
            second.waitForFinished(5000);
        }
        ended.exitCode = second.exitCode();
        ended.errorLines = QString::fromUtf8(second.readAllStandardError()).split('\n');
        return ended;
    }
    struct stat socketFile() {
        struct stat file {};
        EXPECT_EQ(::lstat(QFile::encodeName(socketName).constData(), &file), 0) << "no socket file";
        return file;
    }
    void drawLine() {
        const QCborMap reply =
            callHost("addLine", {hostproto::Point3{0, 0, 0}.toCbor(), hostproto::Point3{1, 2, 3}.toCbor()});
        ASSERT_TRUE(reply.value("ok").toBool()) << qPrintable(reply.value("error").toString());
    }
    // Once the host has dropped the clients that left, it serves a newcomer again.
    bool answersWithin(int ms) {
        QDeadlineTimer deadline(ms);
        while (!host::hostAnswers(socketName, 200))
            if (deadline.hasExpired())
                return false;
        return true;
    }
};

TEST_F(LiveHostSocket, HostThatIsFullOrStoppedKeepsItsSocketAndDrawing) {
    const QByteArray hello = hostproto::frame(hostproto::request("hello", {}));
    const struct {
        const char* name;
        bool stopped; // else every connection the host takes is held
    } states[] = {{"full", false}, {"stopped", true}};
    for (const auto& state : states) {
        SCOPED_TRACE(state.name);
        ASSERT_TRUE(startIdleHost());
        QProcess& first = *processes.back();
        drawLine();
        const struct stat before = socketFile();

        std::vector<std::unique_ptr<QLocalSocket>> crowd;
        while (!state.stopped && crowd.size() < size_t(host::HostServer::kMaxClients)) {
            auto client = std::make_unique<QLocalSocket>();
            client->connectToServer(socketName);
            ASSERT_TRUE(client->waitForConnected(2000));
            client->write(hello);
            QByteArray buffer;
            std::optional<QCborMap> reply;
            for (QDeadlineTimer deadline(2000); !reply && !deadline.hasExpired();) {
                bool malformed = false;
                client->waitForReadyRead(50);
                buffer.append(client->readAll());
                reply = hostproto::takeFrame(buffer, malformed);
            }
            ASSERT_TRUE(reply) << "no answer with " << crowd.size() << " clients";
            if (reply->value("ok").toBool())
                crowd.push_back(std::move(client));
            else
                QThread::msleep(50); // a client the host has not dropped yet still counts
        }
        if (state.stopped) {
            ASSERT_EQ(::kill(pid_t(first.processId()), SIGSTOP), 0);
        }

        for (const auto& expected : kInUse) {
            SCOPED_TRACE(expected.language);
            const Ended second = secondHost(expected.language);
            EXPECT_TRUE(second.finished) << "the second host runs on";
            EXPECT_NE(second.exitCode, 0);
            EXPECT_TRUE(
                second.errorLines.contains("DrawingHost: " + QString::fromUtf8(expected.text) + socketName))
                << qPrintable(second.errorLines.join('\n'));
        }

        if (state.stopped)
            ::kill(pid_t(first.processId()), SIGCONT);
        crowd.clear();
        ASSERT_TRUE(answersWithin(5000));
        const struct stat after = socketFile();
        EXPECT_EQ(after.st_ino, before.st_ino) << "the socket file was replaced";
        EXPECT_EQ(saved().counts, (std::map<std::string, int>{{"LINE", 1}})) << "the drawing is not there";
        first.kill();
        first.waitForFinished(5000);
    }
}

// Root may connect to any user's socket; it is told whose host is there instead of taking the
// socket over or leaving without a word.
TEST_F(LiveHostSocket, RootIsToldWhoseHostServesTheSocket) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "starting a host as another user needs root";
    constexpr uid_t kNobody = 65534;
    const passwd* nobody = ::getpwuid(kNobody);
    if (!nobody)
        GTEST_SKIP() << "no user " << kNobody;
    const QString owner = QString::fromLocal8Bit(nobody->pw_name);
    // The other user's host needs a folder of its own that it can reach.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0711), 0);
    const QByteArray folder = QFile::encodeName(dir.filePath("other"));
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    ASSERT_EQ(::chown(folder.constData(), kNobody, kNobody), 0);
    socketName = dir.filePath("other/host.socket");
    hostSetup = [] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(127);
    };
    ASSERT_TRUE(startIdleHost());
    hostSetup = nullptr;
    drawLine();
    ASSERT_EQ(socketFile().st_uid, kNobody);

    const Ended second = secondHost("en_US");
    EXPECT_TRUE(second.finished) << "the second host runs on";
    EXPECT_NE(second.exitCode, 0);
    EXPECT_TRUE(second.errorLines.contains("DrawingHost: A drawing host of user " + owner +
                                           " already serves this socket: " + socketName))
        << qPrintable(second.errorLines.join('\n'));
    EXPECT_EQ(socketFile().st_uid, kNobody) << "the socket file was replaced";
    // Saved where the other user may write.
    const QString path = dir.filePath("other/saved.dxf");
    const QCborMap save = callHost("saveDxf", {path});
    ASSERT_TRUE(save.value("ok").toBool()) << qPrintable(save.value("error").toString());
    EXPECT_EQ(readDxf(path).counts, (std::map<std::string, int>{{"LINE", 1}})) << "the drawing is not there";
}

} // namespace
