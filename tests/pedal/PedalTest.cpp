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
#include "app/Form1.h"
#include "app/PlotState.h"
#include "controls/Adapters.h"
#include "curves/Catalogue.h"
#include "curves/Sampling.h"
#include "pedal/Foot.h"
#include "pedal/Pedal.h"

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
        {"circle", 0, Plane::Euclidean, 0.0f, float(2 * Pi), 69, 62820},
        {"parabola", 2, Plane::Euclidean, -10.0f, 10.0f, 20, 199874},
        {"y=x^6", 7, Plane::Euclidean, -3.0f, 3.0f, 69, 60017},
        {"hyperbola, Minkowski", 3, Plane::Minkowski, -float(Pi), float(Pi), 10, 62851},
    };
    for (const PedalCountCase &c : cases) {
        Select(c.plane);
        plot.tMin = c.tMin;
        plot.tMax = c.tMax;
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
    plot.pedalX = 0.5f;
    plot.pedalY = -0.25f;
    plot.tMin = -1;
    plot.tMax = 1;
    SetScale(20);
    const auto primitives = Record(DrawPedalCurve, 3.0f);
    ASSERT_EQ(primitives.size(), size_t(ExactSampleCount(-1, 1)));
    float t = -1;
    for (size_t i = 0; i < primitives.size(); ++i, t = float(double(t) + 0.0001)) {
        if (i % 997 != 0)
            continue;
        ComputeFoot(3.0f, t);
        const WorldPoint w = ToWorld(primitives[i].vertices[0]);
        EXPECT_NEAR(w.x, plot.footX, 1e-4) << i;
        EXPECT_NEAR(w.y, plot.footY, 1e-4) << i;
    }
}

TEST_F(PedalCurveTest, NoCurveRepeatsTheLastFoot)
{
    plot.footX = 1.5f;
    plot.footY = -0.5f;
    const auto primitives = Record(DrawPedalCurve, -1.0f);
    ASSERT_EQ(primitives.size(), 62820u);
    for (const FeedbackPrimitive &p : primitives) {
        const WorldPoint w = ToWorld(p.vertices[0]);
        ASSERT_NEAR(w.x, 1.5, 1e-5);
        ASSERT_NEAR(w.y, -0.5, 1e-5);
    }
}

TEST_F(PedalCurveTest, LightlikeSampleRepeatsThePreviousFoot)
{
    // Parabola in the Minkowski plane: the first sample, t = 1, cannot be
    // divided; it shows the foot left before, the next one its own.
    Select(Plane::Minkowski);
    plot.pedalX = 0;
    plot.pedalY = 0.5f;
    plot.footX = 2.0f;
    plot.footY = 1.0f;
    plot.tMin = 1;
    plot.tMax = float(1.00015);
    const auto primitives = Record(DrawPedalCurve, 2.0f);
    ASSERT_EQ(primitives.size(), 2u);
    const WorldPoint first = ToWorld(primitives[0].vertices[0]);
    const WorldPoint second = ToWorld(primitives[1].vertices[0]);
    EXPECT_NEAR(first.x, 2.0, 1e-5);
    EXPECT_NEAR(first.y, 1.0, 1e-5);
    ComputeFoot(2.0f, float(double(1.0f) + 0.0001));
    ASSERT_NE(plot.footDenominator, 0.0f);
    EXPECT_NEAR(second.x, plot.footX, 1e-4);
    EXPECT_NEAR(second.y, plot.footY, 1e-4);
    EXPECT_GT(std::hypot(second.x - 2.0, second.y - 1.0), 0.1);
}

TEST_F(PedalCurveTest, KeepsPointSizeAndRestoresTheMatrix)
{
    glPointSize(2.5f);
    plot.tMax = 0.5f;
    Record(DrawPedalCurve, 0.0f);
    GLfloat size, colour[4], matrix[16];
    glGetFloatv(GL_POINT_SIZE, &size);
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    EXPECT_EQ(size, 2.5f);
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
        plot.tMin = c.tMin;
        plot.tMax = c.tMax;
        Form1->TrackBar1->SetMin(-30000);
        Form1->TrackBar1->SetMax(30000);
        Form1->TrackBar1->SetPosition(c.position);
        Form1->CheckBox3->setChecked(true);
        Record(DrawPedalConstruction, 0.0f);
        EXPECT_EQ(Form1->TrackBar1->Min(), c.min) << c.what;
        EXPECT_EQ(Form1->TrackBar1->Max(), c.max) << c.what;
        EXPECT_EQ(Form1->TrackBar1->Position(), c.finalPosition) << c.what;
        EXPECT_EQ(plot.currentT, c.currentT) << c.what;
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
        plot.pedalX = c.px;
        plot.pedalY = c.py;
        plot.tMin = -5;
        plot.tMax = 5;
        Form1->TrackBar1->SetMin(-500);
        Form1->TrackBar1->SetMax(500);
        Form1->TrackBar1->SetPosition(c.position);
        Form1->CheckBox2->setChecked(c.box2);
        Form1->CheckBox3->setChecked(c.box3);
        Form1->CheckBox7->setChecked(c.box7);
        plot.currentT = 99;
        const auto primitives = Record(DrawPedalConstruction, c.curve);
        size_t points = 0, lines = 0;
        for (const FeedbackPrimitive &p : primitives) {
            points += p.kind == FeedbackPrimitive::Point;
            lines += p.kind == FeedbackPrimitive::Line;
        }
        EXPECT_EQ(points, c.points) << c.what;
        EXPECT_EQ(lines, c.lines) << c.what;
        EXPECT_EQ(plot.currentT, 1.0f) << c.what;  // re-derived in every case
    }
}

TEST_F(PedalConstructionTest, PointFootTangentAndPerpendicular)
{
    // y = x^3 from P = (0, 1) at t = 1: Q = (1, 1), V = (1, 3), F = (0.9, 0.7).
    plot.pedalX = 0;
    plot.pedalY = 1;
    plot.tMin = -5;
    plot.tMax = 5;
    SetScale(5);
    Form1->TrackBar1->SetPosition(100);
    Form1->CheckBox2->setChecked(true);
    const auto primitives = Record(DrawPedalConstruction, 4.0f);
    ASSERT_EQ(primitives.size(), 5u);
    const WorldPoint expected[5][2] = {
        {{1, 1}, {1, 1}},        // Q
        {{0.9, 0.7}, {0.9, 0.7}},  // F
        {{1, 1}, {11, 31}},      // Q + 10 V
        {{1, 1}, {-9, -29}},     // Q - 10 V
        {{0, 1}, {0.9, 0.7}},    // P to F
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
    // The perpendicular meets the tangent at a right angle.
    EXPECT_NEAR((0.9 - 0) * 1 + (0.7 - 1) * 3, 0.0, 1e-12);
}

TEST_F(PedalConstructionTest, CircleFromItsCentreShowsTheRadius)
{
    plot.tMin = 0;
    plot.tMax = float(2 * Pi);
    SetScale(10);
    Form1->TrackBar1->SetPosition(50);
    Form1->CheckBox2->setChecked(true);
    const auto primitives = Record(DrawPedalConstruction, 0.0f);
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

TEST_F(PedalConstructionTest, UndividableFootShowsTheLastTraceSample)
{
    // Parabola, Minkowski, t = 1: the construction's foot is the last foot of
    // the pedal curve drawn before it in the same frame.
    Select(Plane::Minkowski);
    plot.pedalX = 0.5f;
    plot.pedalY = -0.5f;
    plot.tMin = -10;
    plot.tMax = 10;
    SetScale(5);
    Form1->TrackBar1->SetMin(-1000);
    Form1->TrackBar1->SetMax(1000);
    Form1->TrackBar1->SetPosition(100);
    Form1->CheckBox3->setChecked(true);
    const auto trace = Record(DrawPedalCurve, 2.0f);
    ASSERT_FALSE(trace.empty());
    const auto construction = Record(DrawPedalConstruction, 2.0f);
    ASSERT_EQ(construction.size(), 2u);
    const WorldPoint last = ToWorld(trace.back().vertices[0]);
    const WorldPoint foot = ToWorld(construction[1].vertices[0]);
    EXPECT_NEAR(foot.x, last.x, 1e-4);
    EXPECT_NEAR(foot.y, last.y, 1e-4);
    const WorldPoint q = ToWorld(construction[0].vertices[0]);
    EXPECT_NEAR(q.x, 0.5, 1e-4);
    EXPECT_NEAR(q.y, 1.0, 1e-4);
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
    const double r = std::sqrt(0.6);
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
        {"y=x^3-2x, P = (0, 0)", 8, Plane::Euclidean, 0, 0, 0, 4, {0, 0}, {{-40, 30}, {40, -30}}},
        {"y=x^3-2x, P = (0, 0)", 8, Plane::Minkowski, 0, 0, 0, 4, {0, 0}, {{40, -20}, {-40, 20}}},
        {"curve 9 near +sqrt 0.6, P = (0, 0)",
         9,
         Plane::Euclidean,
         0,
         0,
         float(0.77),
         0.5,
         {r - 0.758, 0.087},
         {{r - 0.758 + 106.8, 332.487}, {r - 0.758 - 106.8, -332.313}}},
        {"curve 9 near -sqrt 0.6, P = (0, 0)",
         9,
         Plane::Minkowski,
         0,
         0,
         float(-0.77),
         2,
         {-r + 0.79196, -0.054 + 0.1473},
         {{-r + 0.79196 - 2.6, -0.054 + 0.1473 + 36.8}, {-r + 0.79196 + 2.6, -0.054 + 0.1473 - 36.8}}},
    };
    for (const SingularCase &c : cases) {
        Select(c.plane);
        plot.pedalX = c.px;
        plot.pedalY = c.py;
        plot.currentT = c.currentT;
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

// Case C with the coefficients of its table, for pedal points off the origin.
struct FlatPointRow {
    const char *what;
    Plane plane;
    int side;  // +1: t near +sqrt 0.6, -1: near -sqrt 0.6
    WorldPoint (*point)(double px, double py);
    WorldPoint (*direction)(double px, double py);
    double m;
};

TEST_F(SingularTangentsTest, CurveNineRowsForAnyPedalPoint)
{
    const FlatPointRow rows[] = {
        {"C+", Plane::Minkowski, 1,
         [](double px, double py) {
             return WorldPoint{std::sqrt(0.6) + 1.0358 * px + 0.19267 * py - 0.79196,
                               -0.054 - 0.1927 * px - 0.0358 * py + 0.1473};
         },
         [](double px, double py) { return WorldPoint{-4.814 * py - 0.26, 4.814 * px + 0.895 * py - 3.68}; },
         100},
        {"C+", Plane::Euclidean, 1,
         [](double px, double py) {
             return WorldPoint{std::sqrt(0.6) + 0.966 * px - 0.18 * py - 0.758, -0.18 * px + 0.033 * py + 0.087};
         },
         [](double px, double py) { return WorldPoint{1.6719 * px + 4.18 * py - 1.068, 4.18 * px - 1.614 * py - 3.324}; },
         100},
        {"C-", Plane::Minkowski, -1,
         [](double px, double py) {
             return WorldPoint{-std::sqrt(0.6) + 1.0358 * px - 0.19267 * py + 0.79196,
                               0.1927 * px - 0.054 - 0.0358 * py + 0.1473};
         },
         [](double px, double py) { return WorldPoint{4.814 * py + 0.26, -4.814 * px + 0.895 * py - 3.68}; },
         10},
        {"C-", Plane::Euclidean, -1,
         [](double px, double py) {
             return WorldPoint{-std::sqrt(0.6) + 0.966 * px + 0.18 * py + 0.758, 0.18 * px + 0.033 * py + 0.087};
         },
         [](double px, double py) { return WorldPoint{1.6719 * px - 4.18 * py + 1.068, -4.18 * px - 1.614 * py - 3.324}; },
         100},
    };
    const struct {
        float px, py;
    } pedals[] = {{2, -1.5f}, {-1.25f, 0.75f}};
    for (const FlatPointRow &row : rows) {
        Select(row.plane);
        for (const auto &p : pedals) {
            plot.pedalX = p.px;
            plot.pedalY = p.py;
            plot.currentT = float(row.side * 0.79);
            const WorldPoint s = row.point(p.px, p.py);
            const WorldPoint v = row.direction(p.px, p.py);
            const std::string what = std::string(row.what) + " " + Name(row.plane);
            // The point, at a fine scale.
            SetScale(69);
            const Drawn fine = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
            ASSERT_EQ(fine.points.size(), 1u) << what;
            EXPECT_NEAR(fine.points[0].x, s.x, 1e-5) << what;
            EXPECT_NEAR(fine.points[0].y, s.y, 1e-5) << what;
            // The whole line, at a scale that keeps it in view.
            SetScale(0.1f);
            const Drawn coarse = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
            ASSERT_EQ(coarse.segments.size(), 2u) << what;
            const WorldPoint ends[2] = {{s.x - row.m * v.x, s.y - row.m * v.y}, {s.x + row.m * v.x, s.y + row.m * v.y}};
            for (int i = 0; i < 2; ++i) {
                EXPECT_NEAR(coarse.segments[i].second.x, ends[i].x, 5e-3) << what << " end " << i;
                EXPECT_NEAR(coarse.segments[i].second.y, ends[i].y, 5e-3) << what << " end " << i;
            }
        }
    }
}

// Which case shows up for which selected parameter: C+ at positions 75 to 80,
// C- at -80 to -75, nothing just outside.
TEST_F(SingularTangentsTest, ParameterWindowsOfCurveNine)
{
    plot.pedalX = 0.25f;
    plot.pedalY = -0.5f;
    SetScale(0.5f);
    for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
        Select(plane);
        // The point each side draws, taken well inside its window.
        plot.currentT = float(0.78);
        const Drawn plusReference = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
        plot.currentT = float(-0.78);
        const Drawn minusReference = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
        ASSERT_EQ(plusReference.points.size(), 1u);
        ASSERT_EQ(minusReference.points.size(), 1u);
        ASSERT_GT(std::abs(plusReference.points[0].x - minusReference.points[0].x), 0.1);

        for (int position = 70; position <= 85; ++position) {
            const bool inside = position >= 75 && position <= 80;
            for (int side : {1, -1}) {
                plot.currentT = float(side * position * 0.01);
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
        {"y=x^3 at 0.01", 4, float(0.01)}, {"y=x^4 at 0.01", 5, float(0.01)},
        {"y=x^5 at 0.01", 6, float(0.01)}, {"y=x^6 at 0.01", 7, float(0.01)},
        {"y=x^3-2x at 0.01", 8, float(0.01)}, {"curve 9 at 0.01", 9, float(0.01)},
        {"y=x^3-2x at 0.77", 8, float(0.77)}, {"y=x^6 at 0.77", 7, float(0.77)},
        {"circle at 0", 0, 0}, {"ellipse at 0", 1, 0}, {"parabola at 0", 2, 0}, {"hyperbola at 0", 3, 0},
        {"circle at 0.77", 0, float(0.77)}, {"parabola at -0.77", 2, float(-0.77)},
        {"no curve at 0", -1, 0}, {"index 10 at 0", 10, 0},
    };
    for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
        Select(plane);
        for (float px : {0.0f, 1.0f}) {
            plot.pedalX = px;
            plot.pedalY = 0.5f;
            for (const auto &c : cases) {
                plot.currentT = c.currentT;
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
    plot.pedalX = 0.5f;
    plot.pedalY = 0.25f;
    plot.currentT = 0;
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
            plot.pedalX = p.px;
            plot.pedalY = p.py;
            plot.currentT = float(-0.78);
            const Drawn minus = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
            plot.pedalX = -p.px;
            plot.currentT = float(0.78);
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

struct ChordCase {
    float curve;
    Plane plane;
    float px, py;
    float h;          // parameter offset of the chord
    double tolerance; // radians
};

// Cases A and B: the drawn line is the limit of the chords of the pedal curve
// from S, F(h) - F(0), as computed by the foot routine (up to sign).
TEST_F(SingularTangentsTest, DirectionsAreLimitsOfPedalChords)
{
    const ChordCase cases[] = {
        {4, Plane::Euclidean, 1, 2, 0.01f, 0.01},      {4, Plane::Minkowski, 1, 2, 0.01f, 0.01},
        {4, Plane::Euclidean, -0.5f, 1.5f, 0.01f, 0.01}, {4, Plane::Minkowski, 2, -0.75f, 0.01f, 0.01},
        {5, Plane::Euclidean, 1, 2, 0.02f, 0.03},      {5, Plane::Minkowski, 1, 2, 0.02f, 0.03},
        {6, Plane::Euclidean, 0, 1, 0.01f, 0.02},      {6, Plane::Minkowski, 0, -2, 0.01f, 0.02},
        {7, Plane::Euclidean, 0, 1, 0.01f, 0.02},      {7, Plane::Minkowski, 0, 1.5f, 0.01f, 0.02},
        {9, Plane::Euclidean, 1, 2, 0.02f, 0.03},      {9, Plane::Minkowski, 1, 2, 0.02f, 0.03},
        {8, Plane::Euclidean, 1, 2, 0.01f, 0.02},      {8, Plane::Minkowski, 1, 2, 0.01f, 0.02},
        {8, Plane::Euclidean, -1, 0.5f, 0.01f, 0.02},  {8, Plane::Minkowski, 0.3f, -0.7f, 0.01f, 0.02},
    };
    SetScale(1);
    for (const ChordCase &c : cases) {
        Select(c.plane);
        plot.pedalX = c.px;
        plot.pedalY = c.py;
        plot.currentT = 0;
        const Drawn d = Collect(Record(DrawSingularTangents, c.curve), ToWorld);
        ASSERT_EQ(d.points.size(), 1u);
        ASSERT_GE(d.segments.size(), 1u);
        const double lx = d.segments[0].second.x - d.segments[0].first.x;
        const double ly = d.segments[0].second.y - d.segments[0].first.y;

        ComputeFoot(c.curve, 0.0f);
        const double x0 = plot.footX, y0 = plot.footY;
        // S is the foot at t = 0.
        EXPECT_NEAR(d.points[0].x, x0, 1e-3) << "curve " << c.curve << " " << Name(c.plane);
        EXPECT_NEAR(d.points[0].y, y0, 1e-3) << "curve " << c.curve << " " << Name(c.plane);
        for (float h : {c.h, -c.h}) {
            ComputeFoot(c.curve, h);
            const double angle = AngleBetweenLines(plot.footX - x0, plot.footY - y0, lx, ly);
            EXPECT_LT(angle, c.tolerance) << "curve " << c.curve << " " << Name(c.plane) << " h " << h;
        }
    }
}

// Case C: S is the foot at t = +-sqrt 0.6 to the precision of its
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
                plot.pedalX = p.px;
                plot.pedalY = p.py;
                plot.currentT = float(side * 0.78);
                const Drawn d = Collect(Record(DrawSingularTangents, 9.0f), ToWorld);
                ASSERT_EQ(d.points.size(), 1u);
                ComputeFoot(9.0f, float(side * std::sqrt(0.6)));
                const double tol = 2e-3 * (1 + std::abs(p.px) + std::abs(p.py));
                EXPECT_NEAR(d.points[0].x, plot.footX, tol) << Name(plane) << " side " << side << " P " << p.px << "," << p.py;
                EXPECT_NEAR(d.points[0].y, plot.footY, tol) << Name(plane) << " side " << side << " P " << p.px << "," << p.py;
            }
        }
    }
}

}  // namespace
