#include "cad/host/SocketListener.h"

#include "common/FileWrite.h"
#include "common/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace host {

namespace {

bool socketAddress(const QByteArray& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

// Who is behind a socket file, by a connect that does not wait. Only a refused connection (or
// no file) means that nobody listens. A listener that has not taken its queued connections yet
// (busy, or stopped) still accepts ours into the queue, and one whose queue is full answers
// EAGAIN: both hold a drawing.
enum class Listener { Nobody, Someone, Unknown };

Listener whoListens(const sockaddr_un& address) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return Listener::Unknown;
    const int result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int error = result == 0 ? 0 : errno;
    ::close(fd);
    errno = error;
    if (result == 0 || error == EAGAIN || error == EINPROGRESS)
        return Listener::Someone;
    if (error == ECONNREFUSED || error == ENOENT)
        return Listener::Nobody;
    return Listener::Unknown;
}

QString userName(uid_t uid) {
    std::vector<char> buffer(4096);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

// Names the socket as the user gave it; the owner only when the host there is someone else's,
// which a host run as root reaches.
QString inUse(const QString& name, uid_t owner) {
    if (owner == ::geteuid())
        return StringTable::pick("已有绘图主机在使用此套接字：", "已有繪圖主機在使用此通訊端：",
                                 "A drawing host already serves this socket: ") +
               name;
    return StringTable::pick("用户 %1 的绘图主机已在使用此套接字：", "使用者 %1 的繪圖主機已在使用此通訊端：",
                             "A drawing host of user %1 already serves this socket: ")
               .arg(userName(owner)) +
           name;
}

} // namespace

SocketListener::SocketListener(QObject* parent) : QObject(parent) {}

SocketListener::~SocketListener() {
    if (fd_ >= 0)
        ::close(fd_);
    if (spare_ >= 0)
        ::close(spare_);
    // Only our own socket goes; a host that took the name over since keeps its file.
    struct stat now {};
    const QByteArray path = QFile::encodeName(path_);
    if (!path.isEmpty() && ::lstat(path.constData(), &now) == 0 && now.st_dev == device_ &&
        now.st_ino == inode_)
        ::unlink(path.constData());
}

bool SocketListener::fail(const QString& what) {
    error_ = what + QStringLiteral(": ") + filewrite::reason(errno);
    return false;
}

SocketListener::Outcome SocketListener::listen(const QString& name) {
    const QString path = QFileInfo(name).absoluteFilePath();
    const QByteArray target = QFile::encodeName(path);
    sockaddr_un address;
    if (!socketAddress(target, address)) {
        error_ = StringTable::pick("套接字路径无效：", "通訊端路徑無效：", "Invalid socket path: ") + path;
        return Outcome::Failed;
    }
    struct stat existing {};
    if (::lstat(target.constData(), &existing) == 0) {
        if (!S_ISSOCK(existing.st_mode)) {
            error_ = StringTable::pick("不是套接字，未改动：", "不是通訊端，未變更：",
                                       "Not a socket, left unchanged: ") +
                     path;
            return Outcome::Failed;
        }
        switch (whoListens(address)) {
        case Listener::Someone:
            error_ = inUse(name, existing.st_uid);
            return Outcome::InUse;
        case Listener::Unknown:
            fail(path);
            return Outcome::Failed;
        case Listener::Nobody:
            ::unlink(target.constData());
            break;
        }
    }
    return bindInPlace(path) ? Outcome::Listening : Outcome::Failed;
}

bool SocketListener::bindInPlace(const QString& path) {
    const QByteArray target = QFile::encodeName(path);
    // Bound in a private folder beside the target and made the user's own before it is moved
    // into place, so that no other user can connect in between.
    QByteArray privateDir = QFile::encodeName(QFileInfo(path).absolutePath()) + "/.host-XXXXXX";
    if (!::mkdtemp(privateDir.data()))
        return fail(path);
    const QByteArray bound = privateDir + "/s";
    sockaddr_un boundAddress;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const bool ready =
        fd >= 0 && socketAddress(bound, boundAddress) &&
        ::bind(fd, reinterpret_cast<sockaddr*>(&boundAddress), sizeof boundAddress) == 0 &&
        ::chmod(bound.constData(), S_IRUSR | S_IWUSR) == 0 && ::listen(fd, 64) == 0 &&
        ::renameat2(AT_FDCWD, bound.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0;
    const int saved = errno;
    ::unlink(bound.constData());
    ::rmdir(privateDir.constData());
    errno = saved;
    if (!ready) {
        if (fd >= 0)
            ::close(fd);
        return fail(path);
    }
    struct stat mine {};
    ::lstat(target.constData(), &mine);
    fd_ = fd;
    path_ = path;
    device_ = mine.st_dev;
    inode_ = mine.st_ino;
    spare_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    notifier_ = new QSocketNotifier(qintptr(fd_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SocketListener::acceptPending);
    return true;
}

void SocketListener::acceptPending() {
    for (;;) {
        const int connection = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection >= 0) {
            emit accepted(connection);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        if (errno != EMFILE && errno != ENFILE)
            return; // the queue is empty
        if (spare_ >= 0) {
            // Out of descriptors (reported whether or not anyone waits): the spare one makes
            // room to take a newcomer off the queue and close it, so that it neither waits
            // forever nor wakes us again and again.
            ::close(spare_);
            const int dropped = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (dropped >= 0)
                ::close(dropped);
            spare_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            if (dropped < 0)
                return;
            continue;
        }
        // Not even a spare left: look again when some descriptors may have been closed.
        notifier_->setEnabled(false);
        QTimer::singleShot(100, this, [this] {
            if (spare_ < 0)
                spare_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            notifier_->setEnabled(true);
        });
        return;
    }
}

} // namespace host
