#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class Database;
struct sqlite3_stmt;

// The types a named parameter is declared with before it gets a value.
enum class ParamType { Integer, DateTime, Text, LongText };

class QueryParameter {
public:
    explicit QueryParameter(QString name) : name_(std::move(name)) {}

    const QString& name() const { return name_; }
    QueryParameter& setType(ParamType type);
    // Throws when the type has not been declared yet.
    QueryParameter& setValue(const QVariant& value);
    QueryParameter& setNull();

    bool hasType() const { return typed_; }
    ParamType type() const { return type_; }
    // A null QVariant stands for null.
    const QVariant& value() const { return value_; }

private:
    QString name_;
    ParamType type_ = ParamType::Text;
    bool typed_ = false;
    QVariant value_;
};

// A value of the current row; null reads as 0, 0.0 or the empty text.
class QueryField {
public:
    explicit QueryField(QVariant value) : value_(std::move(value)) {}
    bool isNull() const { return value_.isNull(); }
    qint64 asInteger() const;
    double asDateTime() const;
    double asFloat() const { return asDateTime(); }
    QString asString() const;
    const QVariant& value() const { return value_; }

private:
    QVariant value_;
};

// A statement on a connection, written line by line, with named parameters (":Name") whose
// values are bound, never pasted into the text. Open walks the rows forward.
class Query {
public:
    explicit Query(Database& connection);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Adds one line; lines are joined with line breaks.
    void add(const QString& line);
    void clearSql();
    QString sql() const { return lines_.join(QLatin1Char('\n')); }

    // The parameter of that name (without regard to case); throws when the statement has none.
    QueryParameter& param(const QString& name);
    const QList<QueryParameter>& params() const { return params_; }

    // Runs a statement that returns no rows.
    void execSQL();
    int rowsAffected() const { return rowsAffected_; }

    // Runs a statement and stands on its first row (or at the end).
    void open();
    bool isOpen() const { return open_; }
    bool eof() const { return eof_; }
    void next();
    // A column of the current row by name, without regard to case.
    QueryField field(const QString& name) const;
    int fieldCount() const;
    void close();

    Database& connection() const { return connection_; }

private:
    void prepare();
    void bind();
    void step();
    void parseParameters();

    Database& connection_;
    QStringList lines_;
    QList<QueryParameter> params_;
    sqlite3_stmt* stmt_ = nullptr;
    QHash<QString, int> columns_;
    bool open_ = false;
    bool eof_ = true;
    int rowsAffected_ = 0;
};
