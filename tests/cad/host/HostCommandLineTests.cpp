// The drawing host as a program on the command line: how it ends on a stop signal, and the
// language of what it prints there.

#include "HostProcess.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class HostCommandLine : public HostProcess {};

TEST_F(HostCommandLine, StopSignalEndsTheHostAndRemovesItsSocket) {
    // As from a terminal: a test runner may have left the signals ignored.
    hostSetup = [] {
        ::signal(SIGTERM, SIG_DFL);
        ::signal(SIGINT, SIG_DFL);
        ::signal(SIGHUP, SIG_DFL);
    };
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signalNumber));
        ASSERT_TRUE(startIdleHost());
        QProcess& host = *processes.back();
        ASSERT_EQ(::kill(pid_t(host.processId()), signalNumber), 0);
        ASSERT_TRUE(host.waitForFinished(10000));
        EXPECT_EQ(host.exitStatus(), QProcess::NormalExit)
            << "the signal ended the host before it cleaned up";
        struct stat left {};
        EXPECT_NE(::lstat(QFile::encodeName(socketName).constData(), &left), 0) << "the socket file is left";
    }

    // Started in the background or under nohup: the signals it was told to ignore leave it running.
    hostSetup = [] {
        ::signal(SIGINT, SIG_IGN);
        ::signal(SIGHUP, SIG_IGN);
    };
    ASSERT_TRUE(startIdleHost());
    QProcess& host = *processes.back();
    for (const int signalNumber : {SIGINT, SIGHUP})
        ASSERT_EQ(::kill(pid_t(host.processId()), signalNumber), 0);
    EXPECT_FALSE(host.waitForFinished(500)) << "an ignored signal ended the host";
    EXPECT_TRUE(callHost("hello", {}).value("ok").toBool());
}

// The language comes from the desktop's settings, as in the host's window.
TEST(HostCommandLineMessages, ComeInTheDesktopsLanguage) {
    QTemporaryDir dir;
    const QString file = dir.filePath("drawing.dxf");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString missing = dir.filePath("missing/host.socket");
    const struct {
        const char* language;
        QString socket;
        QString expected;
    } cases[] = {
        {"en_US", file, "Not a socket, left unchanged: " + file},
        {"zh_CN", file, "不是套接字，未改动：" + file},
        {"zh_TW", file, "不是通訊端，未變更：" + file},
        {"en_US", missing, missing + ": No such folder"},
        {"zh_CN", missing, missing + ": 文件夹不存在"},
        {"zh_TW", missing, missing + ": 資料夾不存在"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language + (": " + c.socket).toStdString());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        env.insert("LANG", "C.UTF-8");
        env.insert("LANGUAGE", c.language);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess host;
        host.setProcessEnvironment(env);
        host.start(QCoreApplication::applicationDirPath() + "/DrawingHost", {"--socket", c.socket});
        ASSERT_TRUE(host.waitForFinished(10000));
        EXPECT_NE(host.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(host.readAllStandardError()).split('\n');
        EXPECT_TRUE(lines.contains("DrawingHost: " + c.expected)) << qPrintable(lines.join('\n'));
    }
}

} // namespace
