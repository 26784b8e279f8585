// What one client can make a real DrawingHost hold: variables it makes up are capped, and a
// frame it sends costs the host no more than a small multiple of the frame's own size, measured
// on the host process's peak resident memory.

#include "HostProcess.h"

#include "cad/host/DrawingModel.h"
#include "cad/protocol/HostMessages.h"

#include <QCborStreamWriter>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QtEndian>
#include <gtest/gtest.h>
#include <optional>

namespace {

// One connection that sends many frames before it reads their replies.
class Client {
public:
    explicit Client(const QString& name) {
        socket_.connectToServer(name);
        EXPECT_TRUE(socket_.waitForConnected(2000));
    }
    bool send(const QByteArray& bytes) {
        socket_.write(bytes);
        while (socket_.bytesToWrite() > 0)
            if (!socket_.waitForBytesWritten(10000))
                return false;
        return true;
    }
    std::optional<QCborMap> reply() {
        for (QDeadlineTimer deadline(10000); !deadline.hasExpired();) {
            bool malformed = false;
            if (auto message = hostproto::takeFrame(buffer_, malformed))
                return message;
            if (malformed || socket_.state() != QLocalSocket::ConnectedState)
                return std::nullopt;
            socket_.waitForReadyRead(50);
            buffer_.append(socket_.readAll());
        }
        return std::nullopt;
    }

private:
    QLocalSocket socket_;
    QByteArray buffer_;
};

// A field of /proc/<pid>/status, in kB.
qint64 statusKb(qint64 pid, const char* field) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    return -1;
}

QByteArray framed(const QByteArray& body) {
    QByteArray header(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(body.size()), header.data());
    return header + body;
}

// {call, args: [...]}, the arguments given as raw CBOR.
QByteArray requestWithRawArgs(const QString& call, const QByteArray& args) {
    QByteArray head;
    QCborStreamWriter writer(&head);
    writer.startMap(2);
    writer.append(QLatin1String("call"));
    writer.append(call);
    writer.append(QLatin1String("args"));
    return head + args;
}

// A CBOR array header of n items, in the five-byte form.
QByteArray arrayOf(quint32 n) {
    QByteArray header(5, Qt::Uninitialized);
    header[0] = char(0x9a);
    qToBigEndian<quint32>(n, header.data() + 1);
    return header;
}

class HostMemory : public HostProcess {};

TEST_F(HostMemory, VariablesPastTheCapAreRefusedAndTheOnesSetStay) {
    ASSERT_TRUE(startIdleHost());
    Client client(socketName);
    constexpr qsizetype cap = host::DrawingModel::kMaxVariables;
    QByteArray frames;
    for (qsizetype i = 0; i < cap; ++i)
        frames += hostproto::frame(hostproto::request("setVariable", {QStringLiteral("var%1").arg(i), 1}));
    ASSERT_TRUE(client.send(frames));
    for (qsizetype i = 0; i < cap; ++i) {
        const auto reply = client.reply();
        ASSERT_TRUE(reply) << "no reply to variable " << i;
        ASSERT_TRUE(reply->value("ok").toBool()) << i << ": " << qPrintable(reply->value("error").toString());
    }
    const QString refusal = inHostLanguage("变量数将超过 1000", "變數數量將超過 1000",
                                           "The drawing would hold more than 1000 variables");
    const struct {
        const char* name;
        QString variable;
        bool accepted;
    } rows[] = {
        {"a new name", "one more", false},
        {"a name set before", "var0", true},
        {"a name set before, in other case and blanks", " VAR999 ", true},
        {"a new name after them", "another", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(client.send(hostproto::frame(hostproto::request("setVariable", {row.variable, 2}))));
        const auto reply = client.reply();
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->value("ok").toBool(), row.accepted);
        EXPECT_EQ(reply->value("error").toString(), row.accepted ? QString() : refusal);
    }
}

// Each frame is as long as the host takes; its values, decoded whole, would cost the host a
// hundred times that (empty containers) or more nesting than any decoder's stack holds.
TEST_F(HostMemory, FrameOfManySmallOrDeepValuesCostsASmallMultipleOfItsSize) {
    ASSERT_TRUE(startIdleHost());
    const qint64 pid = processes.back()->processId();
    Client client(socketName);
    const QByteArray hello = hostproto::frame(hostproto::request("hello", {}));
    ASSERT_TRUE(client.send(hello));
    ASSERT_TRUE(client.reply());
    const qint64 peakBefore = statusKb(pid, "VmHWM:");
    ASSERT_GT(peakBefore, 0);

    const qsizetype room = hostproto::kMaxFrameBytes - 64;
    const auto repeated = [room](char item) {
        return requestWithRawArgs("addRegion", arrayOf(quint32(room)) + QByteArray(room, item));
    };
    const struct {
        const char* name;
        QByteArray body;
    } rows[] = {
        {"empty arrays", repeated(char(0x80))},
        {"empty maps", repeated(char(0xa0))},
        {"empty strings", repeated(char(0x60))},
        {"arrays nested in arrays", requestWithRawArgs("hello", QByteArray(room, char(0x81)) + char(0x80))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_LE(row.body.size(), hostproto::kMaxFrameBytes);
        ASSERT_TRUE(client.send(framed(row.body)));
        const auto reply = client.reply();
        ASSERT_TRUE(reply) << "the host did not answer";
        EXPECT_FALSE(reply->value("ok").toBool());
        EXPECT_EQ(reply->value("error").toString(),
                  inHostLanguage("请求的项目太多或嵌套太深", "請求的項目太多或巢狀太深",
                                 "The request holds too many items or nests too deeply"));
        // The frame is held while it is read and cut from the stream; a few copies of it at
        // most, nowhere near what its values would take.
        const qint64 grownMb = (statusKb(pid, "VmHWM:") - peakBefore) / 1024;
        EXPECT_LT(grownMb, 64) << "the host's peak grew by " << grownMb << " MB";
        ASSERT_TRUE(client.send(hello));
        const auto next = client.reply();
        ASSERT_TRUE(next) << "the connection did not carry on";
        EXPECT_TRUE(next->value("ok").toBool());
    }
}

} // namespace
