#include "draw/SelectedRowDelegate.h"

#include "draw/uLarkspurUtils.h"

#include <QPainter>

void SelectedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!option.state.testFlag(QStyle::State_Selected))
        return;
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    painter->save();
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(QPalette::HighlightedText));
    DrawSelectedGridCell(*painter, cell.rect, cell.text, true);
    painter->restore();
}
