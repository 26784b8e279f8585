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
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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

bool SocketListener::listen(const QString& name) {
    const QString path = QFileInfo(name).absoluteFilePath();
    const QByteArray target = QFile::encodeName(path);
    sockaddr_un address;
    if (!socketAddress(target, address)) {
        error_ = StringTable::pick("套接字路径无效：", "通訊端路徑無效：", "Invalid socket path: ") + path;
        return false;
    }
    struct stat existing {};
    if (::lstat(target.constData(), &existing) == 0) {
        if (!S_ISSOCK(existing.st_mode)) {
            error_ = StringTable::pick("不是套接字，未改动：", "不是通訊端，未變更：",
                                       "Not a socket, left unchanged: ") +
                     path;
            return false;
        }
        ::unlink(target.constData());
    }

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
