#include "platform/UnoOfficeProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <sys/types.h>

namespace {

// Fields of /proc/<pid>/stat after the command name: state, then the parent's pid.
bool readStat(qint64 pid, char* state, qint64* parent) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return false;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (fields.size() < 2 || fields[0].isEmpty())
        return false;
    *state = fields[0].at(0);
    *parent = fields[1].toLongLong();
    return true;
}

QList<qint64> childrenOf(qint64 pid) {
    QList<qint64> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool numeric = false;
        const qint64 candidate = entry.toLongLong(&numeric);
        char state = 0;
        qint64 parent = 0;
        if (numeric && readStat(candidate, &state, &parent) && parent == pid)
            children.append(candidate);
    }
    return children;
}

} // namespace

namespace uno {

qint64 startDetached(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("URE_BOOTSTRAP"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QDir::homePath());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    return process.startDetached(&pid) ? pid : 0;
}

bool processAlive(qint64 pid) {
    char state = 0;
    qint64 parent = 0;
    return pid > 0 && readStat(pid, &state, &parent) && state != 'Z' && state != 'X';
}

bool endProcess(qint64 pid, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (processAlive(pid)) {
        if (waited.elapsed() > timeoutMs) {
            for (qint64 child : childrenOf(pid))
                ::kill(static_cast<pid_t>(child), SIGKILL);
            ::kill(static_cast<pid_t>(pid), SIGKILL);
            QThread::msleep(200);
            return !processAlive(pid);
        }
        QThread::msleep(100);
    }
    return true;
}

bool officeCanShowWindows(const QString& sofficePath) {
    const QDir folder = QFileInfo(QFileInfo(sofficePath).canonicalFilePath()).absoluteDir();
    return !folder.entryList({QStringLiteral("libvclplug_*")}, QDir::Files).isEmpty();
}

void pauseKeepingWindowsPainted(int ms) {
    if (!QCoreApplication::instance()) {
        QThread::msleep(ms);
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace uno
