#include "platform/OfficePipeRecord.h"

#include "common/SafeSave.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace officepipe {

namespace {

const QRegularExpression& validName() {
    static const QRegularExpression re(QStringLiteral("^spirelta-[0-9a-f]{32}$"));
    return re;
}

QString randomName() {
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QString hex;
    for (quint32 w : words)
        hex += QStringLiteral("%1").arg(w, 8, 16, QLatin1Char('0'));
    return QStringLiteral("spirelta-") + hex;
}

// The recorded name, read from the record inside the checked folder. The record counts only
// when it is this user's own file and nobody else can read or write it; its owner and mode are
// those of the file opened, not of whatever the name leads to a moment later.
QString readRecord(const PrivatePath& record) {
    const int folder = record.folder ? record.folder->get() : AT_FDCWD;
    const QByteArray name = QFile::encodeName(record.folder ? record.fileName : record.path);
    const Descriptor fd(::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    struct stat seen {};
    if (fd.get() < 0 || ::fstat(fd.get(), &seen) != 0 || !S_ISREG(seen.st_mode) ||
        seen.st_uid != ::getuid() || (seen.st_mode & 077) != 0)
        return {};
    char bytes[64];
    const ssize_t length = ::read(fd.get(), bytes, sizeof bytes);
    return length > 0 ? QString::fromLatin1(bytes, int(length)).trimmed() : QString();
}

} // namespace

PrivatePath recordPath() {
    return privateFolder(sessionRuntimeFolder(), QStringLiteral("spirelta"))
        .file(QStringLiteral("spirelta-office-pipe"));
}

PipeName renew() {
    const PrivatePath record = recordPath();
    if (!record.usable())
        return {{}, record.refusal};
    const QString name = randomName();
    // Without a record the name still serves this run; the next run simply starts anew.
    if (record.folder)
        safesave::writeIn(record.folder->get(), record.fileName, name.toLatin1(), nullptr,
                          safesave::Access::OwnerOnly);
    else
        safesave::write(record.path, name.toLatin1(), nullptr, safesave::Access::OwnerOnly);
    return {name, {}};
}

PipeName recorded() {
    const PrivatePath record = recordPath();
    if (!record.usable())
        return {{}, record.refusal};
    const QString name = readRecord(record);
    if (validName().match(name).hasMatch())
        return {name, {}};
    return renew();
}

} // namespace officepipe
