#include "tasks/uToDoList.h"

#include "data/uDataModule.h"
#include "draw/SelectedRowDelegate.h"
#include "draw/ToolbarImages.h"
#include "platform/Help.h"
#include "tasks/TaskListModel.h"
#include "tasks/uNewToDo.h"

#include <QHeaderView>
#include <QHideEvent>
#include <QShowEvent>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TfrmToDoList* frmToDoList = nullptr;

namespace {

constexpr int HelpContext = 4;
constexpr int CycleWidthSingle = 87;
constexpr int CycleWidthSeveral = 71;

QToolButton* toolButton(QToolBar* bar, const char* name, int picture, const QString& hint)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(ToolbarImages().at(picture));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

}  // namespace

TfrmToDoList::TfrmToDoList(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      model_(new TaskListModel(this))
{
    setObjectName(QStringLiteral("frmToDoList"));
    setWindowTitle(QStringLiteral("To do list"));
    setFixedSize(519, 308);
    move(80, 80);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 7);
    layout->setSpacing(0);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(16, 16));
    tbEdit = toolButton(ToolBar1, "tbEdit", ToolbarImage::Edit, QStringLiteral("Edit"));
    tbNew = toolButton(ToolBar1, "tbNew", ToolbarImage::Add, QStringLiteral("New task"));
    tbDelete = toolButton(ToolBar1, "tbDelete", ToolbarImage::Delete, QStringLiteral("Delete task"));
    layout->addWidget(ToolBar1);

    grToDoList = new QTableView(this);
    grToDoList->setObjectName(QStringLiteral("grToDoList"));
    grToDoList->setModel(model_);
    grToDoList->setItemDelegate(new SelectedRowDelegate(grToDoList));
    grToDoList->setSelectionBehavior(QAbstractItemView::SelectRows);
    grToDoList->setSelectionMode(QAbstractItemView::SingleSelection);
    grToDoList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grToDoList->setShowGrid(true);
    grToDoList->setWordWrap(false);
    // The column widths are those of a small list font.
    QFont gridFont = grToDoList->font();
    gridFont.setPointSize(8);
    grToDoList->setFont(gridFont);
    grToDoList->verticalHeader()->hide();
    grToDoList->verticalHeader()->setDefaultSectionSize(20);
    grToDoList->horizontalHeader()->setHighlightSections(false);
    QFont titleFont = grToDoList->horizontalHeader()->font();
    titleFont.setBold(true);
    grToDoList->horizontalHeader()->setFont(titleFont);
    grToDoList->setStyleSheet(QStringLiteral(
        "QTableView#grToDoList { background-color: rgb(238, 238, 238); color: rgb(0, 83, 0); }"
        "QTableView#grToDoList QHeaderView::section { background-color: rgb(219, 219, 219); color: rgb(0, 83, 0); "
        "font-weight: bold; font-size: 8pt; padding: 1px 2px; }"));
    grToDoList->setColumnWidth(TaskListModel::ShowDT, 128);
    grToDoList->setColumnWidth(TaskListModel::Title, 221);
    grToDoList->setColumnWidth(TaskListModel::ActiveTime, 73);
    grToDoList->setColumnWidth(TaskListModel::Cycle, 73);
    layout->addWidget(grToDoList);

    connect(tbEdit, &QToolButton::clicked, this, &TfrmToDoList::tbEditClick);
    connect(tbNew, &QToolButton::clicked, this, &TfrmToDoList::tbNewClick);
    connect(tbDelete, &QToolButton::clicked, this, &TfrmToDoList::tbDeleteClick);
    connect(grToDoList, &QTableView::doubleClicked, this, &TfrmToDoList::tbEditClick);
    connect(grToDoList->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &TfrmToDoList::tbEditClick);
    connect(model_, &QAbstractItemModel::modelReset, this, &TfrmToDoList::dsToDoListDataChange);
    dsToDoListDataChange();
    Help::setContext(this, HelpContext);
    frmToDoList = this;
}

void TfrmToDoList::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmToDoList::FormShow()
{
    model_->load(DataModule1->connVO);
    moveToRow(0);
}

void TfrmToDoList::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        model_->clear();
}

void TfrmToDoList::dsToDoListDataChange()
{
    const int rows = model_->rowCount();
    grToDoList->setColumnWidth(TaskListModel::Cycle, rows <= 1 ? CycleWidthSingle : CycleWidthSeveral);
    tbEdit->setEnabled(rows > 0);
    tbDelete->setEnabled(rows > 0);
}

int TfrmToDoList::currentRow() const
{
    const QModelIndex current = grToDoList->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TfrmToDoList::moveToRow(int row)
{
    if (model_->rowCount() == 0)
        return;
    row = std::clamp(row, 0, model_->rowCount() - 1);
    grToDoList->setCurrentIndex(model_->index(row, 0));
    grToDoList->selectRow(row);
}

void TfrmToDoList::RefreshList()
{
    if (!isVisible())
        return;
    const int remembered = currentRow();
    model_->load(DataModule1->connVO);
    moveToRow(remembered);
}

void TfrmToDoList::tbEditClick()
{
    const qint32 tdid = model_->tdidAt(currentRow());
    if (tdid != 0)
        frmCreateToDo->OpenTask(tdid);
}

void TfrmToDoList::tbNewClick()
{
    frmCreateToDo->OpenNewTask();
}

void TfrmToDoList::tbDeleteClick()
{
    const qint32 tdid = model_->tdidAt(currentRow());
    if (tdid == 0)
        return;
    DataModule1->DeleteTask(tdid);
    RefreshList();
}

