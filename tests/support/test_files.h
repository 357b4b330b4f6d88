#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vantrel::testing {

// Runs the sqlite3 command-line tool on a file with the given statements and returns
// what it printed (one row a line, columns separated by "|"). Fails the test when the
// tool exits with an error.
QString sqlite3Cli(const QString& databasePath, const QString& sql);

// The bytes of a file, for before / after comparisons.
QByteArray fileBytes(const QString& path);

// The folder of the built program (executable and companion files).
QString binDir();

} // namespace vantrel::testing
