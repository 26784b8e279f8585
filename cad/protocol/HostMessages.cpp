#include "cad/protocol/HostMessages.h"

#include "common/PrivateFolder.h"

#include <QCborStreamReader>
#include <QtEndian>
#include <algorithm>

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

std::optional<QByteArray> takeFrameBody(QByteArray& buffer) {
    if (buffer.size() < 4 || announcesOversizedFrame(buffer))
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(buffer.constData());
    if (buffer.size() < 4 + qsizetype(length))
        return std::nullopt;
    QByteArray body = buffer.mid(4, length);
    buffer.remove(0, 4 + length);
    // A large frame read whole leaves its room behind; a connection that then idles should not
    // hold it.
    if (buffer.capacity() > 2 * buffer.size() + 64 * 1024)
        buffer.squeeze();
    return body;
}

namespace {

// What QCborValue takes for each item it decodes, and for each array, map or tag besides. The
// bytes of strings are kept as they came: together no more than the body itself.
constexpr qint64 kItemCost = 16;
constexpr qint64 kContainerCost = 96;
// What every body may cost, however short: the smallest request's map and arguments.
constexpr qint64 kLeastBudget = 4096;

// Walks one value and all it holds, taking its cost off the budget; false once the budget is
// spent or the nesting too deep. Broken CBOR ends the walk but is left to the decoder, which
// refuses it having read no more than was counted here. The depth is bounded, and so is the
// recursion.
bool fits(QCborStreamReader& reader, qint64& budget, int depth) {
    budget -= kItemCost;
    if (reader.isArray() || reader.isMap() || reader.isTag()) {
        budget -= kContainerCost;
        if (budget < 0 || depth >= kMaxNesting)
            return false;
        if (reader.isTag())
            return !reader.next() || fits(reader, budget, depth + 1);
        if (!reader.enterContainer())
            return true;
        while (reader.lastError() == QCborError::NoError && reader.hasNext())
            if (!fits(reader, budget, depth + 1))
                return false;
        if (reader.lastError() == QCborError::NoError)
            reader.leaveContainer();
        return true;
    }
    if (budget < 0)
        return false;
    reader.next();
    return true;
}

} // namespace

bool withinDecodingBudget(const QByteArray& body) {
    QCborStreamReader reader(body);
    qint64 budget = kLeastBudget + kDecodingCostPerByte * body.size();
    return fits(reader, budget, 0);
}

std::optional<QCborMap> messageOf(const QByteArray& body) {
    if (!withinDecodingBudget(body))
        return std::nullopt;
    QCborStreamReader reader(body);
    const QCborValue value = QCborValue::fromCbor(reader);
    if (reader.lastError() != QCborError::NoError || reader.currentOffset() != body.size() || !value.isMap())
        return std::nullopt;
    const QCborMap map = value.toMap();
    std::vector<QCborValue> keys;
    keys.reserve(size_t(map.size()));
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        keys.push_back(it.key());
    std::sort(keys.begin(), keys.end());
    if (std::adjacent_find(keys.begin(), keys.end()) != keys.end())
        return std::nullopt;
    return map;
}

std::optional<QCborMap> takeFrame(QByteArray& buffer, bool& malformed) {
    malformed = announcesOversizedFrame(buffer);
    const auto body = takeFrameBody(buffer);
    if (!body)
        return std::nullopt;
    auto message = messageOf(*body);
    malformed = !message;
    return message;
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
