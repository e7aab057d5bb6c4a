// The curve catalogue: list texts, integer powers, curve numbers, positions,
// tangents, ranges and track-bar hundredths.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "maths/Curves.h"

namespace {

const double Pi = 3.14159265358979323846;

TEST(CurveList, TenEntriesInCatalogueOrder)
{
    const QStringList expected = {
        "Circle",         "Ellipse",        "Parabola",       "Hyperbola",         "Graph of y=x^3",
        "Graph of y=x^4", "Graph of y=x^5", "Graph of y=x^6", "Graph of y=x^3-2x", "Graph of y=1/6x^6-1/4x^4"};
    EXPECT_EQ(CurveNames(), expected);
    EXPECT_EQ(CurveNames().size(), CurveCount());
}

// 1 + 2^-12 is exact in single precision. Its square 1 + 2^-11 + 2^-24 is a tie
// and rounds to 1 + 2^-11; times x again gives 1 + 3*2^-12 + 2^-23 exactly.
// The cube rounded once would be 1 + 3*2^-12 + 2^-22 instead.
const float NearOne = float(1.0 + std::ldexp(1.0, -12));

struct PowerCase {
    const char *what;
    float x;
    int n;
    float expected;
};

TEST(RaiseToPower, Table)
{
    const PowerCase cases[] = {
        {"zero power of zero", 0.0f, 0, 1.0f},
        {"zero power of a negative number", -3.5f, 0, 1.0f},
        {"zero power of a large number", 1e30f, 0, 1.0f},
        {"negative power takes no factor", 2.0f, -3, 1.0f},
        {"negative power of zero", 0.0f, -1, 1.0f},
        {"first power", -1.25f, 1, -1.25f},
        {"odd power keeps the sign", -2.0f, 3, -8.0f},
        {"even power", -3.0f, 4, 81.0f},
        {"power of zero", 0.0f, 5, 0.0f},
        {"eleventh power", 2.0f, 11, 2048.0f},
        {"square rounded to even", NearOne, 2, float(1.0 + std::ldexp(1.0, -11))},
        {"each product rounded", NearOne, 3, float(1.0 + 3 * std::ldexp(1.0, -12) + std::ldexp(1.0, -23))},
    };
    for (const PowerCase &c : cases)
        EXPECT_EQ(RaiseToPower(c.x, c.n), c.expected) << c.what;
    // Rounding once would have given another value.
    EXPECT_NE(RaiseToPower(NearOne, 3), float(std::pow(double(NearOne), 3)));
}

TEST(CurveAt, OnlyTheListIndicesNameACurve)
{
    for (int index : {-1, 10, 11, -1000})
        EXPECT_EQ(CurveAt(index), nullptr) << index;
    for (int index = 0; index < CurveCount(); ++index)
        EXPECT_NE(CurveAt(index), nullptr) << index;
}

// The curve of a list index.
CurveKind Kind(int k)
{
    return CurveAt(k)->kind;
}

struct PositionCase {
    int k;
    float t;
    double x, y;    // from the curve's equation
    double vx, vy;  // from its derivative
};

TEST(CurvePosition, KnownPointsAndTangents)
{
    const PositionCase cases[] = {
        {0, 0.0f, 1, 0, 0, 1},      {1, 0.0f, 2, 0, 0, 1},    {2, 3.0f, 4.5, 3, 3, 1},
        {2, -1.0f, 0.5, -1, -1, 1}, {3, 0.0f, 1, 0, 0, 1},    {4, 2.0f, 2, 8, 1, 12},
        {5, -2.0f, -2, 16, 1, -32}, {6, -1.0f, -1, -1, 1, 5}, {7, 2.0f, 2, 64, 1, 192},
        {8, 2.0f, 2, 4, 1, 10},     {8, 1.0f, 1, -1, 1, 1},   {9, 2.0f, 2, 0.16667 * 64 - 4, 1, 24},
    };
    for (const PositionCase &c : cases) {
        const CurvePoint q = CurvePosition(Kind(c.k), c.t);
        const CurvePoint v = CurveTangent(Kind(c.k), c.t);
        EXPECT_EQ(q.x, float(c.x)) << "curve " << c.k << " t " << c.t;
        EXPECT_EQ(q.y, float(c.y)) << "curve " << c.k << " t " << c.t;
        EXPECT_EQ(v.x, float(c.vx)) << "curve " << c.k << " t " << c.t;
        EXPECT_EQ(v.y, float(c.vy)) << "curve " << c.k << " t " << c.t;
    }
}

TEST(CurvePosition, CurveNineUsesTheWrittenConstant)
{
    const float y = CurvePosition(Kind(9), 1.0f).y;
    EXPECT_EQ(y, float(0.16667 - 0.25));
    EXPECT_NE(y, float(1.0 / 6.0 - 0.25));
    EXPECT_NEAR(y, -0.08333, 1e-7);
}

TEST(CurvePosition, TrigonometryOfTheParameterWidened)
{
    // Circle and ellipse points for the single-precision 2 pi are not the
    // double-precision ones at 2 pi: sin of the stored t is about 1.7e-7.
    const float twoPi = float(2 * Pi);
    EXPECT_EQ(CurvePosition(Kind(0), twoPi).y, float(std::sin(double(twoPi))));
    EXPECT_GT(CurvePosition(Kind(0), twoPi).y, 1e-7f);
    EXPECT_EQ(CurvePosition(Kind(1), twoPi).y, CurvePosition(Kind(0), twoPi).y);
}

// The tangent of every curve is the derivative of its position: central
// differences of the position agree with it.
TEST(CurveTangent, IsTheDerivativeOfThePosition)
{
    const float ts[] = {-1.7f, -0.6f, 0.0f, 0.3f, 0.9f, 1.4f, 2.0f};
    const double h = 1e-3;
    for (int k = 0; k < CurveCount(); ++k) {
        for (float t : ts) {
            const CurvePoint ahead = CurvePosition(Kind(k), float(double(t) + h));
            const CurvePoint behind = CurvePosition(Kind(k), float(double(t) - h));
            const double step = double(float(double(t) + h)) - double(float(double(t) - h));
            const double dx = (double(ahead.x) - double(behind.x)) / step;
            const double dy = (double(ahead.y) - double(behind.y)) / step;
            const CurvePoint v = CurveTangent(Kind(k), t);
            const double scale =
                1 + std::hypot(double(v.x), double(v.y)) + std::hypot(double(ahead.x), double(ahead.y));
            EXPECT_NEAR(dx, v.x, 1e-3 * scale) << "curve " << k << " t " << t;
            EXPECT_NEAR(dy, v.y, 1e-3 * scale) << "curve " << k << " t " << t;
        }
    }
}

// The second derivative is the derivative of the program's tangent.
TEST(CurveSecondDerivative, IsTheDerivativeOfTheTangent)
{
    for (int k = 0; k < CurveCount(); ++k)
        for (double t : {-1.7, -0.6, 0.0, 0.3, 0.9, 1.4, 2.0}) {
            const CurvePoint ahead = CurveTangent(Kind(k), float(t + 1e-3)),
                             behind = CurveTangent(Kind(k), float(t - 1e-3));
            const double step = double(float(t + 1e-3)) - double(float(t - 1e-3));
            const PlaneVectorD a = CurveSecondDerivative(Kind(k), t);
            EXPECT_NEAR((double(ahead.x) - double(behind.x)) / step, a.x, 1e-3 * (1 + std::fabs(a.x))) << k << " " << t;
            EXPECT_NEAR((double(ahead.y) - double(behind.y)) / step, a.y, 1e-3 * (1 + std::fabs(a.y))) << k << " " << t;
        }
}

TEST(CurvePosition, ParabolaAndHyperbolaShapes)
{
    for (float t : {-7.5f, -1.0f, 0.25f, 4.0f}) {
        const CurvePoint p = CurvePosition(Kind(2), t);
        EXPECT_DOUBLE_EQ(double(p.x), double(t) * double(t) / 2) << t;  // opens to the right
        const CurvePoint h = CurvePosition(Kind(3), t);
        EXPECT_GE(h.x, 1.0f) << t;  // right branch only
        EXPECT_NEAR(double(h.x) * h.x - double(h.y) * h.y, 1.0, 1e-6 * h.x * h.x) << t;
    }
}

struct RangeCase {
    int listIndex;
    float tMin, tMax;
    int hundredthsMin, hundredthsMax;
};

TEST(CurveRange, RangesOfTheCurveList)
{
    const float twoPi = float(2 * Pi);
    const float pi = float(Pi);
    const RangeCase cases[] = {
        {0, 0.0f, twoPi, 0, 628},    {1, 0.0f, twoPi, 0, 628},    {2, -10.0f, 10.0f, -1000, 1000},
        {3, -pi, pi, -314, 314},     {4, -5.0f, 5.0f, -500, 500}, {5, -5.0f, 5.0f, -500, 500},
        {6, -5.0f, 5.0f, -500, 500}, {7, -3.0f, 3.0f, -300, 300}, {8, -5.0f, 5.0f, -500, 500},
        {9, -3.0f, 3.0f, -300, 300},
    };
    for (const RangeCase &c : cases) {
        const ParameterRange r = CurveRange(c.listIndex);
        EXPECT_TRUE(r.known) << c.listIndex;
        EXPECT_EQ(r.tMin, c.tMin) << c.listIndex;
        EXPECT_EQ(r.tMax, c.tMax) << c.listIndex;
        EXPECT_EQ(HundredthsOf(r.tMin), c.hundredthsMin) << c.listIndex;
        EXPECT_EQ(HundredthsOf(r.tMax), c.hundredthsMax) << c.listIndex;
    }
    EXPECT_EQ(double(CurveRange(0).tMax), 6.2831854820251465);
    EXPECT_EQ(double(CurveRange(3).tMax), 3.1415927410125732);
}

TEST(CurveRange, NoCurveKeepsTheRange)
{
    for (int index : {-1, 10, 11, 1000})
        EXPECT_FALSE(CurveRange(index).known) << index;
}

TEST(HundredthsOf, TruncatesTowardZero)
{
    const struct {
        float t;
        int expected;
    } cases[] = {
        {-1.999f, -199},
        {1.999f, 199},
        {0.0f, 0},
        {-0.009f, 0},
        {float(0.81), 81},
        {-1.0f, -100},
        // float(0.29) lies just below 0.29: 28.99999... truncates to 28.
        {float(0.29), 28},
        {-float(0.29), -28},
        {float(-3.1415927), -314},
        {300.0f, 30000},
        // Far beyond what a track bar holds: saturated, never undefined.
        {1e30f, INT_MAX},
        {-1e30f, INT_MIN},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HundredthsOf(c.t), c.expected) << c.t;
}

}  // namespace
