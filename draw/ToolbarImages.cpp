#include "draw/ToolbarImages.h"

#include <QCoreApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

// Every picture is drawn on a 16-unit grid; outlines of one unit lie on half units so that
// they fall on whole pixels at 16x16.
namespace {

QPen outline(const QColor& color, qreal width = 1.0)
{
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor& light, const QColor& dark)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

void paintGlobe(QPainter& p)
{
    const QRectF ball(1.5, 1.5, 13, 13);
    QRadialGradient shade(QPointF(6, 5.5), 9.5);
    shade.setColorAt(0, QColor(0xf2, 0xf2, 0xf2));
    shade.setColorAt(1, QColor(0x86, 0x89, 0x8e));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(ball);

    QPainterPath clip;
    clip.addEllipse(ball);
    p.save();
    p.setClipPath(clip);
    p.setPen(outline(QColor(0x6a, 0x6e, 0x75), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 1.5, 6, 13));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(2.5, 4.8), QPointF(13.5, 4.8));
    p.drawLine(QPointF(2.5, 11.2), QPointF(13.5, 11.2));
    p.restore();

    p.setPen(outline(QColor(0x4a, 0x4d, 0x52)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ball);
}

void paintArmchair(QPainter& p)
{
    const QColor cloth(0xc0, 0x4e, 0x36);
    const QColor edge(0x6a, 0x22, 0x14);
    p.setPen(outline(edge));

    p.setBrush(edge);
    p.drawRect(QRectF(2.5, 12.5, 1, 2));
    p.drawRect(QRectF(12.5, 12.5, 1, 2));

    p.setBrush(verticalGradient(2, 9, cloth.lighter(125), cloth));
    p.drawRoundedRect(QRectF(3.5, 1.5, 9, 8), 2, 2);

    p.setBrush(verticalGradient(8, 12, QColor(0xe8, 0x8a, 0x6e), cloth));
    p.drawRoundedRect(QRectF(4.5, 8.5, 7, 4), 1, 1);

    p.setBrush(verticalGradient(6, 13, cloth.lighter(120), cloth.darker(115)));
    p.drawRoundedRect(QRectF(1.5, 6.5, 3, 6), 1.5, 1.5);
    p.drawRoundedRect(QRectF(11.5, 6.5, 3, 6), 1.5, 1.5);
}

void paintBriefcase(QPainter& p)
{
    const QColor leather(0xa8, 0x68, 0x2e);
    const QColor edge(0x55, 0x30, 0x10);

    p.setBrush(Qt::NoBrush);
    p.setPen(outline(edge, 1.4));
    p.drawRoundedRect(QRectF(5.5, 2.2, 5, 3.5), 1.2, 1.2);

    p.setPen(outline(edge));
    p.setBrush(verticalGradient(4.5, 13.5, leather.lighter(135), leather.darker(110)));
    p.drawRoundedRect(QRectF(1.5, 4.5, 13, 9), 1.5, 1.5);

    p.setPen(outline(edge.lighter(130), 0.8));
    p.drawLine(QPointF(2, 8.5), QPointF(14, 8.5));

    p.setPen(outline(QColor(0x7a, 0x5a, 0x10), 0.8));
    p.setBrush(QColor(0xf0, 0xc8, 0x40));
    p.drawRect(QRectF(6.5, 7.5, 3, 2.5));
}

void paintTeddyBear(QPainter& p)
{
    const QColor fur(0xb0, 0x76, 0x3a);
    const QColor edge(0x5a, 0x36, 0x14);
    const QColor tan(0xe8, 0xc8, 0x9a);
    const QRadialGradient furShade = [&] {
        QRadialGradient g(QPointF(6.5, 4.5), 10);
        g.setColorAt(0, fur.lighter(130));
        g.setColorAt(1, fur.darker(115));
        return g;
    }();

    p.setPen(outline(edge, 0.9));
    p.setBrush(furShade);
    p.drawEllipse(QPointF(4.2, 3.2), 1.9, 1.9);
    p.drawEllipse(QPointF(11.8, 3.2), 1.9, 1.9);
    p.drawEllipse(QPointF(8, 12.2), 4.3, 3.3);
    p.drawEllipse(QPointF(3.6, 11.2), 1.5, 1.9);
    p.drawEllipse(QPointF(12.4, 11.2), 1.5, 1.9);
    p.drawEllipse(QPointF(8, 6.6), 4.6, 4.2);

    p.setPen(Qt::NoPen);
    p.setBrush(tan);
    p.drawEllipse(QPointF(4.2, 3.2), 0.8, 0.8);
    p.drawEllipse(QPointF(11.8, 3.2), 0.8, 0.8);
    p.drawEllipse(QPointF(8, 12.6), 2.2, 1.8);
    p.drawEllipse(QPointF(8, 8.4), 2.2, 1.6);

    p.setBrush(QColor(0x20, 0x14, 0x0a));
    p.drawEllipse(QPointF(6.1, 5.7), 0.75, 0.75);
    p.drawEllipse(QPointF(9.9, 5.7), 0.75, 0.75);
    p.drawEllipse(QPointF(8, 7.8), 1.0, 0.7);
}

void paintEye(QPainter& p)
{
    QPainterPath almond;
    almond.moveTo(1, 8);
    almond.quadTo(8, 0.5, 15, 8);
    almond.quadTo(8, 15.5, 1, 8);

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(almond);

    p.save();
    p.setClipPath(almond);
    QRadialGradient iris(QPointF(8, 8), 3.4);
    iris.setColorAt(0, QColor(0x6e, 0xb0, 0xf0));
    iris.setColorAt(1, QColor(0x1c, 0x4e, 0x9c));
    p.setBrush(iris);
    p.drawEllipse(QPointF(8, 8), 3.4, 3.4);
    p.setBrush(QColor(0x10, 0x10, 0x18));
    p.drawEllipse(QPointF(8, 8), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(9.2, 6.8), 0.7, 0.7);
    p.restore();

    p.setPen(outline(QColor(0x24, 0x30, 0x48), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(almond);
}

void paintPencilOnPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(2.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(2.5, 14.5);
    page.closeSubpath();
    p.setPen(outline(QColor(0x70, 0x74, 0x7c)));
    p.setBrush(verticalGradient(1, 15, Qt::white, QColor(0xe4, 0xe8, 0xf0)));
    p.drawPath(page);
    p.setBrush(QColor(0xd0, 0xd6, 0xe0));
    p.drawPolygon(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 4.5), QPointF(12.5, 4.5)}));

    p.setPen(outline(QColor(0x8c, 0xa8, 0xcc), 0.8));
    for (qreal y : {4.5, 6.5, 8.5, 10.5})
        p.drawLine(QPointF(4.5, y), QPointF(y < 5 ? 8 : 10.5, y));

    // The pencil lies across the page, its point at the lower left.
    p.save();
    p.translate(5.2, 14.2);
    p.rotate(-45);
    const QPen pencilEdge = outline(QColor(0x5a, 0x44, 0x10), 0.7);
    p.setPen(pencilEdge);
    p.setBrush(QColor(0xf0, 0xd4, 0xa4));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(3, -1.6), QPointF(3, 1.6)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(1.1, -0.6), QPointF(1.1, 0.6)}));
    p.setPen(pencilEdge);
    QLinearGradient body(0, -1.6, 0, 1.6);
    body.setColorAt(0, QColor(0xff, 0xe0, 0x60));
    body.setColorAt(1, QColor(0xe0, 0x9c, 0x10));
    p.setBrush(body);
    p.drawRect(QRectF(3, -1.6, 6.6, 3.2));
    p.setBrush(QColor(0xb8, 0xbc, 0xc4));
    p.drawRect(QRectF(9.6, -1.6, 1.2, 3.2));
    p.setBrush(QColor(0xf0, 0x8c, 0x9c));
    p.drawRoundedRect(QRectF(10.8, -1.6, 1.6, 3.2), 0.6, 0.6);
    p.restore();
}

void paintPlus(QPainter& p)
{
    const QPolygonF cross({QPointF(5.5, 2.5), QPointF(10.5, 2.5), QPointF(10.5, 5.5), QPointF(13.5, 5.5),
                           QPointF(13.5, 10.5), QPointF(10.5, 10.5), QPointF(10.5, 13.5), QPointF(5.5, 13.5),
                           QPointF(5.5, 10.5), QPointF(2.5, 10.5), QPointF(2.5, 5.5), QPointF(5.5, 5.5)});
    p.setPen(outline(QColor(0x1c, 0x5c, 0x14)));
    p.setBrush(verticalGradient(2.5, 13.5, QColor(0x8c, 0xdc, 0x64), QColor(0x2c, 0x8c, 0x1c)));
    p.drawPolygon(cross);
}

void paintMinus(QPainter& p)
{
    p.setPen(outline(QColor(0x7c, 0x14, 0x0c)));
    p.setBrush(verticalGradient(5.5, 10.5, QColor(0xff, 0x8c, 0x78), QColor(0xc0, 0x28, 0x18)));
    p.drawRect(QRectF(2.5, 5.5, 11, 5));
}

void paintDoubleChevronUp(QPainter& p)
{
    QPen pen(Qt::black, 2.0);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (qreal apex : {3.0, 8.0})
        p.drawPolyline(QPolygonF({QPointF(3.5, apex + 4.5), QPointF(8, apex), QPointF(12.5, apex + 4.5)}));
}

using Painter = void (*)(QPainter&);
// The down chevrons are the up chevrons mirrored, so the pair stays a matching pair.
constexpr std::array<Painter, ToolbarImage::Count - 1> Painters = {
    paintGlobe, paintArmchair, paintBriefcase, paintTeddyBear, paintEye,
    paintPencilOnPage, paintPlus, paintMinus, paintDoubleChevronUp,
};

QImage paintImage(int index, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const bool mirrored = index == ToolbarImage::SectionExpanded;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / qreal(ToolbarImage::Size), size / qreal(ToolbarImage::Size));
        Painters[mirrored ? ToolbarImage::SectionCollapsed : index](painter);
    }
    return mirrored ? image.mirrored(false, true) : image;
}

QList<QIcon>& cachedImages()
{
    static QList<QIcon> images;
    return images;
}

}  // namespace

QPixmap ToolbarPixmap(int index, int size)
{
    if (index < 0 || index >= ToolbarImage::Count || size <= 0)
        return {};
    return QPixmap::fromImage(paintImage(index, size));
}

const QList<QIcon>& ToolbarImages()
{
    QList<QIcon>& images = cachedImages();
    if (images.isEmpty()) {
        for (int index = 0; index < ToolbarImage::Count; ++index) {
            QIcon icon;
            icon.addPixmap(ToolbarPixmap(index, ToolbarImage::Size));
            icon.addPixmap(ToolbarPixmap(index, 2 * ToolbarImage::Size));
            images.append(icon);
        }
        // Pixmaps must not outlive the application object that owns the graphics system.
        qAddPostRoutine([] { cachedImages().clear(); });
    }
    return images;
}

QIcon ApplicationIcon()
{
    return QIcon(QStringLiteral(":/icons/larkspur.png"));
}

QPixmap AboutLogo()
{
    return QPixmap(QStringLiteral(":/icons/about_logo.png"));
}
