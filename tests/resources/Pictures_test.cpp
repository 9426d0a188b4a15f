#include <gtest/gtest.h>

#include <QImage>

// The analog clock's face as the program folder ships it.
TEST(AnalogClockFace, IsALightRoundFaceOfNinetySixPixels)
{
    QImage face(QStringLiteral(LARKSPUR_DIST_DIR "/Images/Analog_clock.jpg"));
    ASSERT_FALSE(face.isNull()) << "the JPEG plugin or the file is missing";
    EXPECT_EQ(face.size(), QSize(96, 96));
    // Light dial where the dark hands sweep, between the centre and the hour marks...
    for (QPoint onDial : {QPoint(38, 40), QPoint(66, 48), QPoint(30, 48), QPoint(60, 56)})
        EXPECT_GT(qGray(face.pixel(onDial)), 200) << onDial.x() << "," << onDial.y();
    // ...and a darker rim at the edge of the circle.
    for (QPoint onRim : {QPoint(48, 2), QPoint(2, 48), QPoint(94, 48), QPoint(48, 94)})
        EXPECT_LT(qGray(face.pixel(onRim)), 170) << onRim.x() << "," << onRim.y();
}
