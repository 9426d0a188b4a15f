#include "platform/Database.h"
#include "platform/Query.h"
#include "tests/support/ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sqlite3.h>

namespace {

TEST(Query, TypedParametersAndNullsRoundTrip)
{
    ProgramFolderFixture folder;
    Database db(folder.databasePath());
    Query insert(db);
    insert.add(QStringLiteral("INSERT INTO ToDo (MesType, FirstDT, ShowDT, Title, Comment)"));
    insert.add(QStringLiteral("VALUES (:MesType, :FirstDT, :ShowDT, :Title, :Comment)"));
    insert.param(QStringLiteral("MesType")).setType(ParamType::Integer).setValue(3);
    insert.param(QStringLiteral("FirstDT")).setType(ParamType::DateTime).setNull();
    insert.param(QStringLiteral("showdt")).setType(ParamType::DateTime).setValue(45000.5);
    // A value that looks like SQL stays a value.
    insert.param(QStringLiteral("Title")).setType(ParamType::Text).setValue(QStringLiteral("it's'); DROP TABLE ToDo;--"));
    insert.param(QStringLiteral("Comment")).setType(ParamType::LongText).setValue(QStringLiteral("line 1\nline 2 ü"));
    insert.execSQL();
    EXPECT_EQ(insert.rowsAffected(), 1);

    Query read(db);
    read.add(QStringLiteral("SELECT * FROM ToDo"));
    read.open();
    ASSERT_FALSE(read.eof());
    EXPECT_GE(read.field(QStringLiteral("tdid")).asInteger(), 1);
    EXPECT_EQ(read.field(QStringLiteral("MesType")).asInteger(), 3);
    EXPECT_TRUE(read.field(QStringLiteral("FirstDT")).isNull());
    EXPECT_DOUBLE_EQ(read.field(QStringLiteral("ShowDT")).asDateTime(), 45000.5);
    EXPECT_EQ(read.field(QStringLiteral("Title")).asString(), QStringLiteral("it's'); DROP TABLE ToDo;--"));
    EXPECT_EQ(read.field(QStringLiteral("Comment")).asString(), QStringLiteral("line 1\nline 2 ü"));
    EXPECT_EQ(read.field(QStringLiteral("PeriodInt")).asInteger(), 0);
    read.next();
    EXPECT_TRUE(read.eof());
}

TEST(Query, ValueBeforeTypeAndUnknownParameterAreRefused)
{
    ProgramFolderFixture folder;
    Database db(folder.databasePath());
    Query q(db);
    q.add(QStringLiteral("SELECT * FROM ToDo WHERE TDID = :TDID AND Title <> ':NotAParameter'"));
    EXPECT_THROW(q.param(QStringLiteral("TDID")).setValue(1), std::logic_error);
    EXPECT_THROW(q.param(QStringLiteral("NotAParameter")), DatabaseError);
    EXPECT_EQ(q.params().size(), 1);
}

TEST(Query, ReopenedStatementTakesNewValues)
{
    ProgramFolderFixture folder;
    Database db(folder.databasePath());
    Query q(db);
    q.add(QStringLiteral("SELECT Descript FROM TimePeriods WHERE TPID = :Code"));
    q.param(QStringLiteral("Code")).setType(ParamType::Integer);
    QStringList names;
    for (int code = 1; code <= 6; ++code) {
        q.param(QStringLiteral("Code")).setValue(code);
        q.open();
        names.append(q.field(QStringLiteral("Descript")).asString());
        q.close();
    }
    EXPECT_EQ(names, QStringList({"minutes", "hours", "days", "weeks", "months", "years"}));
    EXPECT_EQ(db.statementCount(), 6u);
}

TEST(Database, OpensOnFirstStatementOnly)
{
    ProgramFolderFixture folder;
    Database db(folder.databasePath());
    Query q(db);
    q.add(QStringLiteral("SELECT Count(*) AS N FROM Halfhours"));
    EXPECT_FALSE(db.isOpen());
    q.open();
    EXPECT_TRUE(db.isOpen());
    EXPECT_EQ(q.field(QStringLiteral("N")).asInteger(), 48);
}

struct BrokenFile {
    const char* name;
    QByteArray content;  // empty: no file at all
    const char* message;
};

class DatabaseFailure : public ::testing::TestWithParam<BrokenFile> {};

// The file is never created, and the error carries the engine's message.
TEST_P(DatabaseFailure, ThrowsWithTheEnginesMessage)
{
    ProgramFolderFixture folder;
    QFile::remove(folder.databasePath());
    if (!GetParam().content.isEmpty())
        folder.writeFile(QStringLiteral("Ls.lsb"), GetParam().content);
    Database db(folder.databasePath());
    Query q(db);
    q.add(QStringLiteral("SELECT * FROM ToDo"));
    try {
        q.open();
        FAIL() << "no error";
    } catch (const DatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos) << error.what();
    }
    EXPECT_EQ(QFile::exists(folder.databasePath()), !GetParam().content.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, DatabaseFailure,
                         ::testing::Values(BrokenFile{"missing", {}, "unable to open database file"},
                                           BrokenFile{"garbage", QByteArray(4096, 'x'), "file is not a database"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Database, FailingStatementThrowsAndConnectionGoesOn)
{
    ProgramFolderFixture folder;
    Database db(folder.databasePath());
    Query bad(db);
    bad.add(QStringLiteral("SELECT NoSuchColumn FROM ToDo"));
    EXPECT_THROW(bad.open(), DatabaseError);
    Query good(db);
    good.add(QStringLiteral("SELECT Count(*) AS N FROM TimePeriods"));
    good.open();
    EXPECT_EQ(good.field(QStringLiteral("N")).asInteger(), 6);
}

TEST(Database, LockedFileIsReportedAfterTheBusyTimeout)
{
    ProgramFolderFixture folder;
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(folder.databasePath().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    Database db(folder.databasePath());
    Query q(db);
    q.add(QStringLiteral("SELECT * FROM ToDo"));
    try {
        q.open();
        ADD_FAILURE() << "no error";
    } catch (const DatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("locked"), std::string::npos) << error.what();
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

}  // namespace
