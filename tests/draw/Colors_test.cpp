#include "draw/uLarkspurUtils.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

namespace {

struct ShadeCase {
    TColor color;
    quint8 percent;
    TColor darkened;
    TColor lightened;
};

class ShadeTest : public ::testing::TestWithParam<ShadeCase> {};

TEST_P(ShadeTest, DarkensAndLightensEachChannel)
{
    const ShadeCase& c = GetParam();
    EXPECT_EQ(DarkenColor(c.color, c.percent), c.darkened);
    EXPECT_EQ(LightenColor(c.color, c.percent), c.lightened);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ShadeTest,
    ::testing::Values(ShadeCase{RGBColor(186, 252, 191), 60, RGBColor(74, 101, 76), RGBColor(227, 254, 229)},
                      ShadeCase{RGBColor(186, 252, 191), 0, RGBColor(186, 252, 191), RGBColor(186, 252, 191)},
                      ShadeCase{RGBColor(186, 252, 191), 100, RGBColor(0, 0, 0), RGBColor(255, 255, 255)},
                      ShadeCase{RGBColor(255, 255, 255), 60, RGBColor(102, 102, 102), RGBColor(255, 255, 255)},
                      ShadeCase{RGBColor(0, 0, 0), 60, RGBColor(0, 0, 0), RGBColor(153, 153, 153)}));

TEST(ShadeSystemColor, StartsFromThePalettesCurrentValue)
{
    const QPalette original = QGuiApplication::palette();
    QPalette palette = original;
    palette.setColor(QPalette::Button, QColor(200, 100, 50));
    QGuiApplication::setPalette(palette);
    const TColor darkened = DarkenColor(clBtnFace, 50);
    const TColor lightened = LightenColor(clBtnFace, 50);
    QGuiApplication::setPalette(original);

    EXPECT_EQ(darkened, RGBColor(100, 50, 25));
    EXPECT_EQ(lightened, RGBColor(228, 178, 153));
}

}  // namespace
