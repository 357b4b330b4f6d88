#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>

struct zip;

namespace vantrel::platform {

// A zip archive that could not be written, read or extracted; the message is the zip
// library's own text (with the system's reason where there is one).
class ZipError : public std::runtime_error {
public:
    explicit ZipError(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// A new archive at `path`, replacing any file there. Nothing reaches the disk before
// close(); an archive destroyed without close() leaves no file behind.
class ZipWriter {
public:
    explicit ZipWriter(const QString& path);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Adds the file at `filePath` under `entryName`: deflated at the fastest level, the
    // name in the OEM code page (CP850) without the Unicode flag, not encrypted.
    void addFile(const QString& filePath, const QString& entryName);
    void close();

private:
    QString path_;
    zip* archive_ = nullptr;
    bool rawNameNeedsFix_ = false;
};

// Reads every entry of the archive back and checks its size and CRC. Returns an empty
// text when all entries are good, otherwise what went wrong.
QString testArchive(const QString& path);

// An archive opened for reading.
class ZipReader {
public:
    explicit ZipReader(const QString& path);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    int entryCount() const;
    QString entryName(int index) const; // read as CP850 unless the entry says UTF-8

    // Writes every entry into `folder`, each under the file name `targetName` gives for
    // the entry's own name. A file is written to a temporary name first and only takes
    // its place once its content was read to the end with a good CRC, so a damaged
    // entry leaves nothing behind. A file that was already there before is never
    // replaced; entries given the same target name replace each other in turn.
    void extractAll(const QString& folder, const std::function<QString(const QString&)>& targetName);
    void close();

private:
    zip* archive_ = nullptr;
};

// File names in the OEM code page of archives: CP850, a character outside it as "_".
QByteArray toCp850(const QString& text);
QString fromCp850(const QByteArray& bytes);

} // namespace vantrel::platform
