#include "db/connection.h"

#include "core/error.h"

#include <sqlite3.h>

namespace vantrel::db {
namespace {

constexpr int busyRetries = 8;
constexpr int busyPauseMs = 10;

int retryWhileBusy(void*, int attempts) {
    if (attempts >= busyRetries)
        return 0;
    sqlite3_sleep(busyPauseMs);
    return 1;
}

struct Statement {
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

} // namespace

Connection::~Connection() { close(); }

void Connection::connect(const QString& path, int flags) {
    close();
    sqlite3* db = nullptr;
    const QByteArray name = path.toUtf8();
    const int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db))
                                   : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        throw Error(message);
    }
    sqlite3_extended_result_codes(db, 0);
    sqlite3_busy_handler(db, retryWhileBusy, nullptr);
    // Lists read whole tables; mapping the file spares a copy of every page read.
    sqlite3_exec(db, "PRAGMA mmap_size=268435456;", nullptr, nullptr, nullptr);
    db_ = db;
    path_ = path;
}

void Connection::open(const QString& path) {
    // Opening a folder or a name that is not there must fail rather than make a file.
    connect(path, SQLITE_OPEN_READWRITE);
}

void Connection::create(const QString& path) {
    connect(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // SQLite writes nothing until the first statement; make the file exist now.
    exec(QStringLiteral("PRAGMA user_version;"));
}

void Connection::close() {
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
    path_.clear();
}

void Connection::fail(int code) const {
    if (db_)
        throw Error(QString::fromUtf8(sqlite3_errmsg(db_)));
    throw Error(QString::fromUtf8(sqlite3_errstr(code)));
}

void Connection::forEachRow(const QString& sql, const std::function<void(const QStringList&)>& row) {
    if (!db_)
        throw Error(QStringLiteral("Base de données non connectée"));
    const QByteArray text = sql.toUtf8();
    const char* tail = text.constData();
    const char* end = tail + text.size();
    while (tail < end) {
        Statement statement;
        const char* next = nullptr;
        int rc = sqlite3_prepare_v2(db_, tail, int(end - tail), &statement.stmt, &next);
        if (rc != SQLITE_OK)
            fail(rc);
        tail = next;
        if (!statement.stmt)
            continue; // only blanks or a comment were left
        const int columns = sqlite3_column_count(statement.stmt);
        while ((rc = sqlite3_step(statement.stmt)) == SQLITE_ROW) {
            if (!row)
                continue;
            QStringList values;
            values.reserve(columns);
            for (int c = 0; c < columns; ++c) {
                const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(statement.stmt, c));
                if (!chars)
                    values.append(QString());
                else
                    values.append(QString::fromUtf8(chars, sqlite3_column_bytes(statement.stmt, c)));
            }
            row(values);
        }
        if (rc != SQLITE_DONE)
            fail(rc);
    }
}

void Connection::exec(const QString& sql) { forEachRow(sql, {}); }

QList<QStringList> Connection::query(const QString& sql) {
    QList<QStringList> rows;
    forEachRow(sql, [&rows](const QStringList& values) { rows.append(values); });
    return rows;
}

std::optional<QString> Connection::scalar(const QString& sql) {
    std::optional<QString> first;
    forEachRow(sql, [&first](const QStringList& values) {
        if (!first)
            first = values.value(0);
    });
    return first;
}

Transaction::Transaction(Connection& connection) : connection_(connection) {
    connection_.exec(QStringLiteral("BEGIN;"));
}

Transaction::~Transaction() {
    if (!open_)
        return;
    try {
        connection_.exec(QStringLiteral("ROLLBACK;"));
    } catch (const Error&) {
        // The engine already rolled back on its own (for instance after a full disk).
    }
}

void Transaction::commit() {
    connection_.exec(QStringLiteral("COMMIT;"));
    open_ = false;
}

} // namespace vantrel::db
