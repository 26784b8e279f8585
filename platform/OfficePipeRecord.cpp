#include "platform/OfficePipeRecord.h"

#include "common/SafeSave.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
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

// The record counts only when it is this user's own and nobody else can write it.
bool trustworthy(const QFileInfo& info) {
    const QFile::Permissions others =
        QFile::WriteGroup | QFile::WriteOther | QFile::ReadGroup | QFile::ReadOther;
    return info.isFile() && !info.isSymLink() && info.ownerId() == ::getuid() &&
           !(info.permissions() & others);
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
    safesave::write(record.path, name.toLatin1(), nullptr, safesave::Access::OwnerOnly);
    return {name, {}};
}

PipeName recorded() {
    const PrivatePath record = recordPath();
    if (!record.usable())
        return {{}, record.refusal};
    QFile file(record.path);
    if (trustworthy(QFileInfo(file)) && file.open(QIODevice::ReadOnly)) {
        const QString name = QString::fromLatin1(file.read(64)).trimmed();
        if (validName().match(name).hasMatch())
            return {name, {}};
    }
    return renew();
}

} // namespace officepipe
