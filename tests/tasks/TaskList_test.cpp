#include "data/uDataModule.h"
#include "platform/DateTime.h"
#include "platform/Query.h"
#include "tasks/TaskListModel.h"
#include "tasks/uNewToDo.h"
#include "tasks/uToDoList.h"
#include "tests/support/ProgramFolderFixture.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

class TaskListTest : public ::testing::Test {
protected:
    void insert(int mesType, const QString& title, double showDT, int periodInt, int periodType, int elapseInt,
                int elapseType)
    {
        Query q(dm.connVO);
        q.add(QStringLiteral("INSERT INTO ToDo (MesType, FirstDT, ShowDT, Title, PeriodInt, PeriodType, ElapseInt, "
                             "ElapseType) VALUES (:M, :S, :S, :T, :PI, :PT, :EI, :ET)"));
        q.param("M").setType(ParamType::Integer).setValue(mesType);
        q.param("S").setType(ParamType::DateTime).setValue(showDT);
        q.param("T").setType(ParamType::Text).setValue(title);
        q.param("PI").setType(ParamType::Integer).setValue(periodInt);
        q.param("PT").setType(ParamType::Integer).setValue(periodType);
        q.param("EI").setType(ParamType::Integer).setValue(elapseInt);
        q.param("ET").setType(ParamType::Integer).setValue(elapseType);
        q.execSQL();
    }

    QStringList titles() const
    {
        QStringList result;
        for (const auto& row : list.model().rows())
            result.append(row.title);
        return result;
    }

    ProgramFolderFixture folder;
    ScriptedDialogs dialogs;
    TDataModule1 dm;
    TfrmCreateToDo editor;
    TfrmToDoList list;
};

const double Day = DateTime::encode(QDate(2025, 3, 14), QTime(0, 0));

TEST_F(TaskListTest, ListsOnlyTasksByDueTimeWithTheirActiveTimeAndCycle)
{
    insert(0, "repeating", Day + 0.5, 2, 2, 30, 1);
    insert(10, "came due", Day - 1, 0, 0, 1, 2);
    insert(2, "holiday", Day - 2, 1, 6, 3, 3);
    insert(1, "plan", Day - 3, 0, 0, 2, 0);
    insert(3, "after start", Day + 0.25, 0, 0, 1, 3);
    list.show();

    EXPECT_EQ(titles(), QStringList({"came due", "after start", "repeating"}));
    const auto& rows = list.model().rows();
    EXPECT_EQ(rows[0].activeTime, QStringLiteral(" 1 hours"));
    EXPECT_EQ(rows[0].cycle, QStringLiteral(" --- "));
    EXPECT_EQ(rows[2].activeTime, QStringLiteral(" 30 minutes"));
    EXPECT_EQ(rows[2].cycle, QStringLiteral(" 2 hours"));
    EXPECT_EQ(list.grToDoList->columnWidth(TaskListModel::Cycle), 71);
    EXPECT_TRUE(list.tbEdit->isEnabled());
}

TEST_F(TaskListTest, DateTimeColumnLeavesOutMidnight)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    insert(0, "noon", Day + 0.5, 0, 0, 1, 2);
    insert(0, "midnight", Day + 1, 0, 0, 1, 2);
    list.show();
    const QAbstractItemModel& model = list.model();
    EXPECT_EQ(model.index(0, TaskListModel::ShowDT).data().toString(), QStringLiteral("14.03.25 12:00:00"));
    EXPECT_EQ(model.index(1, TaskListModel::ShowDT).data().toString(), QStringLiteral("15.03.25"));
    QLocale::setDefault(QLocale::system());
}

TEST_F(TaskListTest, EmptyListDisablesEditAndDelete)
{
    list.show();
    EXPECT_FALSE(list.tbEdit->isEnabled());
    EXPECT_FALSE(list.tbDelete->isEnabled());
    EXPECT_EQ(list.grToDoList->columnWidth(TaskListModel::Cycle), 87);
}

TEST_F(TaskListTest, DeleteKeepsTheRowNumberOrMovesToTheLastRow)
{
    for (int i = 0; i < 4; ++i)
        insert(0, QStringLiteral("t%1").arg(i), Day + 1 + i, 0, 0, 1, 2);
    list.show();
    list.grToDoList->selectRow(1);
    list.tbDelete->click();
    EXPECT_EQ(titles(), QStringList({"t0", "t2", "t3"}));
    EXPECT_EQ(list.currentRow(), 1);
    list.grToDoList->selectRow(2);
    list.tbDelete->click();
    EXPECT_EQ(titles(), QStringList({"t0", "t2"}));
    EXPECT_EQ(list.currentRow(), 1);
}

TEST_F(TaskListTest, EditNewAndDoubleClicksOpenTheEditor)
{
    insert(0, "first", Day + 1, 0, 0, 1, 2);
    insert(0, "second", Day + 2, 0, 0, 1, 2);
    list.show();
    list.grToDoList->selectRow(1);
    list.tbEdit->click();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.edTitle->text(), QStringLiteral("second"));
    editor.close();

    // The title row counts as a row.
    list.grToDoList->selectRow(0);
    emit list.grToDoList->horizontalHeader()->sectionDoubleClicked(1);
    EXPECT_EQ(editor.edTitle->text(), QStringLiteral("first"));
    editor.close();

    list.tbNew->click();
    EXPECT_EQ(editor.tag(), 0);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("NewToDo..."));
}

TEST_F(TaskListTest, SavingWhileHiddenLeavesTheListUntouchedUntilShown)
{
    list.show();
    list.hide();
    editor.OpenNewTask();
    editor.edTitle->setText(QStringLiteral("new"));
    editor.dtpToDoTime->setTime(QTime(23, 0));
    const quint64 before = dm.connVO.statementCount();
    editor.bbOK->click();
    // The insert and the next-time query, nothing for the hidden list.
    EXPECT_EQ(dm.connVO.statementCount(), before + 2);
    EXPECT_TRUE(list.model().rows().isEmpty());
    list.show();
    EXPECT_EQ(titles(), QStringList({"new"}));
}

}  // namespace
