// Thinned traces stay within their tolerance of the picture with every point:
// at most 0.5 % of a trace colour's pixels differ, each within one device
// pixel of that colour in the other picture.
#include <gtest/gtest.h>

#include "ThinningCheck.h"
#include "WindowFixture.h"
#include "window/PictureBox.h"

namespace {

using Thinning = WindowTest;

TEST_F(Thinning, StaysWithinTolerance)
{
    const ThinningScan scan = ScanThinning(*form, TraceHandling().thinningPixels);
    EXPECT_EQ(scan.scenes, 78);
    EXPECT_LE(scan.worstShare, 0.005) << scan.whereWorstShare;
    EXPECT_EQ(scan.strayPixels, 0) << scan.whereStray;
    std::cout << "worst share of a trace colour's pixels that differ: " << scan.worstShare << " ("
              << scan.whereWorstShare << ")\n";
}

// The check sees a coarse thinning: points two device pixels apart.
TEST_F(Thinning, TwoPixelsApartIsOutsideTolerance)
{
    const ThinningScan scan = ScanThinning(*form, 2.0, true);
    EXPECT_TRUE(scan.worstShare > 0.005 || scan.strayPixels > 0);
    std::cout << "two pixels apart: worst share " << scan.worstShare << ", stray pixels " << scan.strayPixels << "\n";
}

}  // namespace
