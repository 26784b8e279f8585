// The drawing host under faults and careless or hostile clients: a real DrawingHost process
// (offscreen, on a socket in a temporary folder) keeps its socket, its files and its other
// clients, and never stores a value it could not write.

#include "HostProcess.h"
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

TEST_F(HostFault, RegularFileGivenAsTheSocketIsKept) {
    QFile file(socketName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("a drawing of the user's");
    file.close();
    start({"--socket", socketName});
    ASSERT_TRUE(host.waitForFinished(10000));
    EXPECT_NE(host.exitCode(), 0);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("a drawing of the user's"));
}

TEST_F(HostFault, RunningOutOfDescriptorsLeavesTheHostReachable) {
    // Fewer descriptors than the host's own files and the connections it keeps together.
    startOnTestSocket(20);
    std::vector<std::unique_ptr<QLocalSocket>> crowd;
    for (int i = 0; i < 200; ++i) {
        crowd.push_back(std::make_unique<QLocalSocket>());
        crowd.back()->connectToServer(socketName);
        crowd.back()->waitForConnected(1000);
    }
    QThread::msleep(300);
    EXPECT_TRUE(QFileInfo(socketName).exists()) << "the listening socket's file is gone";
    crowd.clear();
    // Once the crowd has gone, a newcomer is served in full.
    QDeadlineTimer deadline(5000);
    while (!host::hostAnswers(socketName, 200) && !deadline.hasExpired())
        QThread::msleep(50);
    auto client = connectClient();
    EXPECT_TRUE(
        call(*client, "addLine", {hostproto::Point3{0, 0, 0}.toCbor(), hostproto::Point3{1, 0, 0}.toCbor()})
            .value("ok")
            .toBool());
}

QByteArray splineRequest(size_t points) {
    QCborArray list;
    for (size_t i = 0; i < points; ++i) {
        list.append(double(i));
        list.append(0.0);
        list.append(0.0);
    }
    const QCborArray tangent = hostproto::Point3{1, 0, 0}.toCbor();
    return hostproto::frame(hostproto::request("addSpline", {list, tangent, tangent}));
}

QByteArray frameHeaderOnly(quint32 length) {
    QByteArray header(4, Qt::Uninitialized);
    qToBigEndian<quint32>(length, header.data());
    return header + QByteArray(1000, '\xa0');
}

TEST_F(HostFault, OversizedRequestIsRefusedWhileAnotherClientIsServed) {
    startOnTestSocket();
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"spline of too many points", splineRequest(host::DrawingModel::kMaxSplinePoints + 1)},
        {"frame too long", frameHeaderOnly(quint32(hostproto::kMaxFrameBytes + 1))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto other = connectClient();
        auto sender = connectClient();
        sender->write(c.bytes);
        EXPECT_TRUE(call(*other, "hello").value("ok").toBool());
        QByteArray buffer;
        std::optional<QCborMap> reply;
        QDeadlineTimer deadline(10000);
        while (!reply && !deadline.hasExpired()) {
            sender->waitForReadyRead(100);
            buffer.append(sender->readAll());
            bool malformed = false;
            reply = hostproto::takeFrame(buffer, malformed);
        }
        ASSERT_TRUE(reply) << "no answer";
        EXPECT_FALSE(reply->value("ok").toBool());
        EXPECT_FALSE(errorOf(*reply).isEmpty());
        EXPECT_TRUE(call(*other, "hello").value("ok").toBool());
    }
}

TEST_F(HostFault, ClientThatLeavesItsRepliesUnreadIsDropped) {
    startOnTestSocket();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socketName);
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const timeval timeout{10, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);

    QByteArray batch;
    for (int i = 0; i < 1000; ++i)
        batch += hostproto::frame(hostproto::request("hello", {}));
    // About 30 MB of replies if all were kept.
    int sendError = 0;
    for (int i = 0; i < 1000 && !sendError; ++i) {
        for (qsizetype done = 0; done < batch.size() && !sendError;) {
            const ssize_t n = ::send(fd, batch.constData() + done, size_t(batch.size() - done), MSG_NOSIGNAL);
            if (n < 0)
                sendError = errno;
            else
                done += n;
        }
    }
    ::close(fd);
    EXPECT_TRUE(sendError == EPIPE || sendError == ECONNRESET) << "send error " << sendError;
    EXPECT_TRUE(host::hostAnswers(socketName, 5000));
}

// Each row ends in a call whose values, or what it computes from them, no number can hold or
// no file can carry; it is refused, and the saved drawing holds no inf or nan.
TEST_F(HostFault, ValuesBeyondWhatTheDrawingCanHoldAreRefused) {
    using hostproto::Point3;
    const QCborValue last(QCborSimpleType(99)); // stands for the entity the row made last
    const struct {
        const char* name;
        std::vector<std::pair<QString, QCborArray>> calls;
    } cases[] = {
        {"line moved past the largest number",
         {{"addLine", {Point3{1e308, 0, 0}.toCbor(), Point3{0, 0, 0}.toCbor()}},
          {"move", {last, Point3{0, 0, 0}.toCbor(), Point3{1e308, 0, 0}.toCbor()}}}},
        {"line moved far out",
         {{"addLine", {Point3{1e150, 0, 0}.toCbor(), Point3{0, 0, 0}.toCbor()}},
          {"move", {last, Point3{0, 0, 0}.toCbor(), Point3{1e150, 0, 0}.toCbor()}}}},
        {"spline through points too close to measure",
         {{"addSpline",
           {QCborArray{0.0, 0.0, 0.0, 1e-323, 0.0, 0.0, 2e-323, 0.0, 0.0, 3e-323, 0.0, 0.0},
            Point3{1, 0, 0}.toCbor(), Point3{1, 0, 0}.toCbor()}}}},
        {"circle far out in a tilted plane",
         {{"addUcs",
           {Point3{0, 0, 0}.toCbor(), Point3{1, -1, 0}.toCbor(), Point3{1, 1, -2}.toCbor(), "tilted"}},
          {"addCircle", {Point3{1e308, 1e308, 1e308}.toCbor(), 1.0}}}},
    };
    startOnTestSocket();
    auto client = connectClient();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QCborValue made;
        QString refusal;
        for (auto [name, args] : c.calls) {
            for (qsizetype i = 0; i < args.size(); ++i)
                if (args.at(i) == last)
                    args[i] = made;
            const QCborMap reply = call(*client, name, args);
            if (!reply.value("ok").toBool()) {
                refusal = errorOf(reply);
                break;
            }
            made = reply.value("result");
        }
        EXPECT_EQ(refusal, QStringLiteral("数值无效"));
    }
    const QString saved = dir.filePath("saved.dxf");
    ASSERT_TRUE(call(*client, "saveDxf", {saved}).value("ok").toBool());
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll().toLower();
    EXPECT_FALSE(text.contains("inf")) << "inf in the file";
    EXPECT_FALSE(text.contains("nan")) << "nan in the file";
}

// While the window asks whether the drawing may go, a client's drawing call is refused with a
// reason, so that nothing drawn meanwhile goes with the answer unseen; afterwards calls are
// served again. The question cannot be opened in a host process from outside it, so the host's
// parts run here, with a client in a thread of its own.
TEST(HostQuestion, CallsDuringTheQuestionAreRefusedWithAReason) {
    QTemporaryDir dir;
    const QString name = dir.filePath("host.socket");
    host::DrawingModel model;
    host::HostCalls calls(model);
    host::HostServer server(calls);
    ASSERT_EQ(server.listen(name), host::HostServer::Start::Listening);
    host::HostWindow window(model, calls);
    const QCborArray line{hostproto::Point3{0, 0, 0}.toCbor(), hostproto::Point3{1, 0, 0}.toCbor()};
    model.addLine({0, 0, 0}, {2, 0, 0});

    std::vector<QCborMap> replies;
    window.runMessage = [&](QMessageBox&) {
        std::atomic<bool> done = false;
        std::thread client([&] {
            QLocalSocket socket;
            socket.connectToServer(name);
            if (socket.waitForConnected(2000)) {
                replies.push_back(call(socket, "hello"));
                replies.push_back(call(socket, "addLine", line));
            }
            done = true;
        });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        client.join();
        return int(QMessageBox::Discard);
    };
    window.newDrawing();

    ASSERT_EQ(replies.size(), 2u);
    EXPECT_TRUE(replies[0].value("ok").toBool()) << "the greeting is still answered";
    EXPECT_FALSE(replies[1].value("ok").toBool());
    EXPECT_FALSE(errorOf(replies[1]).isEmpty());
    EXPECT_TRUE(model.order().empty());
    EXPECT_TRUE(calls.handle(hostproto::request("addLine", line)).value("ok").toBool());
}

} // namespace
