#pragma once

#include "db/connection.h"

#include <QStringList>
#include <QTemporaryDir>

namespace vantrel::testing {

// A company file of the current format in a temporary folder, made the way the
// program makes one (stamped current first, so that making the tables asks nothing).
class CompanyFileBase {
public:
    explicit CompanyFileBase(const QString& fileName);

    // One row, every text through gvs as the program writes them.
    void insert(const QString& table, const QStringList& columns, const QStringList& values);

    QTemporaryDir dir;
    QString path;
    db::Connection dqd;
};

// A small company with invoices, a quote, two customers and an article, for tests that
// drive the main window: sqlite3Cli(path, sampleCompanySql()).
QString sampleCompanySql();

} // namespace vantrel::testing
