// The drawing host under faults and careless or hostile clients: a real DrawingHost process
// (offscreen, on a socket in a temporary folder) keeps its socket, its files and its other
// clients, and never stores a value it could not write.

#include "cad/host/DrawingModel.h"
#include "cad/host/HostCalls.h"
#include "cad/host/HostServer.h"
#include "cad/host/HostWindow.h"
#include "cad/protocol/HostMessages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

QCborMap call(QLocalSocket& socket, const QString& name, const QCborArray& args = {}) {
    socket.write(hostproto::frame(hostproto::request(name, args)));
    QByteArray buffer;
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        bool malformed = false;
        if (auto reply = hostproto::takeFrame(buffer, malformed))
            return *reply;
        if (malformed || (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(100) &&
                          socket.state() != QLocalSocket::ConnectedState))
            break;
        buffer.append(socket.readAll());
    }
    return {};
}

QString errorOf(const QCborMap& reply) {
    return reply.value(QStringLiteral("error")).toString();
}

class HostFault : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        socketName = dir.filePath("host.socket");
    }
    void TearDown() override {
        host.kill();
        host.waitForFinished(5000);
    }

    // Started with the given arguments and environment; `limitDescriptors` caps its open files.
    void start(const QStringList& args, QProcessEnvironment env = QProcessEnvironment::systemEnvironment(),
               rlim_t limitDescriptors = 0) {
        env.insert("QT_QPA_PLATFORM", "offscreen");
        host.setProcessEnvironment(env);
        host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (limitDescriptors)
            host.setChildProcessModifier([limitDescriptors] {
                const rlimit limit{limitDescriptors, limitDescriptors};
                ::setrlimit(RLIMIT_NOFILE, &limit);
            });
        host.start(QCoreApplication::applicationDirPath() + "/DrawingHost", args);
        ASSERT_TRUE(host.waitForStarted(5000));
    }
    void startOnTestSocket(rlim_t limitDescriptors = 0) {
        start({"--socket", socketName}, QProcessEnvironment::systemEnvironment(), limitDescriptors);
        QDeadlineTimer deadline(10000);
        while (!host::hostAnswers(socketName, 200) && !deadline.hasExpired())
            QThread::msleep(50);
        ASSERT_TRUE(host::hostAnswers(socketName));
    }
    std::unique_ptr<QLocalSocket> connectClient() {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(socketName);
        EXPECT_TRUE(socket->waitForConnected(2000));
        return socket;
    }

    QTemporaryDir dir;
    QString socketName;
    QProcess host;
};

TEST_F(HostFault, WithoutARuntimeFolderTheSocketIsInAFolderOfTheUsersOwn) {
    // Neither the session's runtime folder nor the toolkit's fallback in the temporary folder
    // can be used; the temporary folder is what other users share.
    const QString home = dir.filePath("home"), shared = dir.filePath("shared");
    ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(shared));
    const QString notAFolder = dir.filePath("runtime-file");
    const QString user = QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
    for (const QString& file : {notAFolder, shared + "/runtime-" + user}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
        env.remove(name);
    env.insert("HOME", home);
    env.insert("XDG_RUNTIME_DIR", notAFolder);
    env.insert("TMPDIR", shared);
    start({}, env);

    QString found;
    QDeadlineTimer deadline(10000);
    while (found.isEmpty() && !deadline.hasExpired()) {
        for (const QString& root : {home, shared}) {
            QDirIterator it(root, {"helidraw-host.socket"}, QDir::System | QDir::Hidden | QDir::Files,
                            QDirIterator::Subdirectories);
            if (it.hasNext())
                found = it.next();
        }
        QThread::msleep(50);
    }
    ASSERT_FALSE(found.isEmpty()) << "no socket";
    EXPECT_TRUE(found.startsWith(home + "/")) << qPrintable(found);
    struct stat folder {};
    ASSERT_EQ(::stat(QFile::encodeName(QFileInfo(found).path()).constData(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    EXPECT_TRUE(host::hostAnswers(found, 5000));
}

} // namespace
