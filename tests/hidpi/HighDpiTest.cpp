// On a screen of device pixel ratio 2 the picture is drawn at the screen's
// resolution while the mapping and the labels stay in logical pixels.
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowFixture.h"
#include "app/PictureBox.h"
#include "app/PlotState.h"

namespace {

using HighDpi = WindowTest;

TEST_F(HighDpi, ThePictureHasTwiceTheLogicalPixels)
{
    ASSERT_EQ(form->Picture->devicePixelRatioF(), 2.0);
    const QImage picture = Grab();
    EXPECT_EQ(picture.size(), QSize(2 * 791, 2 * 451));
    // The white area spans logical 198..612 by 0..414, in device pixels twice that.
    EXPECT_EQ(PixelAt(picture, 2 * 198 + 4, 2 * 17), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelAt(picture, 2 * 198 - 4, 2 * 17), (Rgb{240, 240, 240}));
    EXPECT_EQ(PixelAt(picture, 2 * 612 - 4, 2 * 17), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelAt(picture, 2 * 612 + 4, 2 * 17), (Rgb{240, 240, 240}));
    // The blue pedal point covers logical (405, 207).
    int blue = 0;
    for (int y = 2 * 207 - 4; y <= 2 * 207 + 4; ++y)
        for (int x = 2 * 405 - 4; x <= 2 * 405 + 4; ++x)
            blue += PixelAt(picture, x, y) == (Rgb{0, 0, 255});
    EXPECT_GE(blue, 4);
    EXPECT_EQ(plot.unitPixels, 69.0f);
}

TEST_F(HighDpi, DraggingStaysInLogicalPixels)
{
    QTest::mousePress(form->Picture, Qt::LeftButton, {}, QPoint(400, 200));
    QTest::mouseMove(form->Picture, QPoint(474, 138));
    QTest::mouseRelease(form->Picture, Qt::LeftButton, {}, QPoint(474, 138));
    EXPECT_NEAR(plot.pedalX, 1.0f, 1.0 / 69);
    EXPECT_NEAR(plot.pedalY, 1.0f, 1.0 / 69);
}

TEST_F(HighDpi, LabelsKeepTheirLogicalSize)
{
    EXPECT_EQ(form->Label28->height(), 18);
    EXPECT_EQ(form->Label28->font().pixelSize(), 13);
    EXPECT_EQ(form->ClientWidth(), 1091);
}

}  // namespace
