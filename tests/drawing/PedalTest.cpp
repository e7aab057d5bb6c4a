// The pedal curve, the construction at the selected point and the tangent
// lines at singular points, as OpenGL draws them: vertices and colours
// recorded in feedback mode, turned back into world points.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <QCheckBox>
#include <QTimer>
#include <cmath>
#include <vector>

#include "DrawingFixture.h"
#include "drawing/Pedal.h"
#include "maths/Curves.h"
#include "maths/Foot.h"
#include "maths/Sampling.h"
#include "window/MainWindow.h"
#include "window/controls/Adapters.h"

namespace {

const double Pi = 3.14159265358979323846;

// ---------------------------------------------------------------- pedal curve

using PedalCurveTest = DrawingTest;

struct PedalCountCase {
    const char *what;
    float curve;
    Plane plane;
    float tMin, tMax;
    float unit;
    size_t expected;
};

TEST_F(PedalCurveTest, OneRedPointPerSample)
{
    const PedalCountCase cases[] = {
        {"circle", 0, Plane::Euclidean, 0.0f, float(2 * Pi), InitialUnit, 62820},
        {"parabola", 2, Plane::Euclidean, -10.0f, 10.0f, 20, 199874},
        {"y=x^6", 7, Plane::Euclidean, -3.0f, 3.0f, InitialUnit, 60017},
        {"hyperbola, Minkowski", 3, Plane::Minkowski, -float(Pi), float(Pi), 10, 62851},
    };
    for (const PedalCountCase &c : cases) {
        Select(c.plane);
        scene.tMin = c.tMin;
        scene.tMax = c.tMax;
        SetScale(c.unit);
        const auto primitives = Record(DrawPedalCurve, c.curve);
        ASSERT_EQ(primitives.size(), c.expected) << c.what;
        size_t red = 0;
        for (const FeedbackPrimitive &p : primitives)
            red += p.kind == FeedbackPrimitive::Point && HasColour(p.vertices[0], 1, 0, 0);
        EXPECT_EQ(red, c.expected) << c.what;
    }
}

TEST_F(PedalCurveTest, CircleFromItsCentreIsTheCircle)
{
    const auto primitives = Record(DrawPedalCurve, 0.0f);
    ASSERT_EQ(primitives.size(), 62820u);
    for (const FeedbackPrimitive &p : primitives) {
        const WorldPoint w = ToWorld(p.vertices[0]);
        ASSERT_NEAR(std::hypot(w.x, w.y), 1.0, 2e-5);
    }
}

TEST_F(PedalCurveTest, EveryPointIsTheFootOfItsSample)
{
    // Hyperbola from P = (0.5, -0.25): check a few samples against the foot
    // computed for the parameter of that sample.
    scene.pedalX = 0.5f;
    scene.pedalY = -0.25f;
    scene.tMin = -1;
    scene.tMax = 1;
    SetScale(20);
    const auto primitives = Record(DrawPedalCurve, 3.0f);
    ASSERT_EQ(primitives.size(), size_t(ExactSampleCount(-1, 1)));
    float t = -1;
    for (size_t i = 0; i < primitives.size(); ++i, t = float(double(t) + 0.0001)) {
        if (i % 997 != 0)
            continue;
        const Foot foot = FootAtIndex(3.0f, t);
        const WorldPoint w = ToWorld(primitives[i].vertices[0]);
        EXPECT_NEAR(w.x, foot.x, 1e-4) << i;
        EXPECT_NEAR(w.y, foot.y, 1e-4) << i;
    }
}

// A sample without a foot repeats the trace's own last foot; before the
// trace has one, it draws nothing, whatever foot was computed before.
TEST_F(PedalCurveTest, ASampleWithoutAFootRepeatsOnlyThisTracesFoot)
{
    EXPECT_TRUE(Record(DrawPedalCurve, -1.0f).empty()) << "no curve";

    // Parabola in the Minkowski plane: t = 1 cannot be divided.
    Select(Plane::Minkowski);
    scene.pedalX = 0;
    scene.pedalY = 0.5f;
    scene.tMin = 1;
    scene.tMax = float(1.00015);
    const auto fromLightlike = Record(DrawPedalCurve, 2.0f);
    ASSERT_EQ(fromLightlike.size(), 1u) << "the first sample draws nothing";
    EXPECT_NEAR(ToWorld(fromLightlike[0].vertices[0]).x, FootAtIndex(2.0f, float(double(1.0f) + 0.0001)).x, 1e-4);

    // A foot computed elsewhere, (2, 1), has no way into the trace.
    Record(DrawPedalCurve, 0.0f);
    scene.tMin = 0.9999f;  // then 1 exactly, then 1.0001
    const auto acrossLightlike = Record(DrawPedalCurve, 2.0f);
    ASSERT_EQ(acrossLightlike.size(), 3u);
    const WorldPoint before = ToWorld(acrossLightlike[0].vertices[0]);
    const WorldPoint repeated = ToWorld(acrossLightlike[1].vertices[0]);
    EXPECT_NEAR(repeated.x, before.x, 1e-5);
    EXPECT_NEAR(repeated.y, before.y, 1e-5);
    EXPECT_GT(std::hypot(repeated.x - 2.0, repeated.y - 1.0), 0.1);
}

// The trace sets its own dots, whatever size was set before (a restored
// picture of the layers beneath sets none).
TEST_F(PedalCurveTest, SetsItsOwnPointSizeAndRestoresTheMatrix)
{
    glPointSize(2.5f);
    scene.tMax = 0.5f;
    Record(DrawPedalCurve, 0.0f);
    GLfloat size, colour[4], matrix[16];
    glGetFloatv(GL_POINT_SIZE, &size);
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    EXPECT_EQ(size, 1.1f);
    EXPECT_EQ(colour[0], 1.0f);
    EXPECT_EQ(colour[1], 0.0f);
    EXPECT_EQ(matrix[12], 0.0f);
    EXPECT_EQ(matrix[13], 0.0f);
}

// --------------------------------------------------------------- construction

using PedalConstructionTest = DrawingTest;

struct RangeCase {
    const char *what;
    float tMin, tMax;
    int position;  // given before the frame
    int min, max, finalPosition;
    float currentT;
};

TEST_F(PedalConstructionTest, TrackBarRangeAndSelectedParameter)
{
    const RangeCase cases[] = {
        {"default range", 0.0f, float(2 * Pi), 0, 0, 628, 0, 0.0f},
        {"hundredths truncated", -1.999f, 1.999f, 81, -199, 199, 81, float(0.81)},
        {"minus one", -3.0f, 3.0f, -100, -300, 300, -100, -1.0f},
        {"clamped to the new end", -3.0f, 3.0f, 600, -300, 300, 300, 3.0f},
        {"range below the old one", -10.0f, -5.0f, 0, -1000, -500, -500, -5.0f},
        {"one hundredth", 0.0f, 1.0f, 1, 0, 100, 1, float(0.01)},
    };
    for (const RangeCase &c : cases) {
        scene.tMin = c.tMin;
        scene.tMax = c.tMax;
        scene.track.SetMin(-30000);
        scene.track.SetMax(30000);
        scene.track.SetPosition(c.position);
        scene.Show("selectedPoint", true);
        RecordConstruction(0.0f);
        EXPECT_EQ(scene.track.min, c.min) << c.what;
        EXPECT_EQ(scene.track.max, c.max) << c.what;
        EXPECT_EQ(scene.track.position, c.finalPosition) << c.what;
        EXPECT_EQ(scene.currentT, c.currentT) << c.what;
    }
}

struct ConstructionCase {
    const char *what;
    float curve;
    Plane plane;
    float px, py;
    int position;
    bool box2, box3, box7;
    size_t points, lines;
};

TEST_F(PedalConstructionTest, WhatEachCheckBoxDraws)
{
    const ConstructionCase cases[] = {
        {"selected point", 4, Plane::Euclidean, 0, 1, 100, false, true, false, 2, 0},
        {"animation", 4, Plane::Euclidean, 0, 1, 100, false, false, true, 2, 0},
        {"tangent and normal", 4, Plane::Euclidean, 0, 1, 100, true, false, false, 2, 3},
        {"both", 4, Plane::Euclidean, 0, 1, 100, true, true, false, 4, 3},
        {"none", 4, Plane::Euclidean, 0, 1, 100, false, false, false, 0, 0},
        {"no curve", -1, Plane::Euclidean, 0, 1, 100, true, true, true, 0, 0},
    };
    for (const ConstructionCase &c : cases) {
        Select(c.plane);
        scene.pedalX = c.px;
        scene.pedalY = c.py;
        scene.tMin = -5;
        scene.tMax = 5;
        scene.track.SetMin(-500);
        scene.track.SetMax(500);
        scene.track.SetPosition(c.position);
        scene.Show("tangentAndNormal", c.box2);
        scene.Show("selectedPoint", c.box3);
        scene.animation = c.box7;
        scene.currentT = 99;
        const auto primitives = RecordConstruction(c.curve);
        size_t points = 0, lines = 0;
        for (const FeedbackPrimitive &p : primitives) {
            points += p.kind == FeedbackPrimitive::Point;
            lines += p.kind == FeedbackPrimitive::Line;
        }
        EXPECT_EQ(points, c.points) << c.what;
        EXPECT_EQ(lines, c.lines) << c.what;
        EXPECT_EQ(scene.currentT, 1.0f) << c.what;  // re-derived in every case
    }
}

TEST_F(PedalConstructionTest, PointFootTangentAndPerpendicular)
{
    // y = x^3 from P = (0, 1) at t = 1: Q = (1, 1), V = (1, 3), F = (0.9, 0.7).
    scene.pedalX = 0;
    scene.pedalY = 1;
    scene.tMin = -5;
    scene.tMax = 5;
    SetScale(5);
    scene.track.SetPosition(100);
    scene.Show("tangentAndNormal", true);
    const auto primitives = RecordConstruction(4.0f);
    ASSERT_EQ(primitives.size(), 5u);
    const WorldPoint expected[5][2] = {
        {{1, 1}, {1, 1}},          // Q
        {{0.9, 0.7}, {0.9, 0.7}},  // F
        {{1, 1}, {11, 31}},        // Q + 10 V
        {{1, 1}, {-9, -29}},       // Q - 10 V
        {{0, 1}, {0.9, 0.7}},      // P to F
    };
    const FeedbackPrimitive::Kind kinds[5] = {FeedbackPrimitive::Point, FeedbackPrimitive::Point,
                                              FeedbackPrimitive::Line, FeedbackPrimitive::Line,
                                              FeedbackPrimitive::Line};
    for (size_t i = 0; i < 5; ++i) {
        ASSERT_EQ(primitives[i].kind, kinds[i]) << i;
        for (size_t j = 0; j < primitives[i].vertices.size(); ++j) {
            const FeedbackVertex &v = primitives[i].vertices[j];
            const WorldPoint w = ToWorld(v);
            EXPECT_NEAR(w.x, expected[i][j].x, 1e-4) << i << "," << j;
            EXPECT_NEAR(w.y, expected[i][j].y, 1e-4) << i << "," << j;
            if (i < 4)
                EXPECT_TRUE(HasColour(v, 0.5, float(0.08), 0.5)) << i;
            else
                EXPECT_TRUE(HasColour(v, 0, 0, 1)) << i;
        }
    }
}

TEST_F(PedalConstructionTest, CircleFromItsCentreShowsTheRadius)
{
    scene.tMin = 0;
    scene.tMax = float(2 * Pi);
    SetScale(10);
    scene.track.SetPosition(50);
    scene.Show("tangentAndNormal", true);
    const auto primitives = RecordConstruction(0.0f);
    ASSERT_EQ(primitives.size(), 5u);
    const double t = double(float(0.5));
    const WorldPoint q = ToWorld(primitives[0].vertices[0]);
    const WorldPoint f = ToWorld(primitives[1].vertices[0]);
    EXPECT_NEAR(q.x, std::cos(t), 1e-4);
    EXPECT_NEAR(q.y, std::sin(t), 1e-4);
    EXPECT_NEAR(f.x, q.x, 1e-4);
    EXPECT_NEAR(f.y, q.y, 1e-4);
    for (int i : {2, 3}) {  // tangent halves of ten units each
        const WorldPoint a = ToWorld(primitives[i].vertices[0]);
        const WorldPoint b = ToWorld(primitives[i].vertices[1]);
        EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), 10.0, 1e-3) << i;
    }
    const WorldPoint p = ToWorld(primitives[4].vertices[0]);
    EXPECT_NEAR(std::hypot(p.x, p.y), 0.0, 1e-4);  // the radius from the centre
}

// Where the tangent is lightlike there is no foot: the construction shows Q
// and its tangent line, and nothing of an earlier sample's foot.
TEST_F(PedalConstructionTest, LightlikeTangentHasNoFoot)
{
    const struct {
        const char *what;
        float curve;
        float tMin, tMax;
        int position;
        WorldPoint q;
    } cases[] = {
        {"parabola at t = 1", 2, -10, 10, 100, {0.5, 1}},
        {"parabola at t = -1", 2, -10, 10, -100, {0.5, -1}},
        {"y=x^3-2x at t = 1", 8, -5, 5, 100, {1, -1}},
    };
    Select(Plane::Minkowski);
    scene.pedalX = 0.5f;
    scene.pedalY = -0.5f;
    SetScale(5);
    scene.Show("tangentAndNormal", true);
    scene.Show("selectedPoint", true);
    for (const auto &c : cases) {
        scene.tMin = c.tMin;
        scene.tMax = c.tMax;
        scene.track.SetMin(HundredthsOf(c.tMin));
        scene.track.SetMax(HundredthsOf(c.tMax));
        scene.track.SetPosition(c.position);
        ASSERT_FALSE(Record(DrawPedalCurve, c.curve).empty()) << c.what;  // leaves an earlier foot
        size_t points = 0, lines = 0;
        for (const FeedbackPrimitive &p : RecordConstruction(c.curve)) {
            for (const FeedbackVertex &v : p.vertices)
                EXPECT_FALSE(HasColour(v, 0, 0, 1)) << c.what << ": a perpendicular";
            if (p.kind == FeedbackPrimitive::Point) {
                ++points;
                EXPECT_NEAR(ToWorld(p.vertices[0]).x, c.q.x, 1e-4) << c.what;
                EXPECT_NEAR(ToWorld(p.vertices[0]).y, c.q.y, 1e-4) << c.what;
            }
            lines += p.kind == FeedbackPrimitive::Line;
        }
        EXPECT_EQ(points, 2u) << c.what;  // Q, for each of the two boxes
        EXPECT_EQ(lines, 2u) << c.what;   // the tangent's two halves
    }
}

// ---------------------------------------------------------- singular tangents

using SingularTangentsTest = DrawingTest;

struct Drawn {
    std::vector<WorldPoint> points;
    std::vector<std::pair<WorldPoint, WorldPoint>> segments;  // with positive length
    size_t degenerate = 0;                                    // zero-length segments
    bool allOrange = true;
};

Drawn Collect(const std::vector<FeedbackPrimitive> &primitives, WorldPoint (*toWorld)(const FeedbackVertex &))
{
    Drawn d;
    for (const FeedbackPrimitive &p : primitives) {
        for (const FeedbackVertex &v : p.vertices)
            d.allOrange = d.allOrange && std::abs(v.r - 1) < 1e-6 && std::abs(v.g - float(0.8)) < 1e-6 && v.b == 0;
        if (p.kind == FeedbackPrimitive::Point) {
            d.points.push_back(toWorld(p.vertices[0]));
        } else if (p.kind == FeedbackPrimitive::Line) {
            const WorldPoint a = toWorld(p.vertices[0]), b = toWorld(p.vertices[1]);
            if (std::hypot(b.x - a.x, b.y - a.y) < 1e-9)
                ++d.degenerate;
            else
                d.segments.push_back({a, b});
        }
    }
    return d;
}

struct SingularCase {
    const char *what;
    float curve;
    Plane plane;
    float px, py;
    float currentT;
    float unit;
    WorldPoint point;
    std::vector<WorldPoint> ends;  // every segment starts at the point
};

TEST_F(SingularTangentsTest, PointsAndTangentLines)
{
    const SingularCase cases[] = {
        {"y=x^3, P = (1, 2)", 4, Plane::Euclidean, 1, 2, 0, 4, {1, 0}, {{41, 20}, {-39, -20}}},
        {"y=x^3, P = (1, 2)", 4, Plane::Minkowski, 1, 2, 0, 4, {1, 0}, {{-39, 20}, {41, -20}}},
        {"y=x^4, P = (0, 0)", 5, Plane::Euclidean, 0, 0, 0, 4, {0, 0}, {{0, 20}, {0, -20}}},
        {"y=x^5, P = (0, 0)", 6, Plane::Minkowski, 0, 0, 0, 4, {0, 0}, {{0, 20}, {0, -20}}},
        {"y=x^6, P = (0, 0)", 7, Plane::Euclidean, 0, 0, 0, 4, {0, 0}, {{0, 20}, {0, -20}}},
        {"curve 9 at 0, P = (0, 0)", 9, Plane::Minkowski, 0, 0, 0, 4, {0, 0}, {{0, 20}, {0, -20}}},
        {"curve 9 at 0, P = (-1, 0.5)", 9, Plane::Euclidean, -1, 0.5f, 0, 4, {-1, 0}, {{9, -20}, {-11, 20}}},
        {"y=x^3-2x, P = (1, 2)", 8, Plane::Euclidean, 1, 2, 0, 1, {-0.6, 1.2}, {{-20.6, -108.8}, {19.4, 111.2}}},
        {"y=x^3-2x, P = (1, 2)",
         8,
         Plane::Minkowski,
         1,
         2,
         0,
         1,
         {-5.0 / 3, 10.0 / 3},
         {{-5.0 / 3 - 140, 10.0 / 3 + 130}, {-5.0 / 3 + 140, 10.0 / 3 - 130}}},
        {"y=x^3-2x, P = (0, 0)", 8, Plane::Euclidean, 0, 0, 0, 4, {0, 0}, {{40, 20}, {-40, -20}}},
        {"y=x^3-2x, P = (0, 0)", 8, Plane::Minkowski, 0, 0, 0, 4, {0, 0}, {{40, -20}, {-40, 20}}},
    };
    for (const SingularCase &c : cases) {
        Select(c.plane);
        scene.pedalX = c.px;
        scene.pedalY = c.py;
        scene.currentT = c.currentT;
        SetScale(c.unit);
        const Drawn d = Collect(Record(DrawSingularTangents, c.curve), ToWorld);
        const std::string what = std::string(c.what) + ", " + Name(c.plane);
        EXPECT_TRUE(d.allOrange) << what;
        ASSERT_EQ(d.points.size(), 1u) << what;
        const double tol = 2e-3 / c.unit + 1e-5;
        EXPECT_NEAR(d.points[0].x, c.point.x, tol) << what;
        EXPECT_NEAR(d.points[0].y, c.point.y, tol) << what;
        ASSERT_EQ(d.segments.size(), c.ends.size()) << what;
        for (size_t i = 0; i < c.ends.size(); ++i) {
            EXPECT_NEAR(d.segments[i].first.x, c.point.x, tol) << what << " segment " << i;
            EXPECT_NEAR(d.segments[i].first.y, c.point.y, tol) << what << " segment " << i;
            EXPECT_NEAR(d.segments[i].second.x, c.ends[i].x, 20 * tol) << what << " segment " << i;
            EXPECT_NEAR(d.segments[i].second.y, c.ends[i].y, 20 * tol) << what << " segment " << i;
        }
    }
}

// Which case shows up for which selected parameter: C+ at positions 75 to 80,
// C- at -80 to -75, nothing just outside.
TEST_F(SingularTangentsTest, ParameterWindowsOfCurveNine)
{
    scene.pedalX = 0.25f;
    scene.pedalY = -0.5f;
    SetScale(0.5f);
    for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
        Select(plane);
        // The point each side draws, taken well inside its window.
        scene.currentT = float(0.78);
        const Drawn plusReference = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
        scene.currentT = float(-0.78);
        const Drawn minusReference = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
        ASSERT_EQ(plusReference.points.size(), 1u);
        ASSERT_EQ(minusReference.points.size(), 1u);
        ASSERT_GT(std::abs(plusReference.points[0].x - minusReference.points[0].x), 0.1);

        for (int position = 70; position <= 85; ++position) {
            const bool inside = position >= 75 && position <= 80;
            for (int side : {1, -1}) {
                scene.currentT = float(side * position * 0.01);
                const Drawn d = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
                const std::string what = std::string(Name(plane)) + " position " + std::to_string(side * position);
                if (!inside) {
                    EXPECT_TRUE(d.points.empty()) << what;
                    EXPECT_TRUE(d.segments.empty()) << what;
                    continue;
                }
                ASSERT_EQ(d.points.size(), 1u) << what;
                EXPECT_EQ(d.segments.size(), 2u) << what;
                const WorldPoint expected = (side > 0 ? plusReference : minusReference).points[0];
                EXPECT_NEAR(d.points[0].x, expected.x, 1e-4) << what;
                EXPECT_NEAR(d.points[0].y, expected.y, 1e-4) << what;
            }
        }
    }
}

TEST_F(SingularTangentsTest, NothingOutsideTheCases)
{
    const struct {
        const char *what;
        float curve;
        float currentT;
    } cases[] = {
        {"y=x^3 at 0.01", 4, float(0.01)},
        {"y=x^4 at 0.01", 5, float(0.01)},
        {"y=x^5 at 0.01", 6, float(0.01)},
        {"y=x^6 at 0.01", 7, float(0.01)},
        {"y=x^3-2x at 0.01", 8, float(0.01)},
        {"curve 9 at 0.01", 9, float(0.01)},
        {"y=x^3-2x at 0.77", 8, float(0.77)},
        {"y=x^6 at 0.77", 7, float(0.77)},
        {"circle at 0", 0, 0},
        {"ellipse at 0", 1, 0},
        {"parabola at 0", 2, 0},
        {"hyperbola at 0", 3, 0},
        {"circle at 0.77", 0, float(0.77)},
        {"parabola at -0.77", 2, float(-0.77)},
        {"no curve at 0", -1, 0},
        {"index 10 at 0", 10, 0},
    };
    for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
        Select(plane);
        for (float px : {0.0f, 1.0f}) {
            scene.pedalX = px;
            scene.pedalY = 0.5f;
            for (const auto &c : cases) {
                scene.currentT = c.currentT;
                glColor3f(0, 0, 0);
                EXPECT_TRUE(Record(DrawSingularTangents, c.curve).empty()) << c.what << " " << Name(plane);
                GLfloat colour[4];
                glGetFloatv(GL_CURRENT_COLOR, colour);
                EXPECT_EQ(colour[0], 1.0f) << c.what;
                EXPECT_EQ(colour[1], float(0.8)) << c.what;
                EXPECT_EQ(colour[2], 0.0f) << c.what;
            }
        }
    }
}

TEST_F(SingularTangentsTest, CurveNineAtZeroIsCaseA)
{
    scene.pedalX = 0.5f;
    scene.pedalY = 0.25f;
    scene.currentT = 0;
    SetScale(4);
    const Drawn d = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
    ASSERT_EQ(d.points.size(), 1u);
    EXPECT_NEAR(d.points[0].x, 0.5, 1e-3);
    EXPECT_NEAR(d.points[0].y, 0.0, 1e-3);
}

// The two windows of curve 9 are mirror images: C- at (px, py) is C+ at
// (-px, py) reflected in the y axis.
TEST_F(SingularTangentsTest, MinusCaseMirrorsPlusCase)
{
    const struct {
        float px, py;
    } pedals[] = {{0, 0}, {1, 2}, {-0.5f, 0.3f}, {0.8f, -1.1f}};
    SetScale(0.25f);
    for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
        Select(plane);
        for (const auto &p : pedals) {
            scene.pedalX = p.px;
            scene.pedalY = p.py;
            scene.currentT = float(-0.78);
            const Drawn minus = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
            scene.pedalX = -p.px;
            scene.currentT = float(0.78);
            const Drawn plus = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
            ASSERT_EQ(minus.points.size(), 1u);
            ASSERT_EQ(plus.points.size(), 1u);
            ASSERT_EQ(minus.segments.size(), 2u);
            ASSERT_EQ(plus.segments.size(), 2u);
            EXPECT_NEAR(minus.points[0].x, -plus.points[0].x, 1e-2) << Name(plane);
            EXPECT_NEAR(minus.points[0].y, plus.points[0].y, 1e-2) << Name(plane);
            // Same line direction, mirrored.
            const auto direction = [](const std::pair<WorldPoint, WorldPoint> &s) {
                const double dx = s.second.x - s.first.x, dy = s.second.y - s.first.y;
                const double n = std::hypot(dx, dy);
                return WorldPoint{dx / n, dy / n};
            };
            const WorldPoint a = direction(minus.segments[1]);
            const WorldPoint b = direction(plus.segments[1]);
            EXPECT_NEAR(std::abs(-a.x * b.x + a.y * b.y), 1.0, 1e-6) << Name(plane) << " P " << p.px << "," << p.py;
        }
    }
}

// ------------------------------------------------ the mathematics of the cases

double AngleBetweenLines(double ax, double ay, double bx, double by)
{
    const double c = std::abs(ax * bx + ay * by) / (std::hypot(ax, ay) * std::hypot(bx, by));
    return std::acos(std::min(1.0, c));
}

// The graphs with singular pedal points, and their feet, worked out here in
// long double from y(t) and y'(t): F = Q + lambda V, lambda = <P - Q, V> / <V, V>.
struct GraphPoint {
    long double y, slope;
};

GraphPoint Graph(float curve, long double t)
{
    const long double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;
    if (curve == 8.0f)
        return {t3 - 2 * t, 3 * t2 - 2};
    if (curve == 9.0f)
        return {0.16667L * t5 * t - 0.25L * t4, t5 - t3};
    const int n = int(curve) - 1;  // y = t^n
    return {std::pow(t, n), n * std::pow(t, n - 1)};
}

struct LongPoint {
    long double x, y;
};

LongPoint PedalFoot(float curve, Plane plane, long double t, long double px, long double py)
{
    const GraphPoint g = Graph(curve, t);
    const long double sign = plane == Plane::Minkowski ? -1 : 1;
    const long double lambda = ((px - t) + sign * (py - g.y) * g.slope) / (1 + sign * g.slope * g.slope);
    return {t + lambda, g.y + lambda * g.slope};
}

// Every orange line is the pedal curve's tangent at its singular point: the
// limit of the chords F(t0 + h) - F(t0), for pedal points all over the view.
TEST_F(SingularTangentsTest, LinesFollowThePedalChords)
{
    const struct {
        float curve;
        float currentT;
        long double t0;
    } cases[] = {
        {4, 0, 0},
        {5, 0, 0},
        {6, 0, 0},
        {7, 0, 0},
        {9, 0, 0},
        {8, 0, 0},
        {9, float(0.78), std::sqrt(0.6L)},
        {9, float(-0.78), -std::sqrt(0.6L)},
    };
    const double halfDegree = 0.5 * Pi / 180;
    SetScale(1);
    for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
        Select(plane);
        for (const auto &c : cases) {
            for (int i = -6; i <= 6; ++i) {
                for (int j = -6; j <= 6; ++j) {
                    scene.pedalX = float(0.5 * i);
                    scene.pedalY = float(0.5 * j);
                    scene.currentT = c.currentT;
                    const Drawn d = Collect(Record(DrawSingularTangents, c.curve), ToWorld);
                    const std::string what = "curve " + std::to_string(int(c.curve)) + " t0 " +
                                             std::to_string(double(c.t0)) + " " + Name(plane) + " P " +
                                             std::to_string(0.5 * i) + "," + std::to_string(0.5 * j);
                    ASSERT_FALSE(d.segments.empty()) << what;
                    const double lx = d.segments[0].second.x - d.segments[0].first.x;
                    const double ly = d.segments[0].second.y - d.segments[0].first.y;
                    const LongPoint s = PedalFoot(c.curve, plane, c.t0, 0.5L * i, 0.5L * j);
                    for (long double h : {1e-3L, -1e-3L}) {
                        const LongPoint f = PedalFoot(c.curve, plane, c.t0 + h, 0.5L * i, 0.5L * j);
                        // The chord is tiny beside S: its length, not S, sets the scale.
                        const long double cx = f.x - s.x, cy = f.y - s.y, n = std::hypot(cx, cy);
                        EXPECT_LT(AngleBetweenLines(double(cx / n), double(cy / n), lx, ly), halfDegree) << what;
                    }
                }
            }
        }
    }
}

// Near t = +-sqrt 0.6: S is the foot there to the precision of its
// coefficients, for any pedal point.
TEST_F(SingularTangentsTest, CurveNinePointIsTheFootAtTheFlatPoint)
{
    const struct {
        float px, py;
    } pedals[] = {{0, 0}, {1, 2}, {-0.5f, 0.3f}, {0.8f, -1.1f}, {-2, -1}};
    SetScale(0.25f);
    for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
        Select(plane);
        for (const auto &p : pedals) {
            for (int side : {1, -1}) {
                scene.pedalX = p.px;
                scene.pedalY = p.py;
                scene.currentT = float(side * 0.78);
                const Drawn d = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
                ASSERT_EQ(d.points.size(), 1u);
                const Foot foot = FootAtIndex(9.0f, float(side * std::sqrt(0.6)));
                const double tol = 2e-3 * (1 + std::abs(p.px) + std::abs(p.py));
                EXPECT_NEAR(d.points[0].x, foot.x, tol)
                    << Name(plane) << " side " << side << " P " << p.px << "," << p.py;
                EXPECT_NEAR(d.points[0].y, foot.y, tol)
                    << Name(plane) << " side " << side << " P " << p.px << "," << p.py;
            }
        }
    }
}

}  // namespace
