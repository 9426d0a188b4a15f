#include "platform/Database.h"

#include "platform/SqlFunctions.h"

#include <sqlite3.h>

#include <utility>

namespace {

// Other programs may hold the file for a moment; wait a little before reporting a lock.
constexpr int BusyTimeoutMs = 2000;

}  // namespace

Database::Database(QString path) : path_(std::move(path)) {}

Database::~Database()
{
    close();
}

void Database::setPath(const QString& path)
{
    if (path == path_)
        return;
    close();
    path_ = path;
}

void Database::open()
{
    if (db_)
        return;
    sqlite3* db = nullptr;
    const QByteArray file = path_.toUtf8();
    const int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        throw DatabaseError(QStringLiteral("%1: %2").arg(message, path_).toStdString());
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    // SQLite reads the header only on the first statement; read it now so that a file that is
    // not a database fails here.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw DatabaseError(QStringLiteral("%1: %2").arg(message, path_).toStdString());
    }
    SqlFunctions::registerAll(db);
    db_ = db;
}

void Database::close()
{
    if (!db_)
        return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

sqlite3* Database::handle()
{
    open();
    return db_;
}

void Database::fail() const
{
    throw DatabaseError(db_ ? sqlite3_errmsg(db_) : "database is not open");
}
