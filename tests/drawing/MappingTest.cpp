#include <QTest>
#include <gtest/gtest.h>

#include "WindowFixture.h"
#include "drawing/PlotArea.h"

namespace {

using Mapping = WindowTest;

void SetViewWindow(MainWindow *form, float xMin, float xMax, float yMin, float yMax)
{
    form->scene.xMin = xMin;
    form->scene.xMax = xMax;
    form->scene.yMin = yMin;
    form->scene.yMax = yMax;
}

TEST_F(Mapping, DesignedSizeFrame)
{
    EXPECT_EQ(form->Geometry().gridXFrom, -6.0f);
    EXPECT_EQ(form->Geometry().gridXTo, 6.0f);
    EXPECT_EQ(form->Geometry().gridYFrom, -6.0f);
    EXPECT_EQ(form->Geometry().gridYTo, 6.0f);
    EXPECT_EQ(form->Geometry().unitPixels, InitialUnit);
    EXPECT_EQ(form->Geometry().gridStepPixels, 34.5f);
    EXPECT_EQ(form->Geometry().plotWidthPixels, 414);
    EXPECT_EQ(form->Geometry().plotHeightPixels, 414);
    const AreaRect area =
        CurrentArea({MainWindow::DesignedClientWidth, MainWindow::DesignedClientHeight}, form->Geometry());
    EXPECT_EQ(area.areaCenterX, InitialOriginX);
    EXPECT_EQ(area.areaLeft, 198);
    EXPECT_EQ(area.areaRight, 612);
    EXPECT_EQ(area.areaMiddleY, InitialOriginY);
    EXPECT_EQ(area.areaTop, 0);
    EXPECT_EQ(area.areaBottom, 414);
    EXPECT_EQ(form->Geometry().originX, float(InitialOriginX));
    EXPECT_EQ(form->Geometry().originY, float(InitialOriginY));
    const WindowPoint p = WorldToWindow(form->Geometry(), 1, 1);
    EXPECT_EQ(p.x, 474.0f);
    EXPECT_EQ(p.y, 138.0f);
}

TEST_F(Mapping, WhiteAreaIsExactlyTheRectangle)
{
    const auto frame = RecordFrame();
    // One white quadrilateral (the rasteriser may report it as triangles).
    const auto white = OfColour(frame, FeedbackPrimitive::Polygon, 1, 1, 1);
    ASSERT_FALSE(white.empty());
    float minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    double area = 0;
    for (const FeedbackPrimitive &polygon : white) {
        const auto &v = polygon.vertices;
        for (size_t i = 0; i < v.size(); ++i) {
            minX = std::min(minX, v[i].x);
            maxX = std::max(maxX, v[i].x);
            minY = std::min(minY, v[i].y);
            maxY = std::max(maxY, v[i].y);
            const FeedbackVertex &next = v[(i + 1) % v.size()];
            area += 0.5 * (double(v[i].x) * next.y - double(next.x) * v[i].y);
        }
    }
    EXPECT_NEAR(std::fabs(area), 414.0 * 414.0, 1);
    EXPECT_EQ(minX, 198);
    EXPECT_EQ(maxX, 612);
    EXPECT_EQ(minY, 0);
    EXPECT_EQ(maxY, 414);
    const QImage image = Grab();
    EXPECT_EQ(PixelAt(image, 215, 17), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelAt(image, 196, 17), (Rgb{240, 240, 240}));
    EXPECT_EQ(PixelAt(image, 614, 17), (Rgb{240, 240, 240}));
    EXPECT_EQ(PixelAt(image, 300, 440), (Rgb{240, 240, 240}));
}

struct SizeCase {
    int clientWidth, clientHeight;
    float unitPixels;
};

TEST_F(Mapping, TheSmallerWholeScaleOfTheTwoAxesWins)
{
    // W = client + 16, H = client + 38; w = trunc((W-336)/6), h = trunc((H-313)/6).
    const SizeCase cases[] = {
        {1484, 690, 69},    // wide: the height limits (w = 194, h = 69)
        {700, 900, 63},     // narrow: the width limits (w = 63, h = 104)
        {1091, 1000, 120},  // tall: w = 128, h = 120
    };
    for (const SizeCase &c : cases) {
        form->resize(c.clientWidth, c.clientHeight);
        QTest::qWait(20);
        form->Redraw();
        EXPECT_EQ(form->Geometry().unitPixels, c.unitPixels) << c.clientWidth << "x" << c.clientHeight;
    }
}

TEST_F(Mapping, OriginOutsideAndOnTheEdgesOfTheViewWindow)
{
    SetViewWindow(form.get(), 1, 3, -3, 3);
    form->Redraw();
    AreaRect area = CurrentArea({MainWindow::DesignedClientWidth, MainWindow::DesignedClientHeight}, form->Geometry());
    EXPECT_EQ(form->Geometry().originX, area.areaLeft - 2 * form->Geometry().gridStepPixels);
    EXPECT_EQ(form->Geometry().originX, area.areaLeft - form->Geometry().unitPixels);

    SetViewWindow(form.get(), -3, -1, -3, 3);
    form->Redraw();
    area = CurrentArea({MainWindow::DesignedClientWidth, MainWindow::DesignedClientHeight}, form->Geometry());
    EXPECT_EQ(form->Geometry().originX, area.areaLeft + 6 * form->Geometry().gridStepPixels);
    EXPECT_EQ(form->Geometry().originX, area.areaRight + form->Geometry().unitPixels);

    SetViewWindow(form.get(), -3, 3, 1, 3);
    form->Redraw();
    area = CurrentArea({MainWindow::DesignedClientWidth, MainWindow::DesignedClientHeight}, form->Geometry());
    EXPECT_EQ(form->Geometry().originY, area.areaBottom + 2 * form->Geometry().gridStepPixels);

    SetViewWindow(form.get(), -3, 3, -3, -1);
    form->Redraw();
    area = CurrentArea({MainWindow::DesignedClientWidth, MainWindow::DesignedClientHeight}, form->Geometry());
    EXPECT_EQ(form->Geometry().originY, area.areaTop - form->Geometry().unitPixels);
}

TEST_F(Mapping, AnEmptyViewWindowKeepsThePreviousScale)
{
    SetViewWindow(form.get(), 3, 3, -3, 3);
    const auto frame = RecordFrame();
    EXPECT_EQ(form->Geometry().gridXFrom, 6.0f);
    EXPECT_EQ(form->Geometry().gridXTo, 6.0f);
    EXPECT_EQ(form->Geometry().unitPixels, InitialUnit);
    EXPECT_EQ(form->Geometry().plotWidthPixels, 414);
    EXPECT_TRUE(OfColour(frame, FeedbackPrimitive::Polygon, 1, 1, 1).empty());
    // The rest of the frame is still drawn, with the origin one unit of the
    // old scale left of the old area: x = 198 - 6 * 34.5.
    EXPECT_EQ(form->Geometry().originX, -9.0f);
    EXPECT_FALSE(OfColour(frame, FeedbackPrimitive::Point, 1, 0, 0).empty());
}

TEST_F(Mapping, AViewWindowWiderThanThePixelsGivesScaleZero)
{
    SetViewWindow(form.get(), -500, 500, -3, 3);
    const auto frame = RecordFrame();
    EXPECT_EQ(form->Geometry().unitPixels, 0.0f);
    EXPECT_EQ(form->Geometry().plotWidthPixels, 0);
    const AreaRect area =
        CurrentArea({MainWindow::DesignedClientWidth, MainWindow::DesignedClientHeight}, form->Geometry());
    EXPECT_EQ(form->Geometry().originX, float(area.areaCenterX));
    EXPECT_EQ(form->Geometry().originY, float(area.areaMiddleY));
    // Every mark collapses onto the centre point.
    for (const FeedbackPrimitive &p : OfColour(frame, FeedbackPrimitive::Point, 0, 0, 1))
        EXPECT_EQ(p.vertices[0].x, float(area.areaCenterX));
}

TEST_F(Mapping, AClientAreaSmallerThanThePanelsDrawsWithScaleZero)
{
    form->resize(100, 100);
    QTest::qWait(20);
    form->Redraw();
    EXPECT_EQ(form->Geometry().unitPixels, 0.0f);
    form->resize(1091, 690);
    QTest::qWait(20);
    form->Redraw();
    EXPECT_EQ(form->Geometry().unitPixels, InitialUnit);
}

}  // namespace
