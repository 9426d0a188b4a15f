#include "draw/ToolbarImages.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

namespace {

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

QImage imageAt(int index, int size = ToolbarImage::Size)
{
    return ToolbarImages().at(index).pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(ToolbarImages, TenDistinctPicturesOfSixteenPixelsThatAreNeitherEmptyNorFull)
{
    ASSERT_EQ(ToolbarImages().size(), ToolbarImage::Count);
    QSet<QByteArray> seen;
    for (int index = 0; index < ToolbarImage::Count; ++index) {
        SCOPED_TRACE(index);
        const QImage image = imageAt(index);
        ASSERT_EQ(image.size(), QSize(16, 16));
        const int opaque = opaquePixels(image);
        EXPECT_GT(opaque, 20);
        EXPECT_LT(opaque, 16 * 16);
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes)) << "same picture as an earlier index";
        seen.insert(bytes);
    }
}

TEST(ToolbarImages, IconsCarryACrispDoubleSizePixmap)
{
    for (int index = 0; index < ToolbarImage::Count; ++index) {
        SCOPED_TRACE(index);
        const QList<QSize> sizes = ToolbarImages().at(index).availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));
        EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    }
}

TEST(ToolbarImages, ExpandedChevronsAreTheCollapsedOnesTurnedUpsideDown)
{
    const QImage up = imageAt(ToolbarImage::SectionCollapsed);
    const QImage down = imageAt(ToolbarImage::SectionExpanded);
    EXPECT_EQ(up.mirrored(false, true), down);
    // Pointing up: the topmost ink is the apex, in the middle columns only.
    int top = 0;
    while (top < 16 && opaquePixels(up.copy(0, top, 16, 1)) == 0)
        ++top;
    ASSERT_LT(top, 8);
    EXPECT_GT(opaquePixels(up.copy(5, top, 6, 1)), 0);
    EXPECT_EQ(opaquePixels(up.copy(0, top, 5, 1)) + opaquePixels(up.copy(11, top, 5, 1)), 0);
}

TEST(ToolbarImages, PixmapOutsideTheListIsNull)
{
    EXPECT_TRUE(ToolbarPixmap(-1).isNull());
    EXPECT_TRUE(ToolbarPixmap(ToolbarImage::Count).isNull());
    EXPECT_EQ(ToolbarPixmap(ToolbarImage::Edit, 48).size(), QSize(48, 48));
}

TEST(AboutLogo, IsTheTallPictureOfTheAboutBox)
{
    EXPECT_EQ(AboutLogo().size(), QSize(36, 195));
}

TEST(ApplicationIcon, ComesFromTheCompiledInResource)
{
    const QIcon icon = ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(64, 64).toImage();
    EXPECT_EQ(image.size(), QSize(64, 64));
    EXPECT_GT(opaquePixels(image.convertToFormat(QImage::Format_ARGB32)), 64 * 64 / 2);
}
