// What the drawing host does with requests it cannot take at their word and with clients that
// stop in the middle of a frame: a real DrawingHost process (offscreen, on a socket in a
// temporary folder), and the host's server in this process where its time limit is shortened.

#include "HostProcess.h"
#include "cad/host/DrawingModel.h"
#include "cad/host/HostCalls.h"
#include "cad/host/HostServer.h"
#include "cad/protocol/HostMessages.h"

#include <QCborStreamWriter>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// A client on a plain descriptor, so that it can stop anywhere in a frame. It waits for the
// host while processing this process's events, so the host may also run here.
class RawClient {
public:
    explicit RawClient(const QString& name) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(name);
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        EXPECT_EQ(::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0)
            << std::strerror(errno);
    }
    ~RawClient() { ::close(fd_); }
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    // False once the host has hung up.
    bool send(const QByteArray& bytes) {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t n =
                ::send(fd_, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
            if (n < 0 && errno != EAGAIN)
                return false;
            if (n < 0)
                wait();
            else
                done += n;
        }
        return true;
    }
    // The next reply; nothing when the host hung up or did not answer in time.
    std::optional<QCborMap> reply() {
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            bool malformed = false;
            if (auto message = hostproto::takeFrame(buffer_, malformed))
                return message;
            if (malformed || !receive())
                return std::nullopt;
        }
        return std::nullopt;
    }
    // True when the host hangs up within the time; replies that came before are dropped.
    bool closedByHost(int waitMs = 0) {
        buffer_.clear();
        QDeadlineTimer deadline(waitMs);
        for (;;) {
            char chunk[4096];
            const ssize_t n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
            if (n == 0 || (n < 0 && errno != EAGAIN))
                return true;
            if (n < 0 && deadline.hasExpired())
                return false;
            if (n < 0)
                wait();
        }
    }

private:
    void wait() {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        pollfd p{fd_, POLLIN | POLLOUT, 0};
        ::poll(&p, 1, 10);
    }
    // Reads what has come, waiting a moment when nothing has; false once the host hung up.
    bool receive() {
        char chunk[4096];
        const ssize_t n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n > 0)
            buffer_.append(chunk, n);
        else if (n == 0 || errno != EAGAIN)
            return false;
        else
            wait();
        return true;
    }

    int fd_ = -1;
    QByteArray buffer_;
};

QByteArray framed(const QByteArray& body) {
    QByteArray header(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(body.size()), header.data());
    return header + body;
}

QByteArray cborOf(const QCborMap& map) {
    return map.toCborValue().toCbor();
}

// {call: first, args: [], call: second}: which call is meant depends on the reader.
QByteArray callGivenTwice(const QString& first, const QString& second) {
    QByteArray body;
    QCborStreamWriter writer(&body);
    writer.startMap(3);
    writer.append(QLatin1String("call"));
    writer.append(first);
    writer.append(QLatin1String("args"));
    QCborArray{hostproto::Point3{0, 0, 0}.toCbor(), hostproto::Point3{1, 0, 0}.toCbor()}.toCborValue().toCbor(
        writer);
    writer.append(QLatin1String("call"));
    writer.append(second);
    writer.endMap();
    return body;
}

class HostConnection : public HostProcess {};

TEST_F(HostConnection, FrameNotHoldingOneMapOfDistinctKeysIsRefusedAndTheConnectionServesOn) {
    ASSERT_TRUE(startIdleHost());
    const QByteArray hello = cborOf(hostproto::request("hello", {}));
    const QByteArray line = cborOf(hostproto::request(
        "addLine", {hostproto::Point3{0, 0, 0}.toCbor(), hostproto::Point3{1, 0, 0}.toCbor()}));
    const struct {
        const char* name;
        QByteArray body;
    } cases[] = {
        {"a byte after the map", hello + QByteArray(1, '\0')},
        {"a second request after the first", hello + line},
        {"call given twice", callGivenTwice("addLine", "hello")},
        {"not CBOR", QByteArray("\xff\xfe", 2)},
        {"an array, not a map", QCborArray{"hello"}.toCborValue().toCbor()},
        {"nothing", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RawClient client(socketName);
        client.send(framed(c.body) + framed(hello));
        const auto refusal = client.reply();
        ASSERT_TRUE(refusal) << "no answer";
        EXPECT_FALSE(refusal->value("ok").toBool());
        EXPECT_EQ(refusal->value("error").toString(),
                  inHostLanguage("请求格式无效", "請求格式無效", "The request is not well formed"));
        const auto next = client.reply();
        ASSERT_TRUE(next) << "the connection did not carry on";
        EXPECT_TRUE(next->value("ok").toBool());
    }
    EXPECT_TRUE(saved().counts.empty()) << "a refused request drew";
}

// The host's server in this process with a short time limit; each row is one client, all
// connected at once, and a row with `trickled` sends its bytes one at a time.
TEST(HostFrameTimeout, ClientStuckInAFrameIsDroppedWhileIdleOnesAreKept) {
    QTemporaryDir dir;
    const QString name = dir.filePath("host.socket");
    host::DrawingModel model;
    host::HostCalls calls(model);
    host::HostServer server(calls);
    const auto timeout = 300ms;
    server.setFrameTimeout(timeout);
    ASSERT_EQ(server.listen(name), host::HostServer::Start::Listening);

    const QByteArray hello = hostproto::frame(hostproto::request("hello", {}));
    const QByteArray longHello = hostproto::frame(hostproto::request("hello", {QString(500, 'x')}));
    const struct {
        const char* name;
        QByteArray bytes;
        bool trickled;
        bool dropped;
    } cases[] = {
        {"part of a header", hello.left(2), false, true},
        {"header and part of the body", hello.left(hello.size() - 1), false, true},
        {"a request, then part of the next", hello + hello.left(2), false, true},
        {"a frame trickled a byte at a time", longHello, true, true},
        {"nothing", {}, false, false},
        {"a whole request", hello, false, false},
    };
    std::vector<std::unique_ptr<RawClient>> clients;
    for (const auto& c : cases) {
        clients.push_back(std::make_unique<RawClient>(name));
        if (!c.trickled)
            clients.back()->send(c.bytes);
    }
    // Many times the limit, with a byte of each trickled frame every 20 ms: the frame would take
    // ten seconds, and each byte comes well within the limit.
    qsizetype trickledBytes = 0;
    for (QDeadlineTimer window(10 * timeout); !window.hasExpired(); ++trickledBytes) {
        for (size_t i = 0; i < std::size(cases); ++i)
            if (cases[i].trickled && trickledBytes < cases[i].bytes.size())
                clients[i]->send(cases[i].bytes.mid(trickledBytes, 1));
        QDeadlineTimer pause(20);
        while (!pause.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        const bool closed = clients[i]->closedByHost();
        EXPECT_EQ(closed, cases[i].dropped);
        if (closed || cases[i].dropped)
            continue;
        ASSERT_TRUE(clients[i]->send(hello));
        const auto reply = clients[i]->reply();
        ASSERT_TRUE(reply);
        EXPECT_TRUE(reply->value("ok").toBool());
    }
}

// As many clients as the host takes, each stopped after two bytes of a frame, shut everyone
// else out until the host drops them; this takes the host's real time limit.
TEST_F(HostConnection, ClientsStuckInAFrameAreDroppedSoThatANewcomerIsServed) {
    ASSERT_TRUE(startIdleHost());
    const QByteArray hello = hostproto::frame(hostproto::request("hello", {}));
    std::vector<std::unique_ptr<RawClient>> crowd;
    for (QDeadlineTimer deadline(20000); crowd.size() < size_t(host::HostServer::kMaxClients);) {
        ASSERT_FALSE(deadline.hasExpired()) << "the host took " << crowd.size() << " clients";
        auto client = std::make_unique<RawClient>(socketName);
        client->send(hello);
        const auto reply = client->reply();
        if (!reply || !reply->value("ok").toBool()) {
            // Refused: the start-up probe's connection is still being closed.
            QThread::msleep(50);
            continue;
        }
        client->send(hello.left(2));
        crowd.push_back(std::move(client));
    }
    ASSERT_FALSE(host::hostAnswers(socketName)) << "the host is not full";

    bool served = false;
    for (QDeadlineTimer deadline(host::HostServer::kFrameTimeout + 30s); !served && !deadline.hasExpired();) {
        served = host::hostAnswers(socketName);
        if (!served)
            QThread::msleep(500);
    }
    EXPECT_TRUE(served);
    for (auto& client : crowd)
        EXPECT_TRUE(client->closedByHost(5000));
}

} // namespace
