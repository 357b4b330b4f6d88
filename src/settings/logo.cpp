#include "settings/logo.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

namespace vantrel::settings {

namespace {

const QString lineEnd = QStringLiteral("\r\n");
const QString dataProperty = QStringLiteral("Bitmap.Data");
constexpr qsizetype bytesPerLine = 32;
constexpr int grayFill = 127;

void putLittleEndian(QByteArray& bytes, quint32 value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFF));
}

quint32 readLittleEndian(const QByteArray& bytes, qsizetype at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

// The index just after "Bitmap.Data =" on a property line of its own, or -1.
qsizetype findDataValue(const QString& text) {
    qsizetype from = 0;
    while (true) {
        const qsizetype at = text.indexOf(dataProperty, from, Qt::CaseInsensitive);
        if (at < 0)
            return -1;
        from = at + dataProperty.size();
        // Only the property name itself counts: blanks before it back to a line start.
        qsizetype before = at - 1;
        while (before >= 0 &&
               (text[before] == QLatin1Char(' ') || text[before] == QLatin1Char('\t')))
            --before;
        if (before >= 0 && text[before] != QLatin1Char('\n') && text[before] != QLatin1Char('\r'))
            continue;
        qsizetype after = from;
        while (after < text.size() &&
               (text[after] == QLatin1Char(' ') || text[after] == QLatin1Char('\t')))
            ++after;
        if (after < text.size() && text[after] == QLatin1Char('='))
            return after + 1;
    }
}

// The bytes between "{" and "}" of the data value; false when they are not there whole
// (no braces, a character that is not a hex digit, an odd count of digits).
bool readDataBytes(const QString& text, qsizetype valueStart, QByteArray& bytes) {
    qsizetype i = valueStart;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i >= text.size() || text[i] != QLatin1Char('{'))
        return false;
    QByteArray digits;
    for (++i; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('}')) {
            if (digits.size() % 2 != 0)
                return false;
            bytes = QByteArray::fromHex(digits);
            return true;
        }
        if (isBlank(c))
            continue;
        if (c.unicode() > 127 || !std::isxdigit(static_cast<unsigned char>(c.unicode())))
            return false;
        digits.append(char(c.unicode()));
    }
    return false; // the closing brace is missing: the form was cut short
}

} // namespace

QImage loadlogo(const QString& storedText) {
    if (storedText.trimmed().isEmpty())
        return {};
    const qsizetype value = findDataValue(storedText);
    if (value < 0)
        return {};
    QByteArray bytes;
    if (!readDataBytes(storedText, value, bytes) || bytes.size() < 8)
        return {};
    const quint32 width = readLittleEndian(bytes, 0);
    const quint32 height = readLittleEndian(bytes, 4);
    if (width == 0 || height == 0)
        return {};
    // 64-bit arithmetic: sizes written by another tool must not wrap around.
    const quint64 needed = 8 + quint64(width) * quint64(height) * 4;
    if (needed > quint64(bytes.size()) || width > quint32(INT32_MAX) || height > quint32(INT32_MAX))
        return {};
    QImage picture(int(width), int(height), QImage::Format_ARGB32);
    if (picture.isNull())
        return {};
    qsizetype at = 8;
    for (int y = 0; y < int(height); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < int(width); ++x, at += 4)
            row[x] = readLittleEndian(bytes, at);
    }
    return picture;
}

QString getlogotext(const QImage& logo) {
    QString text;
    const auto line = [&text](const QString& content) { text += content + lineEnd; };
    const auto property = [&line](const QString& name, const QString& value) {
        line(QStringLiteral("  ") + name + QStringLiteral(" = ") + value);
    };
    line(QStringLiteral("object vlogo2: TImage32"));
    property(QStringLiteral("Left"), QStringLiteral("0"));
    property(QStringLiteral("Top"), QStringLiteral("0"));
    property(QStringLiteral("Width"), QString::number(logoAreaWidth));
    property(QStringLiteral("Height"), QString::number(logoAreaHeight));
    property(QStringLiteral("Align"), QStringLiteral("alClient"));
    property(QStringLiteral("Bitmap.ResamplerClassName"), QStringLiteral("'TNearestResampler'"));
    if (!logo.isNull() && logo.width() > 0 && logo.height() > 0) {
        const QImage argb = logo.convertToFormat(QImage::Format_ARGB32);
        QByteArray bytes;
        bytes.reserve(8 + qsizetype(argb.width()) * argb.height() * 4);
        putLittleEndian(bytes, quint32(argb.width()));
        putLittleEndian(bytes, quint32(argb.height()));
        for (int y = 0; y < argb.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                putLittleEndian(bytes, row[x]);
        }
        const QString hex = QString::fromLatin1(bytes.toHex().toUpper());
        QString value = QStringLiteral("{");
        if (bytes.size() < bytesPerLine) {
            value += hex;
        } else {
            for (qsizetype start = 0; start < hex.size(); start += 2 * bytesPerLine)
                value += lineEnd + QStringLiteral("    ") + hex.mid(start, 2 * bytesPerLine);
        }
        property(dataProperty, value + QLatin1Char('}'));
    }
    property(QStringLiteral("BitmapAlign"), QStringLiteral("baCenter"));
    property(QStringLiteral("Color"), QStringLiteral("clBtnFace"));
    property(QStringLiteral("ParentColor"), QStringLiteral("False"));
    property(QStringLiteral("Scale"), QStringLiteral("1"));
    property(QStringLiteral("ScaleMode"), QStringLiteral("smNormal"));
    property(QStringLiteral("TabOrder"), QStringLiteral("0"));
    line(QStringLiteral("end"));
    return text;
}

QImage fitLogo(const QImage& source) {
    if (source.isNull() || source.width() <= 0 || source.height() <= 0)
        return {};
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();
    float s = 1.0F;
    if (logoAreaWidth < w || logoAreaHeight < h)
        s = std::min(float(logoAreaWidth) / float(w), float(logoAreaHeight) / float(h));
    // The products of a float and a whole number are exact in double; nearbyint rounds
    // halves to even in the default rounding mode.
    const double drawnWidth = double(w) * double(s);
    const double drawnHeight = double(h) * double(s);
    const int newWidth = std::max(1, int(std::nearbyint(drawnWidth)));
    const int newHeight = std::max(1, int(std::nearbyint(drawnHeight)));

    QImage result(newWidth, newHeight, QImage::Format_ARGB32);
    if (result.isNull())
        return {};
    // Each target pixel takes the source pixel under its centre; a centre beyond the
    // drawn source keeps the gray fill.
    for (int y = 0; y < newHeight; ++y) {
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        const double cy = (y + 0.5) / double(s);
        const int sy = cy < h ? int(cy) : -1;
        const auto* in = sy >= 0 ? reinterpret_cast<const QRgb*>(argb.constScanLine(sy)) : nullptr;
        for (int x = 0; x < newWidth; ++x) {
            const double cx = (x + 0.5) / double(s);
            if (!in || cx >= w) {
                out[x] = qRgba(grayFill, grayFill, grayFill, 255);
                continue;
            }
            const QRgb p = in[int(cx)];
            const int a = qAlpha(p);
            const auto over = [a](int c) { return (c * a + grayFill * (255 - a) + 127) / 255; };
            out[x] = qRgba(over(qRed(p)), over(qGreen(p)), over(qBlue(p)), 255);
        }
    }
    return result;
}

QImage grayLogo(const QImage& logo) {
    if (logo.isNull())
        return {};
    QImage gray = logo.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < gray.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(gray.scanLine(y));
        for (int x = 0; x < gray.width(); ++x) {
            const int level = qBlue(row[x]);
            row[x] = qRgba(level, level, level, 255);
        }
    }
    return gray;
}

} // namespace vantrel::settings
