#include "platform/SqlFunctions.h"

#include "platform/DateTime.h"
#include "platform/SystemClock.h"

#include <sqlite3.h>

#include <cmath>

namespace SqlFunctions {
namespace {

bool isNull(sqlite3_value* value)
{
    return sqlite3_value_type(value) == SQLITE_NULL;
}

// A numeric argument, or false after reporting a type error.
bool numberArgument(sqlite3_context* context, sqlite3_value* value, double& number)
{
    const int type = sqlite3_value_numeric_type(value);
    if (type != SQLITE_INTEGER && type != SQLITE_FLOAT) {
        sqlite3_result_error(context, "Data type mismatch in criteria expression.", -1);
        return false;
    }
    number = sqlite3_value_double(value);
    return true;
}

void resultText(sqlite3_context* context, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void now(sqlite3_context* context, int, sqlite3_value**)
{
    sqlite3_result_double(context, SystemClock::nowDays());
}

void intPart(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(context);
    if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER)
        return sqlite3_result_int64(context, sqlite3_value_int64(argv[0]));
    double number = 0;
    if (numberArgument(context, argv[0], number))
        sqlite3_result_double(context, std::floor(number));
}

void timeValue(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(context);
    double number = 0;
    if (numberArgument(context, argv[0], number))
        sqlite3_result_double(context, DateTime::timeOfDay(number));
}

template <int (QDate::*part)() const>
void datePart(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(context);
    double number = 0;
    if (numberArgument(context, argv[0], number))
        sqlite3_result_int(context, (DateTime::toDate(number).*part)());
}

void strOf(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(context);
    if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER)
        return resultText(context, str(static_cast<qint64>(sqlite3_value_int64(argv[0]))));
    double number = 0;
    if (numberArgument(context, argv[0], number))
        resultText(context, str(number));
}

void add(sqlite3* db, const char* name, int argc, bool deterministic,
         void (*function)(sqlite3_context*, int, sqlite3_value**))
{
    const int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
    sqlite3_create_function_v2(db, name, argc, flags, nullptr, function, nullptr, nullptr, nullptr);
}

}  // namespace

QString str(qint64 value)
{
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value);
}

QString str(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return str(static_cast<qint64>(value));
    const double magnitude = std::fabs(value);
    QString digits;
    if (magnitude >= 1e15 || magnitude < 1e-4) {
        // Mantissa without trailing zeros, exponent signed with at least two digits.
        digits = QString::number(magnitude, 'e', 14);
        const qsizetype e = digits.indexOf(QLatin1Char('e'));
        QString mantissa = digits.left(e);
        const int exponent = digits.mid(e + 1).toInt();
        if (mantissa.contains(QLatin1Char('.'))) {
            while (mantissa.endsWith(QLatin1Char('0')))
                mantissa.chop(1);
            if (mantissa.endsWith(QLatin1Char('.')))
                mantissa.chop(1);
        }
        digits = QStringLiteral("%1E%2%3")
                     .arg(mantissa, exponent < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                     .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else {
        digits = QString::number(magnitude, 'g', 15);
        if (digits.startsWith(QLatin1String("0.")))
            digits.remove(0, 1);
    }
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

void registerAll(sqlite3* db)
{
    add(db, "Now", 0, false, now);
    add(db, "Int", 1, true, intPart);
    add(db, "TimeValue", 1, true, timeValue);
    add(db, "Day", 1, true, datePart<&QDate::day>);
    add(db, "Month", 1, true, datePart<&QDate::month>);
    add(db, "Str", 1, true, strOf);
}

}  // namespace SqlFunctions
