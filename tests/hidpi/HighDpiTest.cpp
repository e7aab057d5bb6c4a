// On a screen of device pixel ratio 2 the picture is drawn at the screen's
// resolution while the mapping and the labels stay in logical pixels.
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "ThinningCheck.h"
#include "WindowFixture.h"
#include "window/PictureBox.h"

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
    EXPECT_EQ(form->Geometry().unitPixels, InitialUnit);
}

// The display gets the picture at the screen's resolution, not scaled up.
TEST_F(HighDpi, TheScreenShowsTheDevicePixels)
{
    // The window is wider than the screen: its left part (559 logical pixels) is shown.
    const QImage shown = OnScreen();
    EXPECT_EQ(shown.size(), QSize(2 * 559, 2 * 451));
    EXPECT_EQ(shown, Grab().copy(QRect(QPoint(0, 0), shown.size())));
}

// Point sizes and line widths are logical pixels too: the picture keeps its
// proportions instead of thinning to half.
TEST_F(HighDpi, MarksKeepTheirLogicalSize)
{
    const QImage picture = Grab();
    // The blue pedal point at logical (405, 207) is 4 logical pixels across:
    // about 50 device pixels, where a 4-device-pixel point lights about 12.
    int blue = 0;
    for (int y = 2 * InitialOriginY - 8; y <= 2 * InitialOriginY + 8; ++y)
        for (int x = 2 * InitialOriginX - 8; x <= 2 * InitialOriginX + 8; ++x)
            blue += PixelAt(picture, x, y) == (Rgb{0, 0, 255});
    EXPECT_GE(blue, 36);
    // The black grid line through x = 0 is one logical pixel wide: two device pixels.
    int black = 0;
    for (int x = 2 * InitialOriginX - 6; x <= 2 * InitialOriginX + 6; ++x)
        black += PixelAt(picture, x, 2 * 100) == (Rgb{0, 0, 0});
    EXPECT_EQ(black, 2);
}

TEST_F(HighDpi, DraggingStaysInLogicalPixels)
{
    QTest::mousePress(form->Picture, Qt::LeftButton, {}, QPoint(400, 200));
    QTest::mouseMove(form->Picture, QPoint(474, 138));
    QTest::mouseRelease(form->Picture, Qt::LeftButton, {}, QPoint(474, 138));
    EXPECT_NEAR(form->scene.pedalX, 1.0f, 1.0 / InitialUnit);
    EXPECT_NEAR(form->scene.pedalY, 1.0f, 1.0 / InitialUnit);
}

TEST_F(HighDpi, LabelsKeepTheirLogicalSize)
{
    EXPECT_EQ(form->pedalPointValueLabel->height(), 18);
    EXPECT_EQ(form->pedalPointValueLabel->font().pixelSize(), 13);
    EXPECT_EQ(form->ClientWidth(), 1091);
}

// Thinned traces keep their tolerance in device pixels.
TEST_F(HighDpi, ThinnedTracesStayWithinTolerance)
{
    const ThinningScan scan = ScanThinning(*form, TraceHandling().thinningPixels);
    EXPECT_LE(scan.worstShare, 0.005) << scan.whereWorstShare;
    EXPECT_EQ(scan.strayPixels, 0) << scan.whereStray;
    std::cout << "worst share of a trace colour's pixels that differ: " << scan.worstShare << " ("
              << scan.whereWorstShare << ")\n";
}

}  // namespace
