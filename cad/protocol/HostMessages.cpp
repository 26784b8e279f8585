#include "cad/protocol/HostMessages.h"

#include "common/PrivateFolder.h"

#include <QtEndian>

namespace hostproto {

std::optional<Point3> Point3::fromCbor(const QCborValue& value) {
    if (!value.isArray())
        return std::nullopt;
    const QCborArray a = value.toArray();
    if (a.size() != 3)
        return std::nullopt;
    for (const QCborValue& v : a)
        if (!v.isDouble() && !v.isInteger())
            return std::nullopt;
    return Point3{a.at(0).toDouble(), a.at(1).toDouble(), a.at(2).toDouble()};
}

QCborArray doubles(const std::vector<double>& values) {
    QCborArray a;
    for (double v : values)
        a.append(v);
    return a;
}

QByteArray frame(const QCborMap& message) {
    const QByteArray body = message.toCborValue().toCbor();
    QByteArray out(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(body.size()), out.data());
    out.append(body);
    return out;
}

bool announcesOversizedFrame(const QByteArray& buffer) {
    return buffer.size() >= 4 && qFromBigEndian<quint32>(buffer.constData()) > kMaxFrameBytes;
}

std::optional<QCborMap> takeFrame(QByteArray& buffer, bool& malformed) {
    malformed = announcesOversizedFrame(buffer);
    if (malformed || buffer.size() < 4)
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(buffer.constData());
    if (buffer.size() < 4 + qsizetype(length))
        return std::nullopt;
    QCborParserError error;
    const QCborValue value = QCborValue::fromCbor(buffer.mid(4, length), &error);
    buffer.remove(0, 4 + length);
    if (error.error != QCborError::NoError || !value.isMap()) {
        malformed = true;
        return std::nullopt;
    }
    return value.toMap();
}

QCborMap request(const QString& call, const QCborArray& args) {
    QCborMap m;
    m.insert(QStringLiteral("call"), call);
    m.insert(QStringLiteral("args"), args);
    return m;
}

QCborMap success(const QCborValue& result) {
    QCborMap m;
    m.insert(QStringLiteral("ok"), true);
    m.insert(QStringLiteral("result"), result);
    return m;
}

QCborMap failure(const QString& error) {
    QCborMap m;
    m.insert(QStringLiteral("ok"), false);
    m.insert(QStringLiteral("error"), error);
    return m;
}

PrivatePath defaultSocketName() {
    // Helidraw and the host both compute it, so they meet in the same folder.
    return privateFolder(sessionRuntimeFolder(), QStringLiteral("helidraw"))
        .file(QStringLiteral("helidraw-host.socket"));
}

QString lostConnectionText() {
    return QStringLiteral("与绘图主机的连接中断");
}

} // namespace hostproto
