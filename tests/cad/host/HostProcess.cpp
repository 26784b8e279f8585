#include "HostProcess.h"

#include "cad/HostFactory.h"
#include "cad/SocketCadHost.h"
#include "cad/protocol/HostMessages.h"
#include "common/StringTable.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QLocale>
#include <QThread>
#include <algorithm>

namespace {

QString hostProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/DrawingHost");
}

// Outside these tests, Helidraw's windows find no host program, so a test that clicks every
// window starts no process.
void installNoHost() {
    cad::setHostFactory([] {
        return std::make_unique<cad::SocketCadHost>(QDir::temp().filePath("helidraw-tests-no-host.socket"),
                                                    QStringLiteral("/nonexistent/DrawingHost"));
    });
}
const bool noHostInstalled = (installNoHost(), true);

} // namespace

QString inHostLanguage(const char* zhCN, const char* zhTW, const char* en) {
    switch (StringTable::languageFor(QLocale::system().uiLanguages())) {
    case Language::ZhCN:
        return QString::fromUtf8(zhCN);
    case Language::ZhTW:
        return QString::fromUtf8(zhTW);
    case Language::EnUS:
        break;
    }
    return QString::fromUtf8(en);
}

void HostProcess::SetUp() {
    FormTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    program = hostProgram();
    socketName = dir.filePath("host.socket");
    cad::setHostFactory([this] {
        return std::make_unique<cad::SocketCadHost>(
            socketName, program, [this](const QString& p, const QStringList& args, const QString& folder) {
                ++launches;
                return start(p, args, folder);
            });
    });
}

void HostProcess::TearDown() {
    for (const char* name :
         {"CadCompressionForm", "CadConicalForm", "CadBarrelForm", "CadTorsionForm", "CadExtensionForm"})
        delete FormRegistry::find(QString::fromLatin1(name));
    installNoHost();
    for (auto& p : processes) {
        p->kill();
        p->waitForFinished(5000);
    }
    FormTest::TearDown();
}

bool HostProcess::start(const QString& p, const QStringList& args, const QString& folder) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(folder);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (hostSetup)
        process->setChildProcessModifier(hostSetup);
    process->start(p, args);
    const bool started = process->waitForStarted(5000);
    processes.push_back(std::move(process));
    return started;
}

QCborMap callHostOn(const QString& socketName, const QString& call, const QCborArray& args, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime()))))
        return {};
    socket.write(hostproto::frame(hostproto::request(call, args)));
    QByteArray buffer;
    while (!deadline.hasExpired()) {
        bool malformed = false;
        if (auto reply = hostproto::takeFrame(buffer, malformed))
            return *reply;
        if (malformed)
            return {};
        socket.waitForReadyRead(int(std::clamp<qint64>(deadline.remainingTime(), 1, 100)));
        buffer.append(socket.readAll());
    }
    return {};
}

namespace host {

bool hostAnswers(const QString& name, int timeoutMs) {
    return callHostOn(name, QStringLiteral("hello"), {}, timeoutMs).value(QStringLiteral("ok")).toBool();
}

} // namespace host

QCborMap HostProcess::callHost(const QString& call, const QCborArray& args) {
    const QCborMap reply = callHostOn(socketName, call, args);
    EXPECT_FALSE(reply.isEmpty()) << "no reply to " << qPrintable(call);
    return reply;
}

DxfContents HostProcess::saved() {
    const QString path = dir.filePath("saved.dxf");
    const QCborMap reply = callHost("saveDxf", {path});
    EXPECT_TRUE(reply.value("ok").toBool()) << qPrintable(reply.value("error").toString());
    return readDxf(path);
}

FormBase* HostProcess::drawCompression() {
    FormBase* form = open("CadCompressionForm");
    typeAll(form, {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5.5"}, {"Text4", "40"}, {"Combo1", "右旋"}});
    click(form, "Command3");
    return form;
}

bool HostProcess::startIdleHost() {
    if (!start(program, {"--socket", socketName}, dir.path()))
        return false;
    for (int i = 0; i < 100; ++i) {
        QLocalSocket socket;
        socket.connectToServer(socketName);
        if (socket.waitForConnected(100))
            return true;
        QThread::msleep(50);
    }
    return false;
}
