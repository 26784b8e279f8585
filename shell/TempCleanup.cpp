#include "shell/TempCleanup.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QVector>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct FileId {
    dev_t device;
    ino_t inode;
    friend bool operator==(const FileId& a, const FileId& b) {
        return a.device == b.device && a.inode == b.inode;
    }
};

size_t qHash(const FileId& id, size_t seed = 0) {
    return ::qHash(quint64(id.device), seed) ^ ::qHash(quint64(id.inode), seed);
}

struct Candidate {
    QByteArray name; // inside the folder opened once for the whole run
    FileId id;
};

bool isNumeric(const char* name) {
    if (!*name)
        return false;
    for (; *name; ++name)
        if (*name < '0' || *name > '9')
            return false;
    return true;
}

// Files held open (through a descriptor) by the processes whose /proc entries we may read.
void addOpenDescriptors(const QByteArray& processDir, QSet<FileId>& inUse) {
    const QByteArray fdDir = processDir + "/fd";
    DIR* dir = ::opendir(fdDir.constData());
    if (!dir)
        return;
    while (dirent* entry = ::readdir(dir)) {
        if (!isNumeric(entry->d_name))
            continue;
        struct stat st;
        if (::stat((fdDir + '/' + entry->d_name).constData(), &st) == 0 && S_ISREG(st.st_mode))
            inUse.insert({st.st_dev, st.st_ino});
    }
    ::closedir(dir);
}

// Files mapped into memory stay in use after their descriptor is closed.
void addMappedFiles(const QByteArray& processDir, QSet<FileId>& inUse) {
    std::FILE* maps = std::fopen((processDir + "/maps").constData(), "r");
    if (!maps)
        return;
    char line[4096];
    while (std::fgets(line, sizeof line, maps)) {
        unsigned major = 0, minor = 0;
        unsigned long long inode = 0;
        // address perms offset major:minor inode [path]
        if (std::sscanf(line, "%*s %*s %*s %x:%x %llu", &major, &minor, &inode) == 3 && inode != 0)
            inUse.insert({makedev(major, minor), ino_t(inode)});
    }
    std::fclose(maps);
}

QSet<FileId> filesInUse() {
    QSet<FileId> inUse;
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return inUse;
    while (dirent* entry = ::readdir(proc)) {
        if (!isNumeric(entry->d_name))
            continue;
        const QByteArray processDir = QByteArray("/proc/") + entry->d_name;
        addOpenDescriptors(processDir, inUse);
        addMappedFiles(processDir, inUse);
    }
    ::closedir(proc);
    return inUse;
}

// The checks that make a file removable, repeated right before it goes.
bool isStaleOwnFile(const struct stat& st, uid_t owner, qint64 nowSeconds) {
    return S_ISREG(st.st_mode) && st.st_uid == owner && st.st_nlink == 1 &&
           nowSeconds - qint64(st.st_mtim.tv_sec) > TempCleanup::kStaleAfterSeconds;
}

} // namespace

TempCleanup::TempCleanup(QString folder, Clock clock, uid_t owner)
    : folder_(std::move(folder)), clock_(std::move(clock)), owner_(owner) {}

QString TempCleanup::userTempFolder() {
    return QDir::tempPath();
}

TempCleanupResult TempCleanup::run() const {
    TempCleanupResult result;
    // Listed, checked and removed inside the folder opened here, first: a folder renamed or
    // swapped for a link while we work cannot lead a removal anywhere else.
    const int folder = ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return result;
    const qint64 now = clock_().toSecsSinceEpoch();
    DIR* listing = ::fdopendir(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    // Hidden files and links are never listed; the stat sees the entry itself, not a target.
    QVector<Candidate> candidates;
    while (listing) {
        const dirent* entry = ::readdir(listing);
        if (!entry)
            break;
        if (entry->d_name[0] == '.')
            continue;
        struct stat st;
        if (::fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            isStaleOwnFile(st, owner_, now))
            candidates.append({QByteArray(entry->d_name), {st.st_dev, st.st_ino}});
    }
    if (listing)
        ::closedir(listing);

    const QSet<FileId> inUse = candidates.isEmpty() ? QSet<FileId>() : filesInUse();
    for (const Candidate& c : candidates) {
        if (inUse.contains(c.id)) {
            ++result.keptInUse;
            continue;
        }
        struct stat st;
        if (::fstatat(folder, c.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !isStaleOwnFile(st, owner_, now) || !(FileId{st.st_dev, st.st_ino} == c.id))
            continue; // changed since it was listed: leave it
        if (::unlinkat(folder, c.name.constData(), 0) == 0) {
            ++result.removedFiles;
            result.removedBytes += qint64(st.st_size);
        } else if (errno != ENOENT) {
            ++result.failed;
        }
    }
    ::close(folder);
    return result;
}
