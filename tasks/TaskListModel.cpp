#include "tasks/TaskListModel.h"

#include "platform/LocaleFormats.h"
#include "platform/Query.h"

namespace {

const char* const TaskListStatement[] = {
    "SELECT TDID, ShowDT, Title, Str(ElapseInt) || ' ' || TimePeriods.Descript AS ActiveTime, "
    "Str(PeriodInt) || ' ' || TimePeriods1.Descript AS Cycle",
    "FROM (ToDo LEFT JOIN TimePeriods ON ToDo.ElapseType = TimePeriods.TPID) "
    "LEFT JOIN TimePeriods AS TimePeriods1 ON ToDo.PeriodType = TimePeriods1.TPID",
    "WHERE (MesType IN (0, 3, 10, 13)) AND (PeriodInt > 0)",
    "  UNION",
    "SELECT TDID, ShowDT, Title, Str(ElapseInt) || ' ' || TimePeriods.Descript, ' --- '",
    "FROM (ToDo LEFT JOIN TimePeriods ON ToDo.ElapseType = TimePeriods.TPID) "
    "LEFT JOIN TimePeriods AS TimePeriods1 ON ToDo.PeriodType = TimePeriods1.TPID",
    "WHERE (MesType IN (0, 3, 10, 13)) AND (PeriodInt = 0)",
    "ORDER BY ShowDT",
};

}  // namespace

void TaskListModel::load(Database& db)
{
    Query q(db);
    for (const char* line : TaskListStatement)
        q.add(QString::fromLatin1(line));
    QList<Row> rows;
    for (q.open(); !q.eof(); q.next()) {
        rows.append({static_cast<qint32>(q.field(QStringLiteral("TDID")).asInteger()),
                     q.field(QStringLiteral("ShowDT")).asDateTime(), q.field(QStringLiteral("Title")).asString(),
                     q.field(QStringLiteral("ActiveTime")).asString(), q.field(QStringLiteral("Cycle")).asString()});
    }
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void TaskListModel::clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

qint32 TaskListModel::tdidAt(int row) const
{
    return row >= 0 && row < rows_.size() ? rows_[row].tdid : 0;
}

int TaskListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TaskListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TaskListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_.size())
        return {};
    const Row& row = rows_[index.row()];
    switch (index.column()) {
    case ShowDT: return LocaleFormats::shortDateLongTime(row.showDT);
    case Title: return row.title;
    case ActiveTime: return row.activeTime;
    case Cycle: return row.cycle;
    default: return {};
    }
}

QVariant TaskListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ShowDT: return QStringLiteral("Date - Time");
    case Title: return QStringLiteral("Title");
    case ActiveTime: return QStringLiteral("Active time");
    case Cycle: return QStringLiteral("Cycle");
    default: return {};
    }
}
