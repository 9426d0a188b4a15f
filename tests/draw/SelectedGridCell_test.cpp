#include "draw/SelectedRowDelegate.h"
#include "draw/uLarkspurUtils.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

namespace {

const QColor Frame(124, 124, 148);
const QColor Background(250, 250, 250);

QImage Canvas()
{
    QImage image(60, 24, QImage::Format_RGB32);
    image.fill(Background);
    return image;
}

TEST(DrawSelectedGridCell, LeavesAnUnselectedCellExactlyAsDrawn)
{
    QImage image = Canvas();
    image.setPixelColor(5, 5, Qt::red);
    const QImage before = image;
    {
        QPainter painter(&image);
        DrawSelectedGridCell(painter, QRect(2, 3, 50, 18), QStringLiteral("Text"), false);
    }
    EXPECT_EQ(image, before);
}

TEST(DrawSelectedGridCell, PaintsGradientFrameAndBoldText)
{
    const QRect cell(2, 3, 50, 18);
    QImage plain = Canvas();
    QImage withText = Canvas();
    {
        QPainter painter(&plain);
        DrawSelectedGridCell(painter, cell, QString(), true);
    }
    {
        QPainter painter(&withText);
        painter.setPen(Qt::black);
        DrawSelectedGridCell(painter, cell, QStringLiteral("WWW"), true);
    }
    for (const QPoint corner : {QPoint(2, 3), QPoint(51, 3), QPoint(2, 20), QPoint(51, 20)})
        EXPECT_EQ(plain.pixelColor(corner), Frame) << corner.x() << "," << corner.y();
    EXPECT_EQ(plain.pixelColor(30, 3 + 8), QColor(174, 200, 43));
    EXPECT_EQ(plain.pixelColor(1, 10), Background);
    EXPECT_EQ(plain.pixelColor(52, 10), Background);
    EXPECT_EQ(plain.pixelColor(30, 21), Background);
    // The text starts two pixels in and is clipped to the cell.
    EXPECT_NE(withText, plain);
    EXPECT_EQ(withText.copy(0, 0, 4, 24), plain.copy(0, 0, 4, 24));
    EXPECT_EQ(withText.copy(52, 0, 8, 24), plain.copy(52, 0, 8, 24));
}

TEST(SelectedRowDelegate, PaintsOnlyTheSelectedCell)
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), QStringLiteral("Row"));
    SelectedRowDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(2, 3, 50, 18);

    QImage unselected = Canvas();
    {
        QPainter painter(&unselected);
        delegate.paint(&painter, option, model.index(0, 0));
    }
    EXPECT_NE(unselected.pixelColor(2, 3), Frame);

    option.state |= QStyle::State_Selected;
    QImage selected = Canvas();
    {
        QPainter painter(&selected);
        delegate.paint(&painter, option, model.index(0, 0));
    }
    EXPECT_EQ(selected.pixelColor(2, 3), Frame);
    EXPECT_EQ(selected.pixelColor(51, 20), Frame);
    EXPECT_EQ(selected.pixelColor(45, 3 + 8), QColor(174, 200, 43));
}

}  // namespace
