// The curve trace and the lightlike markers, as OpenGL draws them: vertices
// and colours recorded in feedback mode, turned back into world points.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

#include "DrawingFixture.h"
#include "drawing/Trace.h"
#include "drawing/TracePoints.h"
#include "maths/Curves.h"
#include "maths/Sampling.h"
#include "window/MainWindow.h"

namespace {

const double Pi = 3.14159265358979323846;

using TraceCurveTest = DrawingTest;
using LightlikePointsTest = DrawingTest;

struct CountCase {
    int curve;
    float tMin, tMax;
    float unit;  // small enough that no point falls outside the viewport
    size_t expected;
};

TEST_F(TraceCurveTest, OneGreenPointPerSample)
{
    const CountCase cases[] = {
        {0, 0.0f, float(2 * Pi), InitialUnit, 62820},
        {1, 0.0f, float(2 * Pi), InitialUnit, 62820},
        {2, -10.0f, 10.0f, 6, 199874},
        {3, -float(Pi), float(Pi), 10, 62851},
        {8, -5.0f, 5.0f, 1, 100010},
        {9, -3.0f, 3.0f, 1, 60017},
    };
    for (const CountCase &c : cases) {
        scene.tMin = c.tMin;
        scene.tMax = c.tMax;
        SetScale(c.unit);
        const auto primitives = Record(TraceCurve, float(c.curve));
        ASSERT_EQ(primitives.size(), c.expected) << "curve " << c.curve;
        size_t green = 0;
        for (const FeedbackPrimitive &p : primitives) {
            if (p.kind == FeedbackPrimitive::Point && HasColour(p.vertices[0], 0, 0.45f, 0))
                ++green;
        }
        EXPECT_EQ(green, c.expected) << "curve " << c.curve;
    }
}

// A trace keeps exactly the points inside the area it is given, in order,
// however many draw calls carry them: the parabola at its default range runs
// far outside a picture-sized area.
TEST_F(TraceCurveTest, PointsOutsideTheSeenAreaAreLeftOut)
{
    scene.tMin = -10.0f;
    scene.tMax = 10.0f;
    TraceRoute route = Everywhere();
    route.seen = {0, 0, 791, 451};
    route.pointsPerDraw = 100;  // many draw calls: none loses or repeats a point
    const SeenArea &seen = route.seen;
    const std::vector<FeedbackPrimitive> all = Record(TraceCurve, 2.0f);
    const std::vector<FeedbackPrimitive> kept = Record([&] { TraceCurve(FrameFor(2.0f), route); });
    auto inside = [&](const FeedbackPrimitive &p) {
        const FeedbackVertex &v = p.vertices[0];
        return v.x >= seen.left && v.x <= seen.right && v.y >= seen.top && v.y <= seen.bottom;
    };
    auto positions = [](const std::vector<FeedbackPrimitive> &points) {
        std::vector<std::pair<float, float>> xy;
        for (const FeedbackPrimitive &p : points)
            xy.emplace_back(p.vertices[0].x, p.vertices[0].y);
        return xy;
    };
    std::vector<FeedbackPrimitive> expected;
    std::copy_if(all.begin(), all.end(), std::back_inserter(expected), inside);
    EXPECT_GT(expected.size(), 0u);
    EXPECT_LT(expected.size(), all.size());
    EXPECT_EQ(positions(kept), positions(expected));
}

// A thinned trace hands over a point only where it lies the spacing or more
// from the last one handed over, and each run between gaps keeps its first
// and last point, so a dropped point always lies next to a kept one.
TEST_F(TraceCurveTest, ThinningKeepsRunEndsAndPointsTheSpacingApart)
{
    TraceRoute route = Everywhere();
    route.spacing = 0.5;
    // A dense straight run, then after a gap a dense arc.
    std::vector<std::vector<std::pair<float, float>>> runs(2);
    for (int i = 0; i <= 1003; ++i)
        runs[0].emplace_back(100 + 0.003f * float(i), 100);
    for (int i = 0; i <= 2000; ++i)
        runs[1].emplace_back(float(300 + 40 * std::cos(0.0001 * i)), float(300 + 40 * std::sin(0.0001 * i)));
    const std::vector<FeedbackPrimitive> kept = Record([&] {
        TracePoints points(route, 0, 0);
        for (const auto &run : runs) {
            for (const auto &[x, y] : run)
                points.Add(x, y);
            points.Gap();
        }
    });
    auto distance = [](std::pair<float, float> a, std::pair<float, float> b) {
        return std::hypot(double(a.first) - double(b.first), double(a.second) - double(b.second));
    };
    // Feedback positions pass through the projection: equal within its rounding.
    auto same = [&](std::pair<float, float> a, std::pair<float, float> b) { return distance(a, b) < 1e-3; };
    std::size_t next = 0;
    for (const auto &run : runs) {
        std::vector<std::pair<float, float>> went;  // this run's points, the first run left of x = 200
        for (; next < kept.size() && (kept[next].vertices[0].x < 200) == (&run == &runs[0]); ++next)
            went.emplace_back(kept[next].vertices[0].x, kept[next].vertices[0].y);
        ASSERT_GE(went.size(), 3u);
        EXPECT_TRUE(same(went.front(), run.front()));
        EXPECT_TRUE(same(went.back(), run.back()));
        for (std::size_t k = 1; k + 1 < went.size(); ++k)
            EXPECT_GE(distance(went[k - 1], went[k]), 0.5 - 1e-3);
        // The kept points are the run's own, in order, and each dropped point
        // lies within the spacing of the last kept one.
        std::size_t lastKept = 0;
        for (const auto &point : run) {
            if (lastKept + 1 < went.size() && same(point, went[lastKept + 1])) {
                ++lastKept;
            } else if (!same(point, went[lastKept])) {
                EXPECT_LT(distance(point, went[lastKept]), 0.5 + 1e-3);
            }
        }
        EXPECT_EQ(lastKept + 1, went.size());
        // About one point per half pixel of the run's length, not one per sample.
        EXPECT_LT(went.size(), run.size() / 50);
    }
    EXPECT_EQ(next, kept.size());
}

TEST_F(TraceCurveTest, CircleClosesAroundTheOriginWithUpwardY)
{
    const auto primitives = Record(TraceCurve, 0.0f);
    ASSERT_EQ(primitives.size(), 62820u);
    EXPECT_EQ(at.originX, float(InitialOriginX));
    EXPECT_EQ(at.originY, float(InitialOriginY));
    double highest = 1e9;
    for (const FeedbackPrimitive &p : primitives) {
        const FeedbackVertex &v = p.vertices[0];
        EXPECT_NEAR(std::hypot(v.x - InitialOriginX, v.y - InitialOriginY), InitialUnit, 1e-3);
        highest = std::min(highest, double(v.y));
    }
    // t = pi/2 is unitPixels above the origin, not below it.
    EXPECT_NEAR(highest, InitialOriginY - InitialUnit, 1e-3);
    // The first sample is t = 0 at (1, 0), the next ones turn counter-clockwise.
    const WorldPoint first = ToWorld(primitives[0].vertices[0]);
    const WorldPoint later = ToWorld(primitives[1000].vertices[0]);
    EXPECT_NEAR(first.x, 1.0, 1e-5);
    EXPECT_NEAR(first.y, 0.0, 1e-5);
    EXPECT_GT(later.y, 0.0);
}

TEST_F(TraceCurveTest, ParabolaOpensToTheRight)
{
    scene.tMin = -10;
    scene.tMax = 10;
    SetScale(6);
    const auto primitives = Record(TraceCurve, 2.0f);
    ASSERT_EQ(primitives.size(), 199874u);
    const WorldPoint first = ToWorld(primitives.front().vertices[0]);
    const WorldPoint last = ToWorld(primitives.back().vertices[0]);
    EXPECT_NEAR(first.x, 50.0, 1e-4);
    EXPECT_NEAR(first.y, -10.0, 1e-4);
    EXPECT_NEAR(last.x, 50.0, 1e-2);
    EXPECT_NEAR(last.y, 10.0, 1e-3);
    for (const FeedbackPrimitive &p : primitives) {
        const WorldPoint w = ToWorld(p.vertices[0]);
        ASSERT_NEAR(w.x, w.y * w.y / 2, 1e-3 * (1 + w.x));
    }
}

TEST_F(TraceCurveTest, HyperbolaRightBranchOnly)
{
    scene.tMin = -float(Pi);
    scene.tMax = float(Pi);
    SetScale(10);
    for (const FeedbackPrimitive &p : Record(TraceCurve, 3.0f))
        ASSERT_GE(ToWorld(p.vertices[0]).x, 1.0 - 1e-4);
}

TEST_F(TraceCurveTest, CurveNineAtOneUsesTheWrittenConstant)
{
    scene.tMin = 1.0f;
    scene.tMax = float(1.00005);
    const auto primitives = Record(TraceCurve, 9.0f);
    ASSERT_EQ(primitives.size(), 1u);
    const WorldPoint w = ToWorld(primitives[0].vertices[0]);
    EXPECT_NEAR(w.x, 1.0, 1e-5);
    EXPECT_NEAR(w.y, -0.08333, 1e-5);
}

TEST_F(TraceCurveTest, ScaleFollowsTheFrameValues)
{
    SetScale(30);
    const auto primitives = Record(TraceCurve, 0.0f);
    ASSERT_FALSE(primitives.empty());
    for (const FeedbackPrimitive &p : primitives)
        ASSERT_NEAR(std::hypot(p.vertices[0].x - at.originX, p.vertices[0].y - at.originY), 30.0, 1e-3);
}

struct NothingCase {
    const char *what;
    float curve;
    float tMin, tMax;
};

TEST_F(TraceCurveTest, DrawsNothingButStillSetsTheState)
{
    const NothingCase cases[] = {
        {"no curve selected", -1.0f, 0.0f, float(2 * Pi)},
        {"index beyond the list", 10.0f, 0.0f, float(2 * Pi)},
        {"fractional index", 2.5f, -1.0f, 1.0f},
        {"empty range", 0.0f, 1.0f, 1.0f},
        {"reversed range", 4.0f, 2.0f, -2.0f},
    };
    for (const NothingCase &c : cases) {
        scene.tMin = c.tMin;
        scene.tMax = c.tMax;
        glColor3f(0.2f, 0.3f, 0.4f);
        glPointSize(7);
        glDisable(GL_POINT_SMOOTH);
        EXPECT_TRUE(Record(TraceCurve, c.curve).empty()) << c.what;
        GLfloat colour[4], size, matrix[16];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        glGetFloatv(GL_POINT_SIZE, &size);
        glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
        EXPECT_FLOAT_EQ(colour[0], 0) << c.what;
        EXPECT_FLOAT_EQ(colour[1], 0.45f) << c.what;
        EXPECT_FLOAT_EQ(colour[2], 0) << c.what;
        EXPECT_FLOAT_EQ(size, 1.1f) << c.what;
        EXPECT_TRUE(glIsEnabled(GL_POINT_SMOOTH)) << c.what;
        EXPECT_EQ(matrix[12], 0.0f) << c.what;  // translation undone
        EXPECT_EQ(matrix[13], 0.0f) << c.what;
    }
}

TEST_F(TraceCurveTest, HugeRangesDrawTheBudgetAndFinish)
{
    const NothingCase cases[] = {
        {"a million each way", 0.0f, -1e6f, 1e6f},
        {"past 2048", 0.0f, 2000.0f, 2100.0f},
        {"sixty units", 0.0f, 0.0f, 60.0f},
    };
    for (const NothingCase &c : cases) {
        scene.tMin = c.tMin;
        scene.tMax = c.tMax;
        const auto primitives = Record(TraceCurve, c.curve);
        ASSERT_EQ(int(primitives.size()), SampleBudget) << c.what;
        // Still points of the circle.
        const FeedbackVertex &v = primitives[SampleBudget / 3].vertices[0];
        EXPECT_NEAR(std::hypot(v.x - at.originX, v.y - at.originY), InitialUnit, 1e-3) << c.what;
    }
}

// Lightlike markers: red 4-pixel dots at fixed points, each gated by the range.
struct MarkerCase {
    const char *what;
    float curve;
    float tMin, tMax;
    std::vector<WorldPoint> expected;  // in drawing order
};

TEST_F(LightlikePointsTest, MarkersWithinTheRange)
{
    const double s = std::sqrt(0.5);
    const double r3 = 1 / std::sqrt(3.0);
    const MarkerCase cases[] = {
        {"circle, whole turn", 0, 0.0f, float(2 * Pi), {{s, s}, {-s, s}, {-s, -s}, {s, -s}}},
        {"circle, half turn", 0, 0.0f, float(Pi), {{s, s}, {-s, s}}},
        {"ellipse, whole turn",
         1,
         0.0f,
         float(2 * Pi),
         {{1.7888544, 0.4472136}, {-1.7888544, 0.4472136}, {-1.7888544, -0.4472136}, {1.7888544, -0.4472136}}},
        {"ellipse up to its first lightlike point", 1, 0.0f, 0.4636477f, {{1.7888544, 0.4472136}}},
        {"ellipse before the first gate", 1, 0.0f, 0.44f, {}},
        {"parabola from exactly -1", 2, -1.0f, 10.0f, {{0.5, -1}, {0.5, 1}}},
        {"parabola from just above -1", 2, std::nextafter(-1.0f, 0.0f), 10.0f, {{0.5, 1}}},
        {"parabola up to exactly 1", 2, -10.0f, 1.0f, {{0.5, -1}, {0.5, 1}}},
        {"hyperbola", 3, -float(Pi), float(Pi), {}},
        {"y=x^3 on 0..5", 4, 0.0f, 5.0f, {{0.57735, 0.19245}}},
        {"y=x^3 on -5..5", 4, -5.0f, 5.0f, {{-0.57735, -0.19245}, {0.57735, 0.19245}}},
        {"y=x^4", 5, -5.0f, 5.0f, {{-0.6299605, 0.1574901}, {0.6299605, 0.1574901}}},
        {"y=x^4 on 0.63..5", 5, 0.63f, 5.0f, {}},
        {"y=x^5", 6, -5.0f, 5.0f, {{-0.66874, -0.13375}, {0.66874, 0.13375}}},
        {"y=x^6", 7, -3.0f, 3.0f, {{-0.69883, 0.11647}, {0.69883, 0.11647}}},
        {"y=x^3-2x", 8, -5.0f, 5.0f, {{-1, 1}, {1, -1}, {-r3, 0.96225}, {r3, -0.96225}}},
        {"y=x^3-2x on 0.6..5", 8, 0.6f, 5.0f, {{1, -1}}},
        {"curve 9", 9, -3.0f, 3.0f, {{-1.23651, 0.01128}, {1.23651, 0.01128}}},
        {"curve 9 on -1..1", 9, -1.0f, 1.0f, {}},
        {"no curve", -1, -10.0f, 10.0f, {}},
    };
    for (const MarkerCase &c : cases) {
        scene.tMin = c.tMin;
        scene.tMax = c.tMax;
        glColor3f(0, 0, 1);
        const auto primitives = Record(DrawLightlikePoints, c.curve);
        ASSERT_EQ(primitives.size(), c.expected.size()) << c.what;
        for (size_t i = 0; i < primitives.size(); ++i) {
            const FeedbackVertex &v = primitives[i].vertices[0];
            EXPECT_EQ(primitives[i].kind, FeedbackPrimitive::Point) << c.what;
            EXPECT_TRUE(HasColour(v, 1, 0, 0)) << c.what;
            const WorldPoint w = ToWorld(v);
            EXPECT_NEAR(w.x, c.expected[i].x, 2e-5) << c.what << " marker " << i;
            EXPECT_NEAR(w.y, c.expected[i].y, 2e-5) << c.what << " marker " << i;
        }
        // Red is set even when nothing is drawn; the point size is back to 1.1.
        GLfloat colour[4], size;
        glGetFloatv(GL_CURRENT_COLOR, colour);
        glGetFloatv(GL_POINT_SIZE, &size);
        EXPECT_EQ(colour[0], 1.0f) << c.what;
        EXPECT_EQ(colour[1], 0.0f) << c.what;
        EXPECT_EQ(colour[2], 0.0f) << c.what;
        EXPECT_FLOAT_EQ(size, 1.1f) << c.what;
    }
}

// The mathematics behind the markers, from the derivatives written here:
// every marker stands where the tangent has |x'| = |y'|.
struct TangentOf {
    const char *what;
    float curve;
    float tMin, tMax;
    // Parameter of a marked point, and the tangent there.
    double (*parameter)(const WorldPoint &);
    WorldPoint (*tangent)(double t);
    size_t markers;
};

TEST_F(LightlikePointsTest, MarkersStandOnLightlikeTangents)
{
    const TangentOf cases[] = {
        {"circle", 0, 0.0f, float(2 * Pi), [](const WorldPoint &p) { return std::atan2(p.y, p.x); },
         [](double t) {
             return WorldPoint{-std::sin(t), std::cos(t)};
         },
         4},
        {"ellipse", 1, 0.0f, float(2 * Pi), [](const WorldPoint &p) { return std::atan2(p.y, p.x / 2); },
         [](double t) {
             return WorldPoint{-2 * std::sin(t), std::cos(t)};
         },
         4},
        {"y=x^4", 5, -5.0f, 5.0f, [](const WorldPoint &p) { return p.x; },
         [](double t) {
             return WorldPoint{1, 4 * t * t * t};
         },
         2},
        {"parabola", 2, -10.0f, 10.0f, [](const WorldPoint &p) { return p.y; },
         [](double t) {
             return WorldPoint{t, 1};
         },
         2},
        {"y=x^3", 4, -5.0f, 5.0f, [](const WorldPoint &p) { return p.x; },
         [](double t) {
             return WorldPoint{1, 3 * t * t};
         },
         2},
        {"y=x^5", 6, -5.0f, 5.0f, [](const WorldPoint &p) { return p.x; },
         [](double t) {
             return WorldPoint{1, 5 * std::pow(t, 4)};
         },
         2},
        {"y=x^6", 7, -3.0f, 3.0f, [](const WorldPoint &p) { return p.x; },
         [](double t) {
             return WorldPoint{1, 6 * std::pow(t, 5)};
         },
         2},
        {"y=x^3-2x", 8, -5.0f, 5.0f, [](const WorldPoint &p) { return p.x; },
         [](double t) {
             return WorldPoint{1, 3 * t * t - 2};
         },
         4},
        {"curve 9", 9, -3.0f, 3.0f, [](const WorldPoint &p) { return p.x; },
         [](double t) {
             return WorldPoint{1, std::pow(t, 5) - std::pow(t, 3)};
         },
         2},
    };
    for (const TangentOf &c : cases) {
        scene.tMin = c.tMin;
        scene.tMax = c.tMax;
        const auto primitives = Record(DrawLightlikePoints, c.curve);
        ASSERT_EQ(primitives.size(), c.markers) << c.what;
        for (const FeedbackPrimitive &p : primitives) {
            const double t = c.parameter(ToWorld(p.vertices[0]));
            const WorldPoint v = c.tangent(t);
            EXPECT_NEAR(std::abs(v.x), std::abs(v.y), 1e-4) << c.what << " at t = " << t;
        }
    }
}

}  // namespace
