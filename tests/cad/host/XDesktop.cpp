#include "XDesktop.h"

#include "cad/CadPalette.h"
#include "common/ui/FormRegistry.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QToolBar>

#include <csignal>
#include <unistd.h>

namespace {

int number(const QString& text, const QString& pattern) {
    const QRegularExpressionMatch m = QRegularExpression(pattern).match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

} // namespace

void XDesktop::SetUp() {
    for (const char* needed : {"Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "wmctrl"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(needed)).isEmpty())
            GTEST_SKIP() << needed << " is not installed (scripts/setup installs it)";
    ASSERT_TRUE(runtime.isValid());
    // The display number is chosen by the server, so that tests running at once never meet.
    QProcess* server = startGroup(
        QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
         QStringLiteral("1280x720x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")},
        {});
    QByteArray out;
    const QDeadlineTimer serverUp(10000);
    while (!out.contains('\n') && !serverUp.hasExpired() && server->state() == QProcess::Running) {
        server->waitForReadyRead(100);
        out += server->readAllStandardOutput();
    }
    ASSERT_TRUE(out.contains('\n')) << "Xvfb did not start";
    display = QStringLiteral(":") + QString::fromLatin1(out.trimmed());
    commonEnv = {{QStringLiteral("DISPLAY"), display},
                 {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
                 {QStringLiteral("XDG_RUNTIME_DIR"), runtime.path()},
                 {QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")},
                 {QStringLiteral("QT_SCALE_FACTOR"), QString()}};
    // A window manager that gives up at start on a busy machine is started once more.
    bool wmUp = false;
    int exitCode = 0;
    for (int attempt = 0; attempt < 3 && !wmUp; ++attempt) {
        QProcess* wm = startGroup(QStringLiteral("openbox"), {}, commonEnv);
        const QDeadlineTimer deadline(20000);
        while (!(wmUp = tool(QStringLiteral("xprop"),
                             {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                            .contains(QLatin1String("window id"))) &&
               !deadline.hasExpired() && wm->state() == QProcess::Running)
            QThread::msleep(50);
        if (!wmUp && wm->state() != QProcess::Running)
            exitCode = wm->exitCode();
    }
    ASSERT_TRUE(wmUp) << "openbox did not start (last exit code " << exitCode << ")";
}

void XDesktop::TearDown() {
    // Programs first, the window manager and the server last.
    for (auto it = processes_.rbegin(); it != processes_.rend(); ++it) {
        QProcess& p = **it;
        if (p.state() != QProcess::NotRunning) {
            ::kill(-pid_t(p.processId()), SIGKILL);
            p.waitForFinished(3000);
        }
    }
    processes_.clear();
}

QProcess* XDesktop::startGroup(const QString& program, const QStringList& args,
                               const QMap<QString, QString>& env, std::function<void()> inChild) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (auto it = env.begin(); it != env.end(); ++it) {
        if (it.value().isEmpty())
            e.remove(it.key());
        else
            e.insert(it.key(), it.value());
    }
    process->setProcessEnvironment(e);
    process->setWorkingDirectory(runtime.path());
    process->setChildProcessModifier([inChild = std::move(inChild)] {
        ::setpgid(0, 0);
        if (inChild)
            inChild();
    });
    if (program != u"Xvfb")
        process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(program, args);
    process->waitForStarted(5000);
    processes_.push_back(std::move(process));
    return processes_.back().get();
}

QString XDesktop::binary(const QString& name) const {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

qint64 XDesktop::startProgram(const QString& name, const QStringList& args, const QMap<QString, QString>& env,
                              std::function<void()> inChild) {
    QMap<QString, QString> all = commonEnv;
    all.insert(env);
    return startGroup(binary(name), args, all, std::move(inChild))->processId();
}

bool XDesktop::waitForExit(qint64 pid, int ms) {
    for (auto& p : processes_)
        if (p->processId() == pid)
            return p->state() == QProcess::NotRunning || p->waitForFinished(ms);
    return false;
}

QString XDesktop::tool(const QString& program, const QStringList& args) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("DISPLAY"), display);
    e.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(e);
    p.start(program, args);
    if (!p.waitForFinished(5000))
        p.kill();
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::vector<XDesktop::Window> XDesktop::stacking() {
    std::vector<Window> windows;
    const QString list =
        tool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("0x[0-9a-f]+")).globalMatch(list)) {
        Window w;
        w.id = m.captured();
        const QString props = tool(QStringLiteral("xprop"),
                                   {QStringLiteral("-id"), w.id, QStringLiteral("_NET_WM_PID"),
                                    QStringLiteral("WM_TRANSIENT_FOR"), QStringLiteral("_NET_WM_NAME"),
                                    QStringLiteral("_NET_WM_STATE"), QStringLiteral("_NET_FRAME_EXTENTS")});
        w.pid = number(props, QStringLiteral("_NET_WM_PID\\(CARDINAL\\) = (\\d+)"));
        w.transient = props.contains(QLatin1String("WM_TRANSIENT_FOR(WINDOW)"));
        w.hidden = props.contains(QLatin1String("_NET_WM_STATE_HIDDEN"));
        const QRegularExpressionMatch title =
            QRegularExpression(QStringLiteral("_NET_WM_NAME\\(UTF8_STRING\\) = \"(.*)\"")).match(props);
        w.title = title.captured(1);
        const QRegularExpressionMatch extents =
            QRegularExpression(
                QStringLiteral("_NET_FRAME_EXTENTS\\(CARDINAL\\) = (\\d+), (\\d+), (\\d+), (\\d+)"))
                .match(props);
        const QString info = tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), w.id});
        const QRect client(number(info, QStringLiteral("Absolute upper-left X:\\s+(-?\\d+)")),
                           number(info, QStringLiteral("Absolute upper-left Y:\\s+(-?\\d+)")),
                           number(info, QStringLiteral("Width:\\s+(\\d+)")),
                           number(info, QStringLiteral("Height:\\s+(\\d+)")));
        w.frame = client.adjusted(-extents.captured(1).toInt(), -extents.captured(3).toInt(),
                                  extents.captured(2).toInt(), extents.captured(4).toInt());
        windows.push_back(w);
    }
    return windows;
}

std::optional<XDesktop::Window> XDesktop::waitForWindow(const std::function<bool(const Window&)>& match,
                                                        int ms) {
    const QDeadlineTimer deadline(ms);
    do {
        for (const Window& w : stacking())
            if (match(w))
                return w;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

int XDesktop::stackIndex(const QString& id) {
    const QString list =
        tool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    int index = 0;
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("0x[0-9a-f]+")).globalMatch(list)) {
        if (m.captured() == id)
            return index;
        ++index;
    }
    return -1;
}

bool XDesktop::waitUntil(const std::function<bool()>& condition, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

void XDesktop::click(QPoint at) {
    // The pointer comes from elsewhere, as a user's does: a press where the pointer already
    // rests can go to a tooltip shown meanwhile.
    tool(QStringLiteral("xdotool"),
         {QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("0"), QStringLiteral("719")});
    tool(QStringLiteral("xdotool"),
         {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
          QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

std::optional<XDesktop::Window> XDesktop::waitForPalette(qint64 helidraw) {
    // The palette is Helidraw's first window, and the only one without a frame.
    return waitForWindow([helidraw](const Window& w) { return w.pid == helidraw && w.frame.top() == 0; });
}

QPoint XDesktop::paletteButton(const Window& palette, int index) {
    // The same palette in this process gives where its button lies, as a share of its size;
    // both measure with the same fonts, and the share holds at any scale.
    FormRegistry::show(QStringLiteral("CadPalette"));
    QWidget* local = FormRegistry::find(QStringLiteral("CadPalette"));
    QPointF share(0.5, 0.5);
    if (auto* toolbar = local ? local->findChild<QToolBar*>(QStringLiteral("Toolbar1")) : nullptr) {
        auto* action = toolbar->findChild<QAction*>(QStringLiteral("Button%1").arg(index));
        QWidget* button = action ? toolbar->widgetForAction(action) : nullptr;
        if (button) {
            const QPoint centre = button->mapTo(local, button->rect().center());
            share = {double(centre.x()) / local->width(), double(centre.y()) / local->height()};
        }
    }
    delete local;
    return palette.frame.topLeft() +
           QPoint(qRound(share.x() * palette.frame.width()), qRound(share.y() * palette.frame.height()));
}
