#include "settings/picture_file.h"

#include <QFile>
#include <QImageReader>

namespace vantrel::settings {

QImage decodeTrueVision(const QByteArray& bytes) {
    constexpr qsizetype headerSize = 18;
    if (bytes.size() < headerSize)
        return {};
    const auto byte = [&bytes](qsizetype at) { return int(quint8(bytes[at])); };
    const int idLength = byte(0);
    const int colourMapType = byte(1);
    const int type = byte(2);
    const int width = byte(12) | (byte(13) << 8);
    const int height = byte(14) | (byte(15) << 8);
    const int bits = byte(16);
    const bool topFirst = (byte(17) & 0x20) != 0;
    const bool gray = type == 3 || type == 11;
    const bool packed = type == 10 || type == 11;
    if (colourMapType != 0 || !(type == 2 || type == 3 || type == 10 || type == 11) || width == 0 ||
        height == 0)
        return {};
    if (gray ? bits != 8 : (bits != 24 && bits != 32))
        return {};
    const int pixelSize = bits / 8;
    qsizetype at = headerSize + idLength;

    QImage picture(width, height, QImage::Format_ARGB32);
    if (picture.isNull())
        return {};
    const auto colour = [&](qsizetype from) {
        if (gray)
            return qRgb(byte(from), byte(from), byte(from));
        const int alpha = pixelSize == 4 ? byte(from + 3) : 255;
        return qRgba(byte(from + 2), byte(from + 1), byte(from), alpha);
    };
    const qsizetype count = qsizetype(width) * height;
    qsizetype done = 0;
    const auto put = [&](QRgb value) {
        const int x = int(done % width);
        const int row = int(done / width);
        picture.setPixel(x, topFirst ? row : height - 1 - row, value);
        ++done;
    };
    while (done < count) {
        if (!packed) {
            if (at + pixelSize > bytes.size())
                return {};
            put(colour(at));
            at += pixelSize;
            continue;
        }
        if (at >= bytes.size())
            return {};
        const int head = byte(at++);
        const int run = (head & 0x7F) + 1;
        if (run > count - done)
            return {};
        if (head & 0x80) {
            if (at + pixelSize > bytes.size())
                return {};
            const QRgb value = colour(at);
            at += pixelSize;
            for (int i = 0; i < run; ++i)
                put(value);
        } else {
            if (at + qsizetype(run) * pixelSize > bytes.size())
                return {};
            for (int i = 0; i < run; ++i, at += pixelSize)
                put(colour(at));
        }
    }
    return picture;
}

QImage readPictureFile(const QString& path, QString& error) {
    QImageReader reader(path);
    QImage picture = reader.read();
    if (!picture.isNull())
        return picture;
    error = reader.errorString();
    if (path.endsWith(QStringLiteral(".tga"), Qt::CaseInsensitive)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            picture = decodeTrueVision(file.readAll());
            if (!picture.isNull())
                error.clear();
        }
    }
    return picture;
}

} // namespace vantrel::settings
