#include "platform/zip_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <array>
#include <vector>
#include <zip.h>

namespace vantrel::platform {
namespace {

constexpr qsizetype chunkSize = 1 << 20;
constexpr quint16 utf8NameFlag = 0x0800;

// Unicode code points of CP850's bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> cp850High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

QString codeMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

QString archiveMessage(zip_t* archive) { return QString::fromLocal8Bit(zip_strerror(archive)); }

zip_t* openForReading(const QString& path) {
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive)
        throw ZipError(codeMessage(code));
    return archive;
}

// Reads one entry to its end; libzip checks the CRC when the last byte has been read.
// `sink` gets the content chunk by chunk.
void readEntry(zip_t* archive, zip_uint64_t index, const std::function<void(const char*, qsizetype)>& sink) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0)
        throw ZipError(archiveMessage(archive));
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (!file)
        throw ZipError(archiveMessage(archive));
    std::vector<char> buffer(chunkSize);
    zip_uint64_t total = 0;
    for (;;) {
        const zip_int64_t got = zip_fread(file, buffer.data(), buffer.size());
        if (got < 0) {
            const QString message = QString::fromLocal8Bit(zip_file_strerror(file));
            zip_fclose(file);
            throw ZipError(message);
        }
        if (got == 0)
            break;
        total += zip_uint64_t(got);
        if (sink)
            sink(buffer.data(), qsizetype(got));
    }
    const int closed = zip_fclose(file);
    if (closed != 0)
        throw ZipError(codeMessage(closed));
    if ((stat.valid & ZIP_STAT_SIZE) && total != stat.size)
        throw ZipError(codeMessage(ZIP_ER_INCONS));
}

bool isAscii(const QByteArray& bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

quint16 readU16(const QByteArray& data, qsizetype at) {
    return quint16(quint8(data[at]) | (quint8(data[at + 1]) << 8));
}

quint32 readU32(const QByteArray& data, qsizetype at) {
    return quint32(readU16(data, at)) | (quint32(readU16(data, at + 2)) << 16);
}

// libzip cannot be told that a name which happens to be valid UTF-8 is really CP850:
// it then marks the entry as UTF-8. The archive is small in headers, so the mark is
// taken off again in the central directory and in each local header.
void clearUtf8Flags(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        throw ZipError(codeMessage(ZIP_ER_OPEN) + QStringLiteral(": ") + file.errorString());
    const qint64 size = file.size();
    constexpr qint64 endRecord = 22; // the archive is written without a comment
    if (size < endRecord)
        throw ZipError(codeMessage(ZIP_ER_NOZIP));
    file.seek(size - endRecord);
    const QByteArray end = file.read(endRecord);
    if (readU32(end, 0) != 0x06054b50)
        throw ZipError(codeMessage(ZIP_ER_NOZIP));
    const quint16 entries = readU16(end, 10);
    const quint32 directorySize = readU32(end, 12);
    const quint32 directoryOffset = readU32(end, 16);
    file.seek(directoryOffset);
    QByteArray directory = file.read(directorySize);
    auto clearAt = [&](qint64 offset, quint16 flags) {
        const quint16 cleared = flags & quint16(~utf8NameFlag);
        const char bytes[2] = {char(cleared & 0xff), char(cleared >> 8)};
        file.seek(offset);
        if (file.write(bytes, 2) != 2)
            throw ZipError(codeMessage(ZIP_ER_WRITE) + QStringLiteral(": ") + file.errorString());
    };
    qsizetype at = 0;
    for (quint16 i = 0; i < entries; ++i) {
        if (at + 46 > directory.size() || readU32(directory, at) != 0x02014b50)
            throw ZipError(codeMessage(ZIP_ER_INCONS));
        clearAt(directoryOffset + at + 8, readU16(directory, at + 8));
        const quint32 local = readU32(directory, at + 42);
        file.seek(local);
        const QByteArray header = file.read(8);
        if (header.size() != 8 || readU32(header, 0) != 0x04034b50)
            throw ZipError(codeMessage(ZIP_ER_INCONS));
        clearAt(local + 6, readU16(header, 6));
        at += 46 + readU16(directory, at + 28) + readU16(directory, at + 30) + readU16(directory, at + 32);
    }
    if (!file.flush())
        throw ZipError(codeMessage(ZIP_ER_WRITE) + QStringLiteral(": ") + file.errorString());
}

} // namespace

ZipError::ZipError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}

QByteArray toCp850(const QString& text) {
    QByteArray bytes;
    const QList<uint> points = text.toUcs4();
    for (const uint point : points) {
        if (point < 0x80) {
            bytes.append(char(point));
            continue;
        }
        char byte = '_';
        for (std::size_t i = 0; i < cp850High.size(); ++i) {
            if (cp850High[i] == point) {
                byte = char(0x80 + i);
                break;
            }
        }
        bytes.append(byte);
    }
    return bytes;
}

QString fromCp850(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte < 0x80 ? QChar(byte) : QChar(cp850High[byte - 0x80]));
    }
    return text;
}

ZipWriter::ZipWriter(const QString& path) : path_(path) {
    int code = 0;
    archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive_)
        throw ZipError(codeMessage(code));
}

ZipWriter::~ZipWriter() {
    if (archive_)
        zip_discard(archive_);
}

void ZipWriter::addFile(const QString& filePath, const QString& entryName) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_file_create(QFile::encodeName(filePath).constData(), 0, -1, &error);
    if (!source) {
        const QString message = QString::fromLocal8Bit(zip_error_strerror(&error));
        zip_error_fini(&error);
        throw ZipError(message);
    }
    zip_error_fini(&error);

    const QByteArray name = toCp850(entryName);
    zip_int64_t index = zip_file_add(archive_, name.constData(), source, ZIP_FL_ENC_CP437 | ZIP_FL_OVERWRITE);
    if (index < 0 && !isAscii(name) && zip_error_code_zip(zip_get_error(archive_)) == ZIP_ER_INVAL) {
        // The CP850 bytes read as valid UTF-8, which libzip refuses to take as CP437.
        zip_error_clear(archive_);
        index = zip_file_add(archive_, name.constData(), source, ZIP_FL_ENC_GUESS | ZIP_FL_OVERWRITE);
        rawNameNeedsFix_ = index >= 0;
    }
    if (index < 0) {
        const QString message = archiveMessage(archive_);
        zip_source_free(source);
        throw ZipError(message);
    }
    const auto entry = zip_uint64_t(index);
    if (zip_set_file_compression(archive_, entry, ZIP_CM_DEFLATE, 1) != 0 ||
        zip_file_set_encryption(archive_, entry, ZIP_EM_NONE, nullptr) != 0)
        throw ZipError(archiveMessage(archive_));
}

void ZipWriter::close() {
    if (!archive_)
        return;
    if (zip_close(archive_) != 0) {
        const QString message = archiveMessage(archive_);
        zip_discard(archive_);
        archive_ = nullptr;
        throw ZipError(message);
    }
    archive_ = nullptr;
    if (rawNameNeedsFix_)
        clearUtf8Flags(path_);
}

QString testArchive(const QString& path) {
    try {
        zip_t* archive = openForReading(path);
        const zip_int64_t entries = zip_get_num_entries(archive, 0);
        try {
            for (zip_int64_t i = 0; i < entries; ++i)
                readEntry(archive, zip_uint64_t(i), {});
        } catch (...) {
            zip_discard(archive);
            throw;
        }
        zip_discard(archive);
        return {};
    } catch (const ZipError& error) {
        return error.message();
    }
}

ZipReader::ZipReader(const QString& path) : archive_(openForReading(path)) {}

ZipReader::~ZipReader() { close(); }

void ZipReader::close() {
    if (archive_)
        zip_discard(archive_); // opened read-only: nothing to write back
    archive_ = nullptr;
}

int ZipReader::entryCount() const { return archive_ ? int(zip_get_num_entries(archive_, 0)) : 0; }

QString ZipReader::entryName(int index) const {
    const char* raw = zip_get_name(archive_, zip_uint64_t(index), ZIP_FL_ENC_RAW);
    if (!raw)
        throw ZipError(archiveMessage(archive_));
    // Read strictly, a name without the Unicode flag comes back converted from the OEM
    // code page, so it only equals the raw bytes when it is plain ASCII or flagged UTF-8.
    const QByteArray bytes(raw);
    const char* strict = zip_get_name(archive_, zip_uint64_t(index), ZIP_FL_ENC_STRICT);
    if (strict && bytes == QByteArray(strict))
        return QString::fromUtf8(bytes);
    return fromCp850(bytes);
}

void ZipReader::extractAll(const QString& folder, const std::function<QString(const QString&)>& targetName) {
    const QDir into(folder);
    QSet<QString> written;
    for (int i = 0; i < entryCount(); ++i) {
        const QString name = entryName(i);
        if (name.endsWith(QLatin1Char('/')))
            continue; // a folder entry holds no data
        const QString target = into.filePath(targetName(name));
        if (!written.contains(target) && QFileInfo::exists(target))
            throw ZipError(codeMessage(ZIP_ER_EXISTS) + QStringLiteral(": ") + target);
        QSaveFile out(target);
        out.setDirectWriteFallback(false);
        if (!out.open(QIODevice::WriteOnly))
            throw ZipError(codeMessage(ZIP_ER_OPEN) + QStringLiteral(": ") + out.errorString());
        readEntry(archive_, zip_uint64_t(i), [&](const char* data, qsizetype size) {
            if (out.write(data, size) != size)
                throw ZipError(codeMessage(ZIP_ER_WRITE) + QStringLiteral(": ") + out.errorString());
        });
        if (!written.contains(target) && QFileInfo::exists(target))
            throw ZipError(codeMessage(ZIP_ER_EXISTS) + QStringLiteral(": ") + target);
        if (!out.commit())
            throw ZipError(codeMessage(ZIP_ER_WRITE) + QStringLiteral(": ") + out.errorString());
        written.insert(target);
    }
}

} // namespace vantrel::platform
