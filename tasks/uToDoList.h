#pragma once

#include <QWidget>

class QTableView;
class QToolBar;
class QToolButton;
class TaskListModel;

// The task list: every task by its next due time, with Edit, New and Delete.
class TfrmToDoList : public QWidget {
    Q_OBJECT
public:
    explicit TfrmToDoList(QWidget* parent = nullptr);

    // Reads the list afresh and keeps the row number; does nothing while hidden.
    void RefreshList();

    QToolBar* ToolBar1;
    QToolButton* tbEdit;
    QToolButton* tbNew;
    QToolButton* tbDelete;
    QTableView* grToDoList;

    void tbEditClick();
    void tbNewClick();
    void tbDeleteClick();

    TaskListModel& model() const { return *model_; }
    // The current row, -1 on an empty list.
    int currentRow() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void dsToDoListDataChange();
    void moveToRow(int row);

    TaskListModel* model_;
};

// The program-wide instance; set while one exists.
extern TfrmToDoList* frmToDoList;
