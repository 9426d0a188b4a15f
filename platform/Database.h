#pragma once

#include <QString>

#include <stdexcept>

struct sqlite3;

// A failure of the database engine, carrying the engine's own message.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One connection to an existing database file. Opened by the first statement that needs it
// and kept open; never creates the file.
class Database {
public:
    explicit Database(QString path = {});
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Closes the connection first when the path changes.
    void setPath(const QString& path);
    const QString& path() const { return path_; }

    void open();
    void close();
    bool isOpen() const { return db_ != nullptr; }

    // Opens the connection when it is not open yet.
    sqlite3* handle();

    // Statements executed or opened on this connection so far; lets tests see that an idle
    // path touches no SQL.
    quint64 statementCount() const { return statementCount_; }
    void countStatement() { ++statementCount_; }

    // Throws DatabaseError with the engine's current message.
    [[noreturn]] void fail() const;

private:
    QString path_;
    sqlite3* db_ = nullptr;
    quint64 statementCount_ = 0;
};
