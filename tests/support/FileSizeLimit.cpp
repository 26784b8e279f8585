#include "support/FileSizeLimit.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Qt says so once a top-level window's contents reach the screen, which happens in the event
// loop: the program is past its start-up then.
constexpr char kPaintingRules[] = "qt.widgets.painting=true";
constexpr char kFirstWindowShown[] = "Flushing top level";

std::optional<quint64> ignoredSignals(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigIgn:")) {
            bool ok = false;
            const quint64 set = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok ? std::optional(set) : std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<quint64> ignoredSignalsOnceShown(const QString& program, const QStringList& args,
                                               rlim_t fileSizeLimit) {
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QString::fromLatin1(kPaintingRules));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        env.remove(QString::fromLatin1(name));

    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(home.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setChildProcessModifier([fileSizeLimit] { limitFileSizeForProgram(fileSizeLimit); });
    process.start(QCoreApplication::applicationDirPath() + u'/' + program, args);
    if (!process.waitForStarted(10000))
        return std::nullopt;

    std::optional<quint64> ignored;
    QByteArray output;
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        output += process.readAll();
        if (output.contains(kFirstWindowShown)) {
            ignored = ignoredSignals(process.processId());
            break;
        }
    }
    process.kill();
    process.waitForFinished(5000);
    return ignored;
}
