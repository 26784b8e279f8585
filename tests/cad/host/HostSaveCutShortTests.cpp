// The host's saves where the target's name is as long as the file system allows, and where a
// signal ends the host in the middle of a save: every legal name saves, and a save cut short
// leaves no file beside its target, whether the file system offers nameless files or not.

#include "HostProcess.h"
#include "cad/protocol/HostMessages.h"
#include "support/SaveFaults.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <csignal>

namespace {

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST_F(HostProcess, EveryNameTheFileSystemTakesSaves) {
    ASSERT_TRUE(startIdleHost());
    for (const int bytes : {240, 242, 254, 255}) {
        SCOPED_TRACE(bytes);
        const QString folder = dir.filePath(QString::number(bytes));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString name = QString(bytes - 4, u'n') + ".dxf";
        const QCborMap reply = callHost("saveDxf", {folder + u'/' + name});
        EXPECT_TRUE(reply.value("ok").toBool()) << qPrintable(reply.value("error").toString());
        EXPECT_EQ(entries(folder), QStringList{name});
        EXPECT_TRUE(contentsOf(folder + u'/' + name).endsWith("EOF\n"));
    }
}

// A spline of many points: its file takes long enough to write that the host can be caught in
// the middle.
QCborArray largeSpline() {
    QCborArray points;
    for (int i = 0; i < 150000; ++i)
        points << double(i % 997) << double(i / 997) << double(i) * 0.001;
    return {points, hostproto::Point3{}.toCbor(), hostproto::Point3{}.toCbor()};
}

TEST_F(HostProcess, HangUpInTheMiddleOfASaveLeavesNoFileBesideTheTarget) {
    const struct {
        const char* name;
        bool nameless;
    } cases[] = {{"nameless temporary file", true}, {"named temporary file", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        hostSetup = c.nameless ? std::function<void()>() : [] { refuseNamelessFiles(); };
        socketName = dir.filePath(QString::fromLatin1(c.name).left(5) + ".socket");
        ASSERT_TRUE(startIdleHost());
        QProcess* host = processes.back().get();
        const QString folder = dir.filePath(QString::fromLatin1(c.name));
        const QString target = folder + "/spring.dxf";
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(callHost("saveDxf", {target}).value("ok").toBool());
        ASSERT_TRUE(callHost("addSpline", largeSpline()).value("ok").toBool());
        // The complete new file, for a host that finishes the save before it ends.
        const QString whole = dir.filePath(QString::fromLatin1(c.name) + ".dxf");
        ASSERT_TRUE(callHost("saveDxf", {whole}).value("ok").toBool());

        QByteArray old;
        bool caught = false;
        for (int attempt = 0; attempt < 5 && !caught; ++attempt) {
            old = contentsOf(target);
            QLocalSocket socket;
            socket.connectToServer(socketName);
            ASSERT_TRUE(socket.waitForConnected(2000));
            socket.write(hostproto::frame(hostproto::request("saveDxf", {target})));
            socket.flush();
            caught = stopWhileWritingIn(pid_t(host->processId()), folder, 5000);
            if (!caught)
                socket.waitForReadyRead(5000);
        }
        ASSERT_TRUE(caught) << "the host was never caught writing its file";
        ::kill(pid_t(host->processId()), SIGHUP);
        ::kill(pid_t(host->processId()), SIGCONT);
        ASSERT_TRUE(host->waitForFinished(10000));

        EXPECT_EQ(entries(folder), QStringList{"spring.dxf"});
        const QByteArray now = contentsOf(target);
        EXPECT_TRUE(now == old || now == contentsOf(whole)) << now.size() << " bytes";
    }
}

} // namespace
