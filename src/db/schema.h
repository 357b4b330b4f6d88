#pragma once

#include "db/connection.h"

#include <QString>

namespace vantrel::platform {
class Prompts;
}

namespace vantrel::db {

inline const QString currentVersion = QStringLiteral("vantr15");
inline const QString previousVersion = QStringLiteral("vantr10");

// Makes sure the file holds the current tables and brings a file of the previous
// generation up to date, after telling the user. The whole step runs in one
// transaction: when any statement fails, the engine's error is thrown and the file is
// left exactly as it was, so that the next opening can run it again cleanly.
void Create_Tables(Connection& dqd, platform::Prompts& prompts);

// Replaces the version stamp.
void set_db_version(Connection& dqd, const QString& tag);
// The stamp: first column of the first row of VerInfo; empty when it has no row.
QString get_db_version(Connection& dqd);

// The first VAT rate as stored in the settings; "0" when there is no settings row.
QString getvatrate(Connection& dqd);

} // namespace vantrel::db
