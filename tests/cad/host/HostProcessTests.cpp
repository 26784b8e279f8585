// Helidraw's windows drawing through a real DrawingHost process (offscreen, on a socket in a
// temporary folder), checked in the DXF the host saves.

#include "HostProcess.h"
#include "cad/SocketCadHost.h"
#include "cad/host/HostServer.h"
#include "cad/protocol/HostMessages.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <cmath>

namespace {

using host::Vec3;

TEST_F(HostProcess, CompressionSpringIsDrawnAndSaved) {
    FormBase* form = drawCompression();
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    EXPECT_EQ(form->text("Label10"), QStringLiteral("已连接"));
    EXPECT_EQ(launches, 1);

    const DxfContents c = saved();
    ASSERT_TRUE(c.loaded);
    EXPECT_EQ(c.counts, (std::map<std::string, int>{{"CIRCLE", 3}, {"HATCH", 1}, {"SPLINE", 3}}));
    ASSERT_EQ(c.splines.size(), 3u);
    const auto& active = c.splines[1].fitPoints;
    ASSERT_EQ(active.size(), 101u);
    for (const Vec3& p : active)
        EXPECT_NEAR(std::hypot(p.x, p.y), 10, 1e-9);
    EXPECT_NEAR(active.back().x, -10, 1e-6);
    EXPECT_NEAR(active.back().y, 0, 1e-6);
    EXPECT_NEAR(active.back().z, 34, 1e-6);
    ASSERT_FALSE(c.circles.empty());
    EXPECT_DOUBLE_EQ(c.circles[0].radius, 0.98);
    EXPECT_NEAR(c.circles[0].extrusion.x, 0, 1e-12);
    EXPECT_NEAR(c.circles[0].extrusion.y, -1, 1e-12);
    EXPECT_NEAR(c.circles[0].extrusion.z, 0, 1e-12);
    EXPECT_NEAR(c.viewDirection.x, -1, 1e-12);
    EXPECT_NEAR(c.viewDirection.y, -1, 1e-12);
    EXPECT_NEAR(c.viewDirection.z, 1, 1e-12);
}

TEST_F(HostProcess, CentreHookSpringIsDrawnAndSaved) {
    FormBase* form = open("CadExtensionForm");
    typeAll(form, {{"Text1", "1"},
                   {"Text2", "10"},
                   {"Text3", "10.3"},
                   {"Text4", "8"},
                   {"Text7", "8"},
                   {"Combo1", "0度"}});
    click(form, "Command1");
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    const DxfContents c = saved();
    EXPECT_EQ(c.counts, (std::map<std::string, int>{{"ARC", 2}, {"CIRCLE", 7}, {"LINE", 2}, {"SPLINE", 3}}));
    ASSERT_EQ(c.arcs.size(), 2u);
    const ReadArc& upper = c.arcs[1];
    const double a = upper.startAngle * M_PI / 180;
    const Vec3 start = worldOf(upper.centre + Vec3{upper.radius * std::cos(a), upper.radius * std::sin(a), 0},
                               upper.extrusion);
    EXPECT_NEAR(start.x, 4.604, 1e-3);
    EXPECT_NEAR(start.y, -1.954, 1e-3);
    EXPECT_NEAR(start.z, 9.936338, 1e-6);
}

TEST_F(HostProcess, SecondClickDoublesTheDrawingWithOneTestSystem) {
    FormBase* form = drawCompression();
    click(form, "Command3");
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_EQ(launches, 1);
    const DxfContents c = saved();
    EXPECT_EQ(c.counts, (std::map<std::string, int>{{"CIRCLE", 6}, {"HATCH", 2}, {"SPLINE", 6}}));
    EXPECT_EQ(c.ucsNames, (std::vector<std::string>{"test"}));
}

TEST_F(HostProcess, StoppedHostIsReplacedOnTheNextClick) {
    FormBase* form = drawCompression();
    ASSERT_EQ(processes.size(), 1u);
    processes[0]->kill();
    processes[0]->waitForFinished(5000);
    click(form, "Command3");
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    EXPECT_EQ(launches, 2);
    // The new host holds only the second spring.
    EXPECT_EQ(saved().counts["SPLINE"], 3);
}

TEST_F(HostProcess, MissingHostProgramIsNamed) {
    program = dir.filePath("nowhere/DrawingHost");
    FormBase* form = drawCompression();
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_TRUE(prompts().lastText().contains(program)) << qPrintable(prompts().lastText());
    EXPECT_EQ(form->text("Label10"), QStringLiteral("未连接"));
    EXPECT_EQ(launches, 0);
}

// A server in a thread of its own that accepts a connection and closes it at once.
class ClosingServer : public QThread {
public:
    explicit ClosingServer(QString name) : name_(std::move(name)) {}
    QAtomicInt listening = 0;

protected:
    void run() override {
        QLocalServer server;
        server.listen(name_);
        listening = 1;
        QObject::connect(&server, &QLocalServer::newConnection, [&] {
            QLocalSocket* socket = server.nextPendingConnection();
            socket->abort();
            quit();
        });
        exec();
    }

private:
    QString name_;
};

TEST_F(HostProcess, ConnectionClosedByTheServerIsReported) {
    ClosingServer server(socketName);
    server.start();
    while (!server.listening)
        QThread::msleep(5);
    FormBase* form = drawCompression();
    server.wait(5000);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), hostproto::lostConnectionText());
    EXPECT_EQ(form->text("Label10"), QStringLiteral("未连接"));
    EXPECT_EQ(launches, 0);
}

// A server that accepts and then never answers.
class SilentServer : public QThread {
public:
    explicit SilentServer(QString name) : name_(std::move(name)) {}
    QAtomicInt listening = 0;

protected:
    void run() override {
        QLocalServer server;
        server.listen(name_);
        listening = 1;
        exec();
    }

private:
    QString name_;
};

TEST_F(HostProcess, HostThatDoesNotAnswerWithinTenSecondsIsReported) {
    SilentServer server(socketName);
    server.start();
    while (!server.listening)
        QThread::msleep(5);
    QElapsedTimer timer;
    timer.start();
    FormBase* form = drawCompression();
    const qint64 waited = timer.elapsed();
    server.quit();
    server.wait(5000);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), hostproto::lostConnectionText());
    EXPECT_EQ(form->text("Label10"), QStringLiteral("未连接"));
    EXPECT_GE(waited, cad::SocketCadHost::kTimeoutMs - 100);
    EXPECT_LT(waited, cad::SocketCadHost::kTimeoutMs + 3000);
}

TEST_F(HostProcess, SecondHostOnTheSameSocketLeaves) {
    drawCompression();
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(env);
    second.start(program, {"--socket", socketName});
    ASSERT_TRUE(second.waitForFinished(10000));
    // It did not start, and says so, naming the socket.
    EXPECT_NE(second.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(second.readAllStandardError()).contains(socketName));
    // The first host still holds the drawing.
    EXPECT_EQ(saved().counts["SPLINE"], 3);
}

} // namespace
