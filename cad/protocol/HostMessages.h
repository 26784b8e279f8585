#pragma once
// The messages between Helidraw and the drawing host.
//
// Each message is a frame: a 4-byte big-endian length, then one CBOR map of that many bytes.
// A request is {call: text, args: array}; the reply is {ok: true, result: value} or
// {ok: false, error: text}, one reply per request, in order. Numbers travel as CBOR doubles,
// so coordinates arrive bit for bit as they were computed. Points are arrays of three doubles.
// A frame whose body is not exactly one map with distinct keys is refused like any bad request,
// and the connection carries on: its header still tells where the next frame starts. Only a
// header announcing a frame too long to read ends the connection.

#include "common/PrivateFolder.h"

#include <QByteArray>
#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QString>
#include <optional>
#include <vector>

namespace hostproto {

struct Point3 {
    double x = 0, y = 0, z = 0;

    QCborArray toCbor() const { return {x, y, z}; }
    // Nothing when the value is not an array of three numbers.
    static std::optional<Point3> fromCbor(const QCborValue& value);
    bool operator==(const Point3&) const = default;
};

QCborArray doubles(const std::vector<double>& values);

// Largest frame accepted, several times Helidraw's largest spring (about 1 MB); a longer
// length means a confused peer, and the connection is dropped.
constexpr qint64 kMaxFrameBytes = 8 * 1024 * 1024;

QByteArray frame(const QCborMap& message);

// True when the buffer starts with the header of a frame longer than kMaxFrameBytes.
bool announcesOversizedFrame(const QByteArray& buffer);

// Takes one whole frame off the front of the buffer and gives its body. Nothing while the frame
// is not complete yet, nor when its header announces more than kMaxFrameBytes (the buffer is then
// left as it is).
std::optional<QByteArray> takeFrameBody(QByteArray& buffer);

// Decoding a body into values may cost at most this many times its size (plus a little for the
// smallest messages): a decoded item takes 16 bytes and an array or a map about 100 more, so
// that a frame of one-byte empty arrays would otherwise cost a hundred times its size. Numbers
// as Helidraw sends them (nine bytes each) cost less than twice theirs.
constexpr qint64 kDecodingCostPerByte = 8;
// No message nests more than three deep (a request, its arguments, a point).
constexpr int kMaxNesting = 8;

// False when the body's values, decoded, would pass the cost above or kMaxNesting. It reads the
// body without building anything, and stops as soon as the budget is spent. A body that is not
// well-formed CBOR is within the budget as far as it goes.
bool withinDecodingBudget(const QByteArray& body);

// The message a frame's body holds: exactly one CBOR map whose keys all differ, within the
// decoding budget. Nothing for anything else: with bytes after the map or a key given twice,
// which part counts would be the reader's guess, and the two ends could act on different
// requests.
std::optional<QCborMap> messageOf(const QByteArray& body);

// Takes one complete message off the front of the buffer. Nothing while the frame is not
// complete yet; a frame that is too long or holds no message (see messageOf) sets malformed.
std::optional<QCborMap> takeFrame(QByteArray& buffer, bool& malformed);

QCborMap request(const QString& call, const QCborArray& args);
QCborMap success(const QCborValue& result);
QCborMap failure(const QString& error);

// The socket's name for the current user: a path in the user's private folder, or why that
// folder may not be used (then neither side may listen or connect there).
PrivatePath defaultSocketName();

// The text the user sees when the host stops answering.
QString lostConnectionText();

} // namespace hostproto
