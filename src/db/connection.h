#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct sqlite3;

namespace vantrel::db {

// The program's one connection to a company file. Every statement is sent as text and
// run to completion; an engine error throws vantrel::Error with the engine's message.
// A busy or locked file is retried 8 times, 10 ms apart, before the statement fails.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Connects to an existing file for reading and writing. A missing file is never
    // created here: the opening fails and the connection stays closed.
    void open(const QString& path);
    // Makes a new, empty database file and connects to it.
    void create(const QString& path);
    void close();

    bool isOpen() const { return db_ != nullptr; }
    QString path() const { return path_; }

    void exec(const QString& sql);
    // Every row of the statement, each column as text (a NULL reads as a null QString).
    QList<QStringList> query(const QString& sql);
    // Calls `row` for each row as it is stepped; the statement runs to its end.
    void forEachRow(const QString& sql, const std::function<void(const QStringList&)>& row);
    // The first column of the first row, or nullopt when there is no row.
    std::optional<QString> scalar(const QString& sql);

    sqlite3* handle() const { return db_; }

private:
    void connect(const QString& path, int flags);
    [[noreturn]] void fail(int code) const;
    sqlite3* db_ = nullptr;
    QString path_;
};

// Runs a block of statements as one transaction: committed when commit() is called,
// rolled back when the object goes away without it (an error thrown in between).
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& connection_;
    bool open_ = true;
};

} // namespace vantrel::db
