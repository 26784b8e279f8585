#include "platform/BitmapFile.h"

#include "common/SafeSave.h"

namespace bitmap {

namespace {

void put16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

} // namespace

QByteArray encode24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int width = image.width();
    const int height = image.height();
    const int rowBytes = (width * 3 + 3) & ~3;
    const quint32 pixelBytes = quint32(rowBytes) * quint32(height);

    QByteArray out;
    out.reserve(54 + int(pixelBytes));
    out.append("BM", 2);
    put32(out, 54 + pixelBytes); // file size
    put32(out, 0);               // reserved
    put32(out, 54);              // offset of the pixels
    put32(out, 40);              // info header size
    put32(out, quint32(width));
    put32(out, quint32(height)); // positive: rows bottom-up
    put16(out, 1);               // planes
    put16(out, 24);              // bits per pixel
    put32(out, 0);               // no compression
    put32(out, pixelBytes);
    put32(out, 0); // horizontal resolution
    put32(out, 0); // vertical resolution
    put32(out, 0); // colours used
    put32(out, 0); // important colours

    for (int y = height - 1; y >= 0; --y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            out.append(char(line[3 * x + 2]));
            out.append(char(line[3 * x + 1]));
            out.append(char(line[3 * x]));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad)
            out.append('\0');
    }
    return out;
}

bool write24(const QImage& image, const QString& path, QString* error) {
    return safesave::write(path, encode24(image), error);
}

} // namespace bitmap
