// Times Helidraw's drawing runs against a real DrawingHost (offscreen): the first run, which
// starts the host, then warm runs of a compression spring and a centre-hook extension spring.
// Then, in a host of its own, the largest drawing the host keeps: how long the host answers
// nobody while it saves that drawing and while it shows all of it.

#include "cad/HostFactory.h"
#include "cad/SocketCadHost.h"
#include "cad/host/DrawingModel.h"
#include "cad/protocol/HostMessages.h"
#include "common/Prompt.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct CountingPrompter : Prompter {
    int boxes = 0;
    PromptAnswer ask(QWidget*, const PromptRequest& r) override {
        ++boxes;
        std::fprintf(stderr, "box: %s\n", qPrintable(r.text));
        return PromptAnswer::Ok;
    }
};

double run(FormBase* form, const char* button) {
    QElapsedTimer timer;
    timer.start();
    form->button(QString::fromLatin1(button))->click();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QCborMap call(QLocalSocket& socket, const QString& name, const QCborArray& args = {}) {
    socket.write(hostproto::frame(hostproto::request(name, args)));
    QByteArray buffer;
    for (;;) {
        bool malformed = false;
        if (auto reply = hostproto::takeFrame(buffer, malformed))
            return *reply;
        if (malformed || (!socket.waitForReadyRead(60000) && socket.state() != QLocalSocket::ConnectedState))
            return {};
        buffer.append(socket.readAll());
    }
}

// A helix of the given points, 50 to the turn, as Helidraw sends it.
QCborArray helix(size_t points, double height) {
    QCborArray list;
    for (size_t i = 0; i < points; ++i) {
        const double t = 2 * M_PI * double(i) / 50;
        list << 10 * std::cos(t) << 10 * std::sin(t) << height + t;
    }
    return list;
}

// Milliseconds until the host answers a greeting after the call: a window repaint that the call
// leaves behind keeps the host as busy as the call itself.
double busyAfter(QLocalSocket& socket, const QString& name, const QCborArray& args) {
    QElapsedTimer timer;
    timer.start();
    const QCborMap reply = call(socket, name, args);
    if (!reply.value("ok").toBool())
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(reply.value("error").toString()));
    call(socket, "hello");
    return timer.nsecsElapsed() / 1e6;
}

// One spline of the most points a spline may have, then springs of 30,000 points (a little less
// than Helidraw's largest) until the drawing holds the most points it may.
int timeLargestDrawing(const QString& program, const QString& folder) {
    const size_t total = host::DrawingModel::kMaxDrawingPoints;
    const QString socketName = folder + "/largest.socket";
    QProcess host;
    host.start(program, {"--socket", socketName});
    QLocalSocket socket;
    for (int i = 0; i < 100 && socket.state() != QLocalSocket::ConnectedState; ++i) {
        QThread::msleep(50);
        socket.connectToServer(socketName);
        socket.waitForConnected(100);
    }
    int failures = 0;
    const auto expectOk = [&](const QCborMap& reply) {
        if (!reply.value("ok").toBool()) {
            std::fprintf(stderr, "refused: %s\n", qPrintable(reply.value("error").toString()));
            ++failures;
        }
    };
    expectOk(call(socket, "setVisible", {true}));
    expectOk(call(socket, "setWindowState", {3}));
    const QCborArray tangent = hostproto::Point3{0, 0, 1}.toCbor();
    size_t drawn = 0;
    for (size_t points = host::DrawingModel::kMaxSplinePoints; drawn < total;
         points = std::min<size_t>(30000, total - drawn)) {
        expectOk(call(socket, "addSpline", {helix(points, double(drawn)), tangent, tangent}));
        drawn += points;
    }
    const QCborMap beyond =
        call(socket, "addLine", {hostproto::Point3{0, 0, 0}.toCbor(), hostproto::Point3{1, 0, 0}.toCbor()});
    if (beyond.value("ok").toBool()) {
        std::fprintf(stderr, "a line beyond the largest drawing was accepted\n");
        ++failures;
    }
    std::vector<double> save, zoom;
    const QString file = folder + "/largest.dxf";
    for (int i = 0; i < 3; ++i) {
        save.push_back(busyAfter(socket, "saveDxf", {file}));
        zoom.push_back(busyAfter(socket, "zoomExtents", {}));
    }
    std::printf("largest drawing, %zu points in splines, %.0f MB of DXF:\n", drawn,
                double(QFileInfo(file).size()) / 1e6);
    std::printf("  busy while saving, median of 3: %.0f ms\n", median(save));
    std::printf("  busy while showing all, median of 3: %.0f ms\n", median(zoom));
    host.kill();
    host.waitForFinished(5000);
    return failures;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CountingPrompter prompter;
    prompt::install(&prompter);
    QTemporaryDir dir;
    const QString socket = dir.filePath("bench.socket");
    QProcess host;
    cad::setHostFactory([&] {
        return std::make_unique<cad::SocketCadHost>(
            socket, QCoreApplication::applicationDirPath() + QStringLiteral("/DrawingHost"),
            [&](const QString& program, const QStringList& args, const QString& folder) {
                host.setWorkingDirectory(folder);
                host.start(program, args);
                return host.waitForStarted(5000);
            });
    });

    FormBase* compression = FormRegistry::load(QStringLiteral("CadCompressionForm"));
    for (auto [name, text] : {std::pair{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5.5"}, {"Text4", "40"}})
        compression->setText(QString::fromLatin1(name), QString::fromLatin1(text));
    FormBase* extension = FormRegistry::load(QStringLiteral("CadExtensionForm"));
    for (auto [name, text] :
         {std::pair{"Text1", "1"}, {"Text2", "10"}, {"Text3", "10.3"}, {"Text4", "8"}, {"Text7", "8"}})
        extension->setText(QString::fromLatin1(name), QString::fromLatin1(text));

    const double cold = run(compression, "Command3");
    std::vector<double> warmCompression, warmHooks;
    for (int i = 0; i < 20; ++i) {
        warmCompression.push_back(run(compression, "Command3"));
        warmHooks.push_back(run(extension, "Command1"));
    }
    std::printf("first run (starts the host): %.1f ms\n", cold);
    std::printf("compression spring, median of 20: %.2f ms\n", median(warmCompression));
    std::printf("centre-hook extension spring, median of 20: %.2f ms\n", median(warmHooks));
    delete compression;
    delete extension;
    host.kill();
    host.waitForFinished(5000);
    prompt::install(nullptr);
    const int failures = timeLargestDrawing(
        QCoreApplication::applicationDirPath() + QStringLiteral("/DrawingHost"), dir.path());
    return prompter.boxes == 0 && failures == 0 ? 0 : 1;
}
