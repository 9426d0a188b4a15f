// Writes an enlarged contact sheet of the toolbar images, the clock face (with hands painted
// the way the clock window paints them) and the icon, to judge them by eye.
// Usage: preview_images RESOURCES_DIR OUT.png
#include "draw/ToolbarImages.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QtMath>

#include <cstdio>

namespace {

void paintHands(QPainter& p, int h, int m, int s)
{
    struct Hand { int width; int length; float angle; };
    const Hand hands[] = {
        {1, 40, float((2.0 * s / 60 - 0.5) * -M_PI)},
        {2, 38, float((2.0 * (m + s / 60.0) / 60 - 0.5) * -M_PI)},
        {3, 28, float((2.0 * (h + m / 60.0) / 12 - 0.5) * -M_PI)},
    };
    for (const Hand& hand : hands) {
        p.setPen(QPen(QColor(64, 0, 0), hand.width));
        p.drawLine(48, 48, 48 + int(std::cos(hand.angle) * hand.length), 48 - int(std::sin(hand.angle) * hand.length));
    }
}

QImage clockAt(const QImage& face, int h, int m, int s)
{
    QImage clock(96, 96, QImage::Format_ARGB32_Premultiplied);
    clock.fill(Qt::transparent);
    QPainter p(&clock);
    p.setClipRegion(QRegion(0, 0, 97, 97, QRegion::Ellipse));
    p.drawImage(0, 0, face);
    paintHands(p, h, m, s);
    return clock;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: preview_images RESOURCES_DIR OUT.png\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    const QImage face(resources.filePath("Images/Analog_clock.jpg"));
    const QImage icon(resources.filePath("icons/larkspur.png"));
    const QImage logo(resources.filePath("icons/about_logo.png"));

    const int zoom = 8;
    const int cell = ToolbarImage::Size * zoom + 8;
    QImage sheet(5 * cell + 8 + 2 * 36 + 16, 2 * cell + 40 + 3 * 96 + 16 + 8, QImage::Format_RGB32);
    sheet.fill(QColor(0xf4, 0xf5, 0xf8));
    QPainter p(&sheet);
    for (int index = 0; index < ToolbarImage::Count; ++index) {
        const QPoint at(8 + (index % 5) * cell, 8 + (index / 5) * cell);
        p.drawImage(QRect(at, QSize(cell - 8, cell - 8)), ToolbarPixmap(index).toImage());
        p.drawImage(8 + index * 20, 2 * cell + 12, ToolbarPixmap(index).toImage());
    }
    const int row = 2 * cell + 40;
    p.drawImage(QRect(8, row, 3 * 96, 3 * 96), clockAt(face, 10, 9, 37));
    p.drawImage(QRect(8 + 3 * 96 + 8, row, 96, 96), clockAt(face, 3, 0, 0));
    p.drawImage(8 + 3 * 96 + 8, row + 104, clockAt(face, 6, 30, 0));
    p.drawImage(QRect(8 + 4 * 96 + 16, row, 192, 192), icon);
    p.drawImage(8 + 4 * 96 + 16, row + 200, icon);
    p.drawImage(QRect(8 + 4 * 96 + 16 + 72, row + 200, 22, 22), icon.scaled(22, 22, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    p.drawImage(QRect(5 * cell + 8, 8, 2 * 36, 2 * 195), logo);
    p.end();
    return sheet.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
