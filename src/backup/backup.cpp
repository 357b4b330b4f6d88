#include "backup/backup.h"

#include "backup/messages.h"
#include "core/error.h"
#include "platform/zip_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>

namespace vantrel::backup {
namespace {

// A file name beside `destination` that nothing uses yet.
QString temporaryBeside(const QString& destination) {
    const QFileInfo target(destination);
    for (;;) {
        const QString candidate = target.dir().filePath(
            QStringLiteral("%1.~%2").arg(target.fileName()).arg(QRandomGenerator::global()->generate(), 8, 16,
                                                                  QLatin1Char('0')));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

// Removes the temporary archive on every way out unless it has taken its place.
class TemporaryFile {
public:
    explicit TemporaryFile(QString path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.isEmpty())
            QFile::remove(path_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const QString& path() const { return path_; }
    void keep() { path_.clear(); }

private:
    QString path_;
};

} // namespace

QString entryNameFor(const QString& databasePath) {
    return QFileInfo(QDir::fromNativeSeparators(databasePath)).fileName();
}

bool isSameFile(const QString& first, const QString& second) {
    const QString a = QFileInfo(first).canonicalFilePath();
    return !a.isEmpty() && a == QFileInfo(second).canonicalFilePath();
}

void createFolders(const QString& destination) {
    const QString path = QDir::fromNativeSeparators(destination);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        throw Error(messages::cannotCreateFolder); // a bare name: there is no folder to make
    const QString folder = slash == 0 ? QStringLiteral("/") : path.left(slash);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        throw Error(messages::cannotCreateFolder);
}

ArchiveTest writeTestedArchive(const QString& database, const QString& destination,
                               const std::function<void(const QString&)>& beforeTest) {
    // The archive is written beside the destination and renamed over it only once
    // tested, so a failed backup never destroys the previous one.
    TemporaryFile written(temporaryBeside(destination));
    try {
        platform::ZipWriter archive(written.path());
        archive.addFile(database, entryNameFor(database));
        archive.close();
    } catch (const platform::ZipError& error) {
        throw Error(error.message());
    }
    if (beforeTest)
        beforeTest(written.path());
    if (!platform::testArchive(written.path()).isEmpty())
        return ArchiveTest::Failed;

    std::error_code failure;
    std::filesystem::rename(QFile::encodeName(written.path()).toStdString(),
                            QFile::encodeName(destination).toStdString(), failure);
    if (failure)
        throw Error(QString::fromLocal8Bit(failure.message().c_str()));
    written.keep();
    return ArchiveTest::Passed;
}

void extractArchive(const QString& source, const QString& destination) {
    const QFileInfo target(destination);
    if (target.exists())
        throw Error(messages::destinationExists);
    try {
        platform::ZipReader archive(source);
        if (archive.entryCount() == 0)
            throw Error(messages::emptyArchive);
        // The entry's own name plays no part: each is written under the destination's name.
        archive.extractAll(target.absolutePath(), [&](const QString&) { return target.fileName(); });
        archive.close();
    } catch (const platform::ZipError& error) {
        throw Error(error.message());
    }
}

} // namespace vantrel::backup
