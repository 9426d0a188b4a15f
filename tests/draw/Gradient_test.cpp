#include "draw/uLarkspurUtils.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

constexpr TColor YellowGreen = RGBColor(213, 238, 68);
constexpr TColor Olive = RGBColor(131, 159, 15);
const QColor Untouched(1, 2, 3);

QImage Canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Untouched);
    return image;
}

QColor Rgb(TColor color)
{
    return ColorToQColor(color);
}

// Every pixel outside the rectangle still has the canvas's first colour.
bool OutsideUntouched(const QImage& image, const QRect& rect)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!rect.contains(x, y) && image.pixelColor(x, y) != Untouched)
                return false;
    return true;
}

TEST(GradientFill, VerticalEighteenPixelsInterpolatesEveryLine)
{
    QImage image = Canvas(10, 24);
    const QRect rect(2, 3, 5, 18);
    {
        QPainter painter(&image);
        GradientFill(painter, rect, false, {YellowGreen, Olive});
    }
    EXPECT_EQ(image.pixelColor(2, 3), Rgb(YellowGreen));
    EXPECT_EQ(image.pixelColor(6, 3 + 8), QColor(174, 200, 43));
    EXPECT_EQ(image.pixelColor(4, 3 + 17), Rgb(Olive));
    EXPECT_TRUE(OutsideUntouched(image, rect));
}

TEST(GradientFill, ThreeColoursOverOneHundredPixelsMeetAtTheirSharedLine)
{
    const TColor red = RGBColor(255, 0, 0), green = RGBColor(0, 200, 0), blue = RGBColor(0, 0, 100);
    QImage image = Canvas(104, 3);
    const QRect rect(2, 1, 100, 1);
    {
        QPainter painter(&image);
        GradientFill(painter, rect, true, {red, green, blue});
    }
    EXPECT_EQ(image.pixelColor(2, 1), Rgb(red));
    EXPECT_EQ(image.pixelColor(2 + 25, 1), QColor(127, 100, 0));  // t = 25/50 of band 0
    EXPECT_EQ(image.pixelColor(2 + 50, 1), Rgb(green));             // last of band 0, first of band 1
    EXPECT_EQ(image.pixelColor(2 + 99, 1), Rgb(blue));              // band 1 ends on Size - 1
    EXPECT_TRUE(OutsideUntouched(image, rect));
}

// The middle colour sits exactly at Step, so the pixel shows where the bands were split.
struct StepCase {
    int size;
    int step;
};

class GradientStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(GradientStepTest, StepRoundsHalvesToEven)
{
    const StepCase c = GetParam();
    const TColor middle = RGBColor(0, 255, 0);
    QImage image = Canvas(c.size, 1);
    {
        QPainter painter(&image);
        GradientFill(painter, QRect(0, 0, c.size, 1), true, {RGBColor(0, 0, 0), middle, RGBColor(0, 0, 255)});
    }
    EXPECT_EQ(image.pixelColor(c.step, 0), Rgb(middle));
    EXPECT_NE(image.pixelColor(c.step - 1, 0), Rgb(middle));
    EXPECT_NE(image.pixelColor(c.step + 1, 0), Rgb(middle));
}

INSTANTIATE_TEST_SUITE_P(TwoBands, GradientStepTest, ::testing::Values(StepCase{5, 2}, StepCase{7, 4}));

TEST(GradientFill, FewerThanTwoColoursIsRefusedAndDrawsNothing)
{
    for (const QList<TColor>& colors : {QList<TColor>{}, QList<TColor>{Olive}}) {
        QImage image = Canvas(8, 8);
        QPainter painter(&image);
        const QPen pen(QColor(9, 8, 7), 3, Qt::DashLine);
        painter.setPen(pen);
        try {
            GradientFill(painter, QRect(0, 0, 8, 8), true, colors);
            ADD_FAILURE() << "no error for " << colors.size() << " colours";
        } catch (const EMathError& error) {
            EXPECT_STREQ(error.what(), "Es mussen mindestens zwei Farben angegeben werden.");
        }
        EXPECT_EQ(painter.pen(), pen);
        painter.end();
        EXPECT_TRUE(OutsideUntouched(image, QRect()));
    }
}

TEST(GradientFill, LeavesThePenBrushAndFontAsTheyWere)
{
    QImage image = Canvas(8, 8);
    QPainter painter(&image);
    const QPen pen(QColor(9, 8, 7), 3, Qt::DashLine);
    const QBrush brush(QColor(4, 5, 6), Qt::Dense3Pattern);
    QFont font = painter.font();
    font.setItalic(true);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(font);
    GradientFill(painter, QRect(0, 0, 8, 8), false, {YellowGreen, Olive});
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush(), brush);
    EXPECT_EQ(painter.font(), font);
}

// Tiny and empty rectangles: nothing outside the rectangle, a band of length 0 is one line in
// its first colour.
TEST(GradientFill, TinyRectanglesStayInside)
{
    struct Case {
        QRect rect;
        QList<TColor> colors;
    };
    const TColor black = RGBColor(0, 0, 0), white = RGBColor(255, 255, 255);
    for (const Case& c : {Case{QRect(1, 1, 0, 4), {black, white}}, Case{QRect(1, 1, -3, 4), {black, white}},
                          Case{QRect(1, 1, 2, 4), {black, white, black, white}},
                          Case{QRect(1, 1, 6, 4), {black, white, black, white, black}},
                          Case{QRect(1, 1, 1, 4), {black, white, black}}}) {
        QImage image = Canvas(10, 6);
        {
            QPainter painter(&image);
            GradientFill(painter, c.rect, true, c.colors);
        }
        EXPECT_TRUE(OutsideUntouched(image, c.rect)) << c.rect.width() << " pixels, " << c.colors.size();
    }

    QImage image = Canvas(3, 3);
    {
        QPainter painter(&image);
        GradientFill(painter, QRect(1, 1, 1, 1), true, {black, white});
    }
    EXPECT_EQ(image.pixelColor(1, 1), Rgb(black));
}

}  // namespace
