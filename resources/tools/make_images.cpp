// Paints the analog clock's face and the program's icon.
// Usage: make_images RESOURCES_DIR
// Writes Images/Analog_clock.jpg, icons/larkspur.png, icons/about_logo.png and the skin's
// arrows in icons/arrows/.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

namespace {

const QColor LarkspurLight(0x8e, 0x96, 0xe6);
const QColor LarkspurDark(0x33, 0x37, 0x8c);
const QColor Ivory(0xff, 0xfd, 0xf4);
const QColor IvoryShadow(0xe6, 0xe0, 0xcc);
const QColor MarkColor(0x2c, 0x2f, 0x6a);
// The colour the program paints the hands in.
const QColor HandColor(64, 0, 0);

QPointF onCircle(QPointF centre, qreal radius, qreal hourPosition)
{
    const qreal angle = hourPosition / 12.0 * 2 * M_PI;
    return centre + QPointF(qSin(angle) * radius, -qCos(angle) * radius);
}

// A ring of blue-violet around an ivory dial, lit from the top left.
void paintDial(QPainter& p, QPointF centre, qreal outer, qreal rimWidth)
{
    QLinearGradient rim(centre.x() - outer, centre.y() - outer, centre.x() + outer, centre.y() + outer);
    rim.setColorAt(0, LarkspurLight);
    rim.setColorAt(1, LarkspurDark);
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(centre, outer, outer);

    const qreal inner = outer - rimWidth;
    QRadialGradient dial(centre - QPointF(inner / 3, inner / 3), inner * 1.5);
    dial.setColorAt(0, Ivory);
    dial.setColorAt(1, IvoryShadow);
    p.setBrush(dial);
    p.setPen(QPen(LarkspurDark.darker(130), outer / 48.0));
    p.drawEllipse(centre, inner, inner);
}

void paintMarks(QPainter& p, QPointF centre, qreal inner)
{
    for (int minute = 0; minute < 60; ++minute) {
        const qreal position = minute / 5.0;
        if (minute % 5 == 0) {
            const bool quarter = minute % 15 == 0;
            p.setPen(QPen(MarkColor, quarter ? 2.6 : 1.6, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(onCircle(centre, inner - (quarter ? 8 : 6), position), onCircle(centre, inner - 1, position));
        } else {
            p.setPen(QPen(MarkColor.lighter(160), 0.8, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(onCircle(centre, inner - 3, position), onCircle(centre, inner - 1, position));
        }
    }
}

// A larkspur blossom: five rounded petals around a pale eye.
void paintBlossom(QPainter& p, QPointF centre, qreal radius)
{
    p.setPen(QPen(LarkspurDark.darker(140), radius / 10));
    QRadialGradient petal(centre, radius);
    petal.setColorAt(0, LarkspurLight.lighter(115));
    petal.setColorAt(1, QColor(0x4a, 0x4e, 0xc0));
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const QPointF tip = onCircle(centre, radius * 0.55, i * 12.0 / 5);
        p.drawEllipse(tip, radius * 0.45, radius * 0.45);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf0, 0xff));
    p.drawEllipse(centre, radius * 0.28, radius * 0.28);
    p.setBrush(HandColor);
    p.drawEllipse(centre, radius * 0.12, radius * 0.12);
}

QImage analogFace()
{
    // The program centres the hands on pixel (48, 48), whose middle is (48.5, 48.5) here.
    const QPointF centre(48.5, 48.5);
    const qreal outer = 47.8;
    const qreal rimWidth = 4.5;
    QImage face(96, 96, QImage::Format_RGB32);
    face.fill(LarkspurDark.darker(150));
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    paintDial(p, centre, outer, rimWidth);
    paintMarks(p, centre, outer - rimWidth);

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(8);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(LarkspurDark);
    p.drawText(QRectF(centre.x() - 30, 62, 60, 11), Qt::AlignCenter, QStringLiteral("Larkspur"));
    paintBlossom(p, centre + QPointF(0, -20), 6);

    p.setPen(Qt::NoPen);
    p.setBrush(HandColor);
    p.drawEllipse(centre, 3, 3);
    return face;
}

QImage applicationIcon()
{
    const QPointF centre(32, 32);
    QImage icon(64, 64, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    paintDial(p, centre, 31, 5);

    const qreal inner = 26;
    for (int hour = 0; hour < 12; ++hour) {
        p.setPen(QPen(MarkColor, hour % 3 == 0 ? 3.2 : 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(onCircle(centre, inner - (hour % 3 == 0 ? 6 : 4), hour), onCircle(centre, inner - 1.5, hour));
    }
    p.setPen(QPen(HandColor, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, onCircle(centre, 13, 10 + 10 / 60.0));
    p.setPen(QPen(HandColor, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, onCircle(centre, 19, 2));
    paintBlossom(p, centre, 8);
    return icon;
}

// The about box's tall logo: a larkspur spike, open florets below and buds towards the tip.
QImage aboutLogo()
{
    QImage logo(36, 195, QImage::Format_RGB32);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 195);
    sky.setColorAt(0, QColor(0xf6, 0xf5, 0xff));
    sky.setColorAt(1, QColor(0xe4, 0xea, 0xd2));
    p.fillRect(logo.rect(), sky);

    const QColor stemColor(0x4d, 0x6a, 0x1c);
    QPainterPath stem;
    stem.moveTo(18, 194);
    stem.cubicTo(16, 140, 20, 80, 18, 14);
    p.setPen(QPen(stemColor, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);

    // Two leaves at the foot, fingered like the plant's.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x8e, 0x2a));
    for (int side : {-1, 1}) {
        QPainterPath leaf;
        leaf.moveTo(18, 186);
        leaf.quadTo(18 + side * 16, 182, 18 + side * 15, 168);
        leaf.quadTo(18 + side * 6, 174, 18, 186);
        p.drawPath(leaf);
    }

    // Florets from the bottom up, shrinking and closing into buds.
    const int florets = 15;
    for (int i = 0; i < florets; ++i) {
        const qreal t = qreal(i) / (florets - 1);
        const qreal y = 164 - t * 148;
        const qreal radius = 9.5 - t * 5.5;
        const qreal x = 18 + (i % 2 ? 1 : -1) * (6 - t * 4);
        p.setPen(QPen(stemColor, 1));
        p.drawLine(QPointF(18, y + 2), QPointF(x, y));
        if (t < 0.7) {
            paintBlossom(p, QPointF(x, y), radius);
        } else {
            p.setPen(QPen(LarkspurDark.darker(130), 0.6));
            p.setBrush(LarkspurLight);
            p.drawEllipse(QPointF(x, y), radius * 0.6, radius);
        }
    }
    return logo;
}

// A small filled triangle pointing along `direction` (0 up, 1 right, 2 down, 3 left), centred
// in a size x size picture; the skin uses them in spin boxes, combo boxes, menus and calendars.
QImage arrow(int size, int direction, qreal length, const QColor& color)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    p.rotate(90 * direction);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const qreal half = length / 2;
    p.drawPolygon(QPolygonF({QPointF(-half, half / 2), QPointF(half, half / 2), QPointF(0, -half / 2 - 0.5)}));
    return image;
}

bool save(const QImage& image, const QString& path, const char* format, int quality)
{
    QDir().mkpath(QFileInfo(path).path());
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images RESOURCES_DIR\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    const QColor arrowColor(0x3a, 0x45, 0x2a);
    const QColor disabledArrowColor(0xb0, 0xb6, 0xa4);
    const struct { const char* path; QImage image; } pictures[] = {
        {"Images/Analog_clock.jpg", analogFace()},
        {"icons/larkspur.png", applicationIcon()},
        {"icons/about_logo.png", aboutLogo()},
        {"icons/arrows/up.png", arrow(9, 0, 7, arrowColor)},
        {"icons/arrows/down.png", arrow(9, 2, 7, arrowColor)},
        {"icons/arrows/up-disabled.png", arrow(9, 0, 7, disabledArrowColor)},
        {"icons/arrows/down-disabled.png", arrow(9, 2, 7, disabledArrowColor)},
        {"icons/arrows/right.png", arrow(9, 1, 7, arrowColor)},
        {"icons/arrows/previous-month.png", arrow(16, 3, 8, Qt::white)},
        {"icons/arrows/next-month.png", arrow(16, 1, 8, Qt::white)},
    };
    for (const auto& picture : pictures) {
        const QString path = resources.filePath(QString::fromLatin1(picture.path));
        if (!save(picture.image, path, path.endsWith(".jpg") ? "JPG" : "PNG", path.endsWith(".jpg") ? 95 : -1))
            return 1;
    }
    return 0;
}
