#include <GL/gl.h>
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowFixture.h"
#include "window/PictureBox.h"

namespace {

using Frame = WindowTest;

TEST_F(Frame, InitialFrameLayersInOrder)
{
    const auto frame = RecordFrame();
    ASSERT_FALSE(frame.empty());
    // White area first, the blue pedal point last.
    EXPECT_EQ(frame.front().kind, FeedbackPrimitive::Polygon);
    EXPECT_EQ(frame.front().vertices[0].r, 1.0f);
    EXPECT_EQ(frame.back().kind, FeedbackPrimitive::Point);
    EXPECT_EQ(frame.back().vertices[0].b, 1.0f);
    EXPECT_NEAR(frame.back().vertices[0].x, InitialOriginX, 1e-3);
    EXPECT_NEAR(frame.back().vertices[0].y, InitialOriginY, 1e-3);

    const auto green = OfColour(frame, FeedbackPrimitive::Point, 0, 0.45f, 0);
    const auto red = OfColour(frame, FeedbackPrimitive::Point, 1, 0, 0);
    EXPECT_EQ(green.size(), 62820u);
    EXPECT_EQ(red.size(), 62820u);
    // The grid comes before the curve, the curve before the pedal curve.
    auto firstWhere = [&](auto predicate) {
        return std::find_if(frame.begin(), frame.end(), predicate) - frame.begin();
    };
    const auto firstLine = firstWhere([](const FeedbackPrimitive &p) { return p.kind == FeedbackPrimitive::Line; });
    const auto firstGreen = firstWhere([](const FeedbackPrimitive &p) { return p.vertices[0].g == 0.45f; });
    const auto firstRed = firstWhere([](const FeedbackPrimitive &p) {
        return p.kind == FeedbackPrimitive::Point && p.vertices[0].r == 1.0f && p.vertices[0].g == 0.0f;
    });
    EXPECT_LT(firstLine, firstGreen);
    EXPECT_EQ(firstRed, firstGreen + 62820);
    for (const FeedbackPrimitive &p : red) {
        const float dx = p.vertices[0].x - InitialOriginX, dy = p.vertices[0].y - InitialOriginY;
        ASSERT_NEAR(std::hypot(dx, dy), InitialUnit, 0.01);
    }
}

TEST_F(Frame, InitialPictureAndStatusLabels)
{
    const QImage image = Grab();
    EXPECT_EQ(image.size(), QSize(791, 451));
    // Grey outside the drawing area, across the whole free area.
    for (QPoint p : {QPoint(0, 0), QPoint(100, 300), QPoint(700, 440), QPoint(790, 450), QPoint(197, 420)})
        EXPECT_EQ(PixelAt(image, p.x(), p.y()), (Rgb{240, 240, 240})) << p.x() << "," << p.y();
    // Red pixels lie on the circle of radius 69 around the origin (405, 207),
    // and the topmost red pixel is near t = pi/2, above the origin.
    int redPixels = 0, topY = 1000;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) == (Rgb{255, 0, 0})) {
                ++redPixels;
                const double r = std::hypot(x + 0.5 - InitialOriginX, y + 0.5 - InitialOriginY);
                EXPECT_NEAR(r, InitialUnit, 1.5);
                topY = std::min(topY, y);
            }
    EXPECT_GT(redPixels, 300);
    EXPECT_NEAR(topY, 138, 1.5);
    // The blue pedal point covers the origin.
    int bluePixels = 0;
    for (int y = 204; y < 211; ++y)
        for (int x = 402; x < 409; ++x)
            bluePixels += PixelAt(image, x, y) == (Rgb{0, 0, 255});
    EXPECT_GE(bluePixels, 4);
    EXPECT_EQ(form->pedalPointValueLabel->text(), QStringLiteral("( 0 , 0 )"));
    EXPECT_EQ(form->selectedTValueLabel->text(), QStringLiteral(" t = 0"));
}

TEST_F(Frame, ProjectionCoversTheClientArea)
{
    form->resize(1200, 800);
    QTest::qWait(20);
    form->Redraw();
    form->Picture->makeCurrent();
    auto corner = RecordFeedback(
        [&] {
            glBegin(GL_POINTS);
            glVertex2f(form->ClientWidth() - 1, form->ClientHeight() - 1);
            glEnd();
        },
        form->Picture->height());
    form->Picture->doneCurrent();
    ASSERT_EQ(corner.size(), 1u);
    EXPECT_EQ(corner[0].vertices[0].x, 1199);
    EXPECT_EQ(corner[0].vertices[0].y, 799);

    // A point at (10, 10) lands on client pixel (10, 10).
    form->Picture->makeCurrent();
    glDisable(GL_POINT_SMOOTH);
    glPointSize(1);
    glColor3f(1, 0, 1);
    glBegin(GL_POINTS);
    glVertex2f(10.5f, 10.5f);
    glEnd();
    unsigned char pixel[4] = {};
    glReadPixels(10, form->Picture->height() - 1 - 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    form->Picture->doneCurrent();
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 0);
    EXPECT_EQ(pixel[2], 255);
}

TEST_F(Frame, ConstructionIsDrawnOnceWhateverBoxesAreChecked)
{
    form->selectedPointCheck->setChecked(true);
    const auto one = OfColour(RecordFrame(), FeedbackPrimitive::Point, 0.5f, 0.08f, 0.5f);
    form->animationCheck->setChecked(true);
    const auto two = OfColour(RecordFrame(), FeedbackPrimitive::Point, 0.5f, 0.08f, 0.5f);
    EXPECT_EQ(one.size(), 2u);
    EXPECT_EQ(two.size(), 2u);
}

TEST_F(Frame, LightlikeMarkersOnlyInTheMinkowskiPlane)
{
    // The markers are the red points between the curve and the pedal curve.
    auto markersAfterTheCurve = [&] {
        const auto frame = RecordFrame();
        std::vector<FeedbackVertex> markers;
        bool afterCurve = false;
        for (const FeedbackPrimitive &p : frame) {
            if (p.kind != FeedbackPrimitive::Point)
                continue;
            const FeedbackVertex &v = p.vertices[0];
            if (v.g == 0.45f) {
                afterCurve = true;
            } else if (afterCurve) {
                if (v.r != 1 || v.g != 0)
                    break;
                markers.push_back(v);
            }
        }
        return markers;
    };
    const auto euclidean = markersAfterTheCurve();
    ASSERT_EQ(euclidean.size(), 62820u);  // only the pedal curve, from t = 0
    EXPECT_NEAR(euclidean[0].x, 474, 1e-3);
    form->scene.plane = Plane::Minkowski;
    // Then four markers come first (far pedal points are clipped away).
    const auto minkowski = markersAfterTheCurve();
    ASSERT_GT(minkowski.size(), 4u);
    const float d = 0.70710677f * InitialUnit;
    const float expected[4][2] = {{d, -d}, {-d, -d}, {-d, d}, {d, d}};  // 45, 135, 225, 315 degrees
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(minkowski[i].x - InitialOriginX, expected[i][0], 1e-3);
        EXPECT_NEAR(minkowski[i].y - InitialOriginY, expected[i][1], 1e-3);
    }
}

TEST_F(Frame, ResizesRenewTheFontInTheSameListNames)
{
    const unsigned base = form->fontListBase;
    ASSERT_NE(base, 0u);
    for (int i = 0; i < 30; ++i) {
        form->resize(1091 + (i % 7) * 13, 690 + (i % 5) * 11);
        QTest::qWait(1);
    }
    form->resize(1091, 690);
    QTest::qWait(20);
    EXPECT_EQ(form->fontListBase, base);
    form->Picture->makeCurrent();
    EXPECT_TRUE(glIsList(base + 48));    // "0"
    EXPECT_FALSE(glIsList(base + 256));  // nothing beyond the font's block
    form->Picture->doneCurrent();
    // The labels are still drawn after all those rebuilds.
    const QImage image = Grab();
    int black = 0;
    for (int y = 420; y <= 431; ++y)
        for (int x = 400; x <= 409; ++x)
            black += PixelAt(image, x, y) == (Rgb{0, 0, 0});
    EXPECT_GT(black, 8);
}

}  // namespace
