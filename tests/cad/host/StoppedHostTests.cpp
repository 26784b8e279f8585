// A drawing host that stops answering (stopped by SIGSTOP, as a hung program would be): the
// next attach gives up within its 10 s, naming the lost connection, instead of waiting on
// the old connection and then again on a new one to the same host.

#include "cad/SocketCadHost.h"
#include "cad/protocol/HostMessages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <signal.h>

namespace {

TEST(StoppedHost, AttachEndsWithinTenSecondsWithTheLostConnection) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    cad::SocketCadHost host(dir.filePath("host.socket"),
                            QCoreApplication::applicationDirPath() + QStringLiteral("/DrawingHost"),
                            [&](const QString& program, const QStringList& args, const QString& folder) {
                                process.setWorkingDirectory(folder);
                                process.start(program, args);
                                return process.waitForStarted(5000);
                            });
    ASSERT_NO_THROW(host.attach());
    ASSERT_EQ(::kill(pid_t(process.processId()), SIGSTOP), 0);

    QElapsedTimer timer;
    timer.start();
    QString error;
    try {
        host.attach();
    } catch (const cad::HostError& e) {
        error = e.text();
    }
    const qint64 waited = timer.elapsed();

    ::kill(pid_t(process.processId()), SIGCONT);
    process.kill();
    process.waitForFinished(5000);
    EXPECT_EQ(error, hostproto::lostConnectionText());
    EXPECT_LE(waited, 10500);
    EXPECT_GE(waited, cad::SocketCadHost::kTimeoutMs - 100);
}

} // namespace
