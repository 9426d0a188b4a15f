#pragma once

#include <QString>

struct sqlite3;

// The date and number functions of the statements' dialect, for the database engine:
// Now(), Int(x), TimeValue(x), Day(x), Month(x) and Str(x).
namespace SqlFunctions {

void registerAll(sqlite3* db);

// Number to text: a leading blank for a number that is not negative, up to 15 significant
// digits, no leading zero before the decimal point, exponent form outside 1E-4 to 1E15.
QString str(double value);
QString str(qint64 value);

}  // namespace SqlFunctions
