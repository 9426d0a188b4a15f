#include "platform/Database.h"
#include "platform/DateTime.h"
#include "platform/Query.h"
#include "platform/SqlFunctions.h"
#include "platform/SystemClock.h"
#include "tests/support/ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class SqlFunctionsTest : public ::testing::Test {
protected:
    QVariant eval(const QString& expression, double argument)
    {
        Query q(db);
        q.add(QStringLiteral("SELECT ") + expression + QStringLiteral(" AS R"));
        if (!q.params().isEmpty())
            q.param(QStringLiteral("X")).setType(ParamType::DateTime).setValue(argument);
        q.open();
        return q.field(QStringLiteral("R")).value();
    }

    ProgramFolderFixture folder;
    Database db{folder.databasePath()};
};

TEST_F(SqlFunctionsTest, NowComesFromTheProgramClock)
{
    SystemClock::setNow(QDateTime(QDate(2031, 7, 1), QTime(12, 0)));
    Query q(db);
    q.add(QStringLiteral("SELECT Now() AS N"));
    q.open();
    EXPECT_DOUBLE_EQ(q.field(QStringLiteral("N")).asDateTime(), DateTime::encode(QDate(2031, 7, 1), QTime(12, 0)));
}

TEST_F(SqlFunctionsTest, IntDayAndMonthOfDateTimes)
{
    struct Case {
        QDate date;
        QTime time;
    };
    const Case cases[] = {
        {{1900, 1, 1}, {0, 0}},      {{1900, 2, 28}, {23, 59, 59}}, {{2024, 2, 29}, {12, 30}},
        {{2026, 12, 31}, {6, 0}},    {{2079, 6, 4}, {0, 0}},        {{1899, 12, 29}, {6, 0}},
        {{1850, 3, 17}, {18, 15}},
    };
    for (const Case& c : cases) {
        const double value = DateTime::encode(c.date, c.time);
        SCOPED_TRACE(c.date.toString(Qt::ISODate).toStdString());
        EXPECT_DOUBLE_EQ(eval(QStringLiteral("Int(:X)"), value).toDouble(), std::floor(value));
        EXPECT_EQ(eval(QStringLiteral("Day(:X)"), value).toInt(), c.date.day());
        EXPECT_EQ(eval(QStringLiteral("Month(:X)"), value).toInt(), c.date.month());
    }
    EXPECT_TRUE(eval(QStringLiteral("Int(NULL)"), 0).isNull());
}

// The schedule joins half-hours on TimeValue, so it must equal the stored rows exactly,
// on days far from day 0 too.
TEST_F(SqlFunctionsTest, TimeValueOfEveryHalfHourEqualsItsHalfhoursRow)
{
    QList<double> halfhours;
    Query rows(db);
    rows.add(QStringLiteral("SELECT Time FROM Halfhours"));
    for (rows.open(); !rows.eof(); rows.next())
        halfhours.append(rows.field(QStringLiteral("Time")).asDateTime());
    ASSERT_EQ(halfhours.size(), 48);
    for (const QDate& day : {QDate(1900, 1, 2), QDate(2026, 12, 11), QDate(2079, 6, 3)}) {
        for (int slot = 0; slot < 48; ++slot) {
            const double value = DateTime::encode(day, QTime(0, 0).addSecs(slot * 1800));
            EXPECT_EQ(eval(QStringLiteral("TimeValue(:X)"), value).toDouble(), halfhours[slot])
                << day.toString(Qt::ISODate).toStdString() << " slot " << slot;
        }
    }
}

TEST(SqlStr, NumberToTextWithLeadingBlank)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {5, " 5"},       {0, " 0"},        {-5, "-5"},          {120, " 120"},      {2.5, " 2.5"},
        {-0.25, "-.25"}, {0.5, " .5"},     {1.0 / 3, " .333333333333333"},         {1e15, " 1E+15"},
        {1e-5, " 1E-05"}, {-1.5e20, "-1.5E+20"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SqlFunctions::str(c.value).toStdString(), c.text) << c.value;
    EXPECT_EQ(SqlFunctions::str(qint64(-2147483648LL)).toStdString(), "-2147483648");
}

TEST_F(SqlFunctionsTest, StrOfColumnsJoinsTexts)
{
    Query q(db);
    q.add(QStringLiteral("SELECT Str(10) || ' ' || Descript AS Cycle, Str(-3) AS Negative FROM TimePeriods WHERE TPID = 2"));
    q.open();
    EXPECT_EQ(q.field(QStringLiteral("Cycle")).asString(), QStringLiteral(" 10 hours"));
    EXPECT_EQ(q.field(QStringLiteral("Negative")).asString(), QStringLiteral("-3"));
}

}  // namespace
