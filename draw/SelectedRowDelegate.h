#pragma once

#include <QStyledItemDelegate>

// The cell painter of the list grids: the view draws the cell as usual, then a selected cell
// gets the green gradient, frame and bold text of DrawSelectedGridCell. Views select whole
// rows, so the whole selected row carries it.
class SelectedRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
