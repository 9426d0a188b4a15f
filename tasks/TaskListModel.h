#pragma once

#include <QAbstractTableModel>
#include <QList>

class Database;

// The rows of the task list: every task, one-time or repeating, waiting or come due, by due time.
class TaskListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ShowDT, Title, ActiveTime, Cycle, ColumnCount };

    struct Row {
        qint32 tdid;
        double showDT;
        QString title;
        QString activeTime;
        QString cycle;
    };

    using QAbstractTableModel::QAbstractTableModel;

    // Reads the whole result afresh.
    void load(Database& db);
    void clear();

    const QList<Row>& rows() const { return rows_; }
    // The key of a row, 0 outside the result.
    qint32 tdidAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<Row> rows_;
};
