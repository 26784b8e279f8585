#pragma once
// 24-bit Windows bitmap files: a 14-byte file header and a 40-byte info header (54 bytes),
// rows stored bottom-up in blue-green-red order, each padded to a multiple of 4 bytes,
// resolution 0, no compression, no palette.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace bitmap {

// The whole file's bytes for the image.
QByteArray encode24(const QImage& image);

// Writes the file atomically: either the complete file is there afterwards or the old state
// is kept. A link another user could have planted is not written through (safesave). On
// failure returns false and describes the reason in *error.
bool write24(const QImage& image, const QString& path, QString* error = nullptr);

} // namespace bitmap
