#include "platform/Query.h"

#include "platform/Database.h"

#include <sqlite3.h>

#include <stdexcept>

QueryParameter& QueryParameter::setType(ParamType type)
{
    type_ = type;
    typed_ = true;
    return *this;
}

QueryParameter& QueryParameter::setValue(const QVariant& value)
{
    if (!typed_)
        throw std::logic_error("parameter " + name_.toStdString() + " has no declared type");
    value_ = value;
    return *this;
}

QueryParameter& QueryParameter::setNull()
{
    value_ = QVariant();
    return *this;
}

qint64 QueryField::asInteger() const
{
    if (value_.typeId() == QMetaType::Double)
        return static_cast<qint64>(value_.toDouble());
    return value_.toLongLong();
}

double QueryField::asDateTime() const
{
    return value_.toDouble();
}

QString QueryField::asString() const
{
    return value_.toString();
}

Query::Query(Database& connection) : connection_(connection) {}

Query::~Query()
{
    close();
    sqlite3_finalize(stmt_);
}

void Query::add(const QString& line)
{
    close();
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    lines_.append(line);
    parseParameters();
}

void Query::clearSql()
{
    close();
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    lines_.clear();
    params_.clear();
}

// Finds the ":Name" markers outside quoted texts, bracketed names and comments, keeping
// parameters already declared.
void Query::parseParameters()
{
    const QString text = sql();
    QList<QueryParameter> found;
    auto isNameChar = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            i = text.indexOf(close, i + 1);
            if (i < 0)
                break;
        } else if (c == QLatin1Char('-') && i + 1 < text.size() && text[i + 1] == QLatin1Char('-')) {
            i = text.indexOf(QLatin1Char('\n'), i);
            if (i < 0)
                break;
        } else if (c == QLatin1Char(':') && i + 1 < text.size() && isNameChar(text[i + 1])) {
            qsizetype end = i + 1;
            while (end < text.size() && isNameChar(text[end]))
                ++end;
            const QString name = text.mid(i + 1, end - i - 1);
            auto same = [&](const QueryParameter& p) { return p.name().compare(name, Qt::CaseInsensitive) == 0; };
            if (std::none_of(found.cbegin(), found.cend(), same)) {
                auto existing = std::find_if(params_.cbegin(), params_.cend(), same);
                found.append(existing != params_.cend() ? *existing : QueryParameter(name));
            }
            i = end - 1;
        }
    }
    params_ = found;
}

QueryParameter& Query::param(const QString& name)
{
    for (QueryParameter& p : params_) {
        if (p.name().compare(name, Qt::CaseInsensitive) == 0)
            return p;
    }
    throw DatabaseError("Parameter " + name.toStdString() + " not found in the statement");
}

void Query::prepare()
{
    if (stmt_)
        return;
    sqlite3* db = connection_.handle();
    const QByteArray text = sql().toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &stmt_, nullptr) != SQLITE_OK) {
        stmt_ = nullptr;
        connection_.fail();
    }
}

void Query::bind()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    const int count = sqlite3_bind_parameter_count(stmt_);
    for (int index = 1; index <= count; ++index) {
        const char* marker = sqlite3_bind_parameter_name(stmt_, index);
        if (!marker)
            continue;
        const QueryParameter& p = param(QString::fromUtf8(marker + 1));
        const QVariant& v = p.value();
        int rc = SQLITE_OK;
        if (v.isNull()) {
            rc = sqlite3_bind_null(stmt_, index);
        } else {
            switch (p.type()) {
            case ParamType::Integer:
                rc = sqlite3_bind_int64(stmt_, index, v.toLongLong());
                break;
            case ParamType::DateTime:
                rc = sqlite3_bind_double(stmt_, index, v.toDouble());
                break;
            case ParamType::Text:
            case ParamType::LongText: {
                const QByteArray utf8 = v.toString().toUtf8();
                rc = sqlite3_bind_text(stmt_, index, utf8.constData(), static_cast<int>(utf8.size()),
                                       SQLITE_TRANSIENT);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            connection_.fail();
    }
}

void Query::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        eof_ = false;
        return;
    }
    eof_ = true;
    if (rc != SQLITE_DONE) {
        sqlite3_reset(stmt_);
        open_ = false;
        connection_.fail();
    }
}

void Query::execSQL()
{
    close();
    prepare();
    bind();
    connection_.countStatement();
    open_ = true;
    do {
        step();
    } while (!eof_);
    open_ = false;
    rowsAffected_ = sqlite3_changes(connection_.handle());
    sqlite3_reset(stmt_);
}

void Query::open()
{
    close();
    prepare();
    bind();
    connection_.countStatement();
    columns_.clear();
    const int count = sqlite3_column_count(stmt_);
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(sqlite3_column_name(stmt_, i)).toLower();
        if (!columns_.contains(name))
            columns_.insert(name, i);
    }
    open_ = true;
    step();
}

void Query::next()
{
    if (!open_ || eof_)
        return;
    step();
}

int Query::fieldCount() const
{
    return static_cast<int>(columns_.size());
}

QueryField Query::field(const QString& name) const
{
    const auto it = columns_.constFind(name.toLower());
    if (!open_ || it == columns_.constEnd())
        throw DatabaseError("Field " + name.toStdString() + " not found");
    if (eof_)
        throw DatabaseError("No current row for field " + name.toStdString());
    const int index = it.value();
    switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER:
        return QueryField(QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt_, index))));
    case SQLITE_FLOAT:
        return QueryField(QVariant(sqlite3_column_double(stmt_, index)));
    case SQLITE_NULL:
        return QueryField(QVariant());
    default:
        return QueryField(QVariant(QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index)), sqlite3_column_bytes(stmt_, index))));
    }
}

void Query::close()
{
    if (stmt_ && open_)
        sqlite3_reset(stmt_);
    open_ = false;
    eof_ = true;
}
