#pragma once

#include <QString>
#include <functional>

namespace vantrel::backup {

// The archive's one entry: the database's bare file name, without any folder.
QString entryNameFor(const QString& databasePath);

// True when both paths name the same existing file (links and "." resolved).
bool isSameFile(const QString& first, const QString& second);

// Creates every missing folder of the destination path. A bare file name, or a folder
// that cannot be made, throws vantrel::Error "Impossible de créer le répertoire".
void createFolders(const QString& destination);

enum class ArchiveTest { Passed, Failed };

// Writes the archive of `database` (one deflated entry under its bare name) to a
// temporary file beside `destination`, reads it back and checks every entry, and only
// then renames it over `destination`. A write that fails throws vantrel::Error with the
// zip library's or the system's text; a test that fails returns Failed. Either way the
// temporary file is gone and whatever was at `destination` is untouched.
// `beforeTest` runs on the written temporary file before it is tested.
ArchiveTest writeTestedArchive(const QString& database, const QString& destination,
                               const std::function<void(const QString&)>& beforeTest = {});

// Writes every entry of the archive at `source` under the file name of `destination`
// into the destination's folder. A file already at `destination` is never replaced;
// an archive without entries, or one that cannot be read, throws vantrel::Error.
void extractArchive(const QString& source, const QString& destination);

} // namespace vantrel::backup
