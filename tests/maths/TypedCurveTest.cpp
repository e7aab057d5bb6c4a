// Typed curves: their samples, lightlike and flat points, the feet of the
// pedal curve and the tangent lines drawn at its singular points.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "maths/Sampling.h"
#include "maths/TypedCurve.h"
#include "maths/TypedPedal.h"

namespace {

using Real = long double;
const Real Pi = 3.141592653589793238462643383279502884L;
const auto Parametric = TypedKind::Parametric, Graph = TypedKind::Graph, Polar = TypedKind::Polar;

struct RealPoint {
    Real x, y;
};
using CurveFormula = RealPoint (*)(Real);

// Closed forms of the typed curves below: position, and a tangent direction.
const CurveFormula Astroid = [](Real t) { return RealPoint{std::pow(std::cos(t), 3), std::pow(std::sin(t), 3)}; };
const CurveFormula Cycloid = [](Real t) { return RealPoint{t - std::sin(t), 1 - std::cos(t)}; };
const CurveFormula Circle = [](Real t) { return RealPoint{std::cos(t), std::sin(t)}; };
const CurveFormula CircleTangent = [](Real t) { return RealPoint{-std::sin(t), std::cos(t)}; };
const CurveFormula Parabola = [](Real t) { return RealPoint{t, t * t}; };
const CurveFormula ParabolaTangent = [](Real t) { return RealPoint{1, 2 * t}; };
const CurveFormula CubicWithSlope = [](Real x) { return RealPoint{x, x * x * x - 2 * x}; };
const CurveFormula CubicWithSlopeTangent = [](Real x) { return RealPoint{1, 3 * x * x - 2}; };
const CurveFormula SteepCubic = [](Real x) { return RealPoint{x, x + x * x * x / 3}; };
const CurveFormula Quartic = [](Real x) { return RealPoint{x, x * x * x * x}; };
const CurveFormula QuarticTangent = [](Real x) { return RealPoint{1, 4 * x * x * x}; };
const CurveFormula Sextic = [](Real x) { return RealPoint{x, std::pow(x, 6) / 6 - std::pow(x, 4) / 4}; };
const CurveFormula SexticTangent = [](Real x) { return RealPoint{1, std::pow(x, 5) - std::pow(x, 3)}; };
// (t^2, t^4) runs along the parabola y = x^2 and back; its tangent line at t has slope 2t^2.
const CurveFormula HalfParabola = [](Real t) { return RealPoint{t * t, t * t * t * t}; };
const CurveFormula HalfParabolaTangent = [](Real t) { return RealPoint{1, 2 * t * t}; };
// r = 2 cos t is the unit circle about (1, 0).
const CurveFormula PolarCircle = [](Real t) { return RealPoint{1 + std::cos(2 * t), std::sin(2 * t)}; };
const CurveFormula Lemniscate = [](Real t) {
    const Real r = std::sqrt(std::cos(2 * t));
    return RealPoint{r * std::cos(t), r * std::sin(t)};
};

std::shared_ptr<const TypedCurve> Build(const TypedCurveText &text)
{
    const TypedCurveBuild build = BuildTypedCurve(text);
    EXPECT_TRUE(build.curve) << text.first << " / " << text.second << ": " << build.error;
    return build.curve;
}

const char *Name(Plane plane)
{
    return plane == Plane::Euclidean ? "Euclidean" : "Minkowski";
}

TEST(TypedPedal, FeetOfHandMadeJets)
{
    // Q = 0, V = (1, 2), P = (3, 0): lambda = 3/5 (Euclidean) and 3/(1 - 4) (Minkowski).
    CurveJet jet{true, 0, 0, 1, 2, 0, 0};
    const Foot euclidean = FootOfJet(jet, Plane::Euclidean, 3, 0);
    const Foot minkowski = FootOfJet(jet, Plane::Minkowski, 3, 0);
    ASSERT_TRUE(euclidean.hasPoint && minkowski.hasPoint);
    EXPECT_NEAR(euclidean.x, 0.6, 1e-7);
    EXPECT_NEAR(euclidean.y, 1.2, 1e-7);
    EXPECT_NEAR(minkowski.x, -1, 1e-7);
    EXPECT_NEAR(minkowski.y, -2, 1e-7);
    // V = (1, -1) is lightlike: no foot in the Minkowski plane, lambda = 3/2 in the Euclidean one.
    jet.dy = -1;
    EXPECT_FALSE(FootOfJet(jet, Plane::Minkowski, 3, 0).hasPoint);
    EXPECT_NEAR(FootOfJet(jet, Plane::Euclidean, 3, 0).y, -1.5, 1e-7);
    jet.defined = false;
    EXPECT_FALSE(FootOfJet(jet, Plane::Euclidean, 3, 0).hasPoint);
}

TEST(TypedPedal, TypedCircleSeenFromAPointOnItGivesTheCardioid)
{
    const float twoPi = float(2 * Pi);
    const auto circle = Build({Parametric, "cos(t)", "sin(t)", 0, twoPi});
    ASSERT_TRUE(circle);
    const auto samples = circle->SamplesFor(0, twoPi);
    std::vector<float> trace;
    ForEachSample(0, twoPi, [&](float t) { trace.push_back(t); });
    ASSERT_EQ(samples->samples.size(), trace.size());
    for (size_t i = 0; i < trace.size(); ++i) {
        const TypedSample &sample = samples->samples[i];
        ASSERT_EQ(sample.t, trace[i]);
        const Real c = std::cos(Real(sample.t)), s = std::sin(Real(sample.t));
        const CurveJet &jet = sample.jet;
        ASSERT_TRUE(jet.defined);
        EXPECT_NEAR(jet.x, c, 1e-12);
        EXPECT_NEAR(jet.dy, c, 1e-12);
        EXPECT_NEAR(jet.ddy, -s, 1e-12);
        // P = (1, 0), V = (-sin t, cos t): <P - Q, V> = -sin t and <V, V> = 1 (Euclidean), so
        // F = Q - sin t V, the cardioid; Minkowski: <P - Q, V> = sin t (2 cos t - 1), <V, V> = -cos 2t.
        const Real cos2t = c * c - s * s;
        const Real lambdas[] = {-s, s * (2 * c - 1) / -cos2t};
        for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
            if (plane == Plane::Minkowski && std::fabs(cos2t) < 1e-3)
                continue;  // near the lightlike tangents the foot runs off to infinity
            const Real lambda = lambdas[plane == Plane::Minkowski];
            const Real fx = c - lambda * s, fy = s + lambda * c;
            const Foot foot = FootOfJet(jet, plane, 1, 0);
            const double tolerance = 1e-7 * std::max(Real(1), std::hypot(fx, fy));  // F is single precision
            ASSERT_TRUE(foot.hasPoint) << Name(plane) << " t = " << sample.t;
            EXPECT_NEAR(foot.x, fx, tolerance) << Name(plane) << " t = " << sample.t;
            EXPECT_NEAR(foot.y, fy, tolerance) << Name(plane) << " t = " << sample.t;
        }
    }
}

struct KnownZeros {
    const char *what;
    TypedCurveText text;
    std::vector<double> lightlike, flat;
    CurveFormula position;
};

void CheckZeros(const KnownZeros &c)
{
    SCOPED_TRACE(c.what);
    const auto curve = Build(c.text);
    ASSERT_TRUE(curve);
    const auto analysis = curve->SamplesFor(c.text.tMin, c.text.tMax);
    EXPECT_EQ(analysis->flat.size(), c.flat.size());
    for (size_t i = 0; i < std::min(c.flat.size(), analysis->flat.size()); ++i)
        EXPECT_NEAR(analysis->flat[i], c.flat[i], 1e-9) << "flat " << i;
    ASSERT_EQ(analysis->lightlike.size(), c.lightlike.size());
    ASSERT_EQ(analysis->lightlikePoints.size(), c.lightlike.size());
    for (size_t i = 0; i < c.lightlike.size(); ++i) {
        EXPECT_NEAR(analysis->lightlike[i], c.lightlike[i], 1e-9) << "lightlike " << i;
        const RealPoint q = c.position(c.lightlike[i]);
        EXPECT_NEAR(analysis->lightlikePoints[i].x, q.x, 1e-8) << "lightlike point " << i;
        EXPECT_NEAR(analysis->lightlikePoints[i].y, q.y, 1e-8) << "lightlike point " << i;
    }
}

TEST(TypedAnalysis, LightlikeAndFlatParametersOfKnownCurves)
{
    const double r3 = 1 / std::sqrt(3.0), r2 = 1 / std::sqrt(2.0), cubeRoot = std::cbrt(0.25);
    const float twoPi = float(2 * Pi), fourPi = float(4 * Pi), pi = float(Pi);
    const KnownZeros cases[] = {
        // V = 3 sin t cos t (-cos t, sin t): lightlike where cos^2 t = sin^2 t; x'^2 - y'^2 and
        // w = -9 sin^2 t cos^2 t also vanish at the cusps k pi/2, where V turns into the
        // non-lightlike (x'', y'') = 3 (-cos t, -sin t) and the tangent line turns at a finite rate.
        {"astroid",
         {Parametric, "cos(t)^3", "sin(t)^3", 0, twoPi},
         {Pi / 4, 3 * Pi / 4, 5 * Pi / 4, 7 * Pi / 4},
         {},
         Astroid},
        // x'^2 - y'^2 = 1 - (1 + x^2)^2 = -x^2 (2 + x^2) touches 0; w = y'' = 2x.
        {"y = x + x^3/3", {Graph, "x + x^3/3", "", -2, 2}, {0}, {0}, SteepCubic},
        // 4x^3 = +-1; w = 12x^2 touches 0.
        {"y = x^4", {Graph, "x^4", "", -2, 2}, {-cubeRoot, cubeRoot}, {0}, Quartic},
        // x'^2 - y'^2 = 2 cos t (cos t - 1) and w = cos t - 1; at the cusps 2k pi the tangent turns
        // into (x'', y'') = (0, 1), not lightlike, and x''y''' - y''x''' = -1.
        {"cycloid",
         {Parametric, "t - sin(t)", "1 - cos(t)", 0, fourPi},
         {Pi / 2, 3 * Pi / 2, 5 * Pi / 2, 7 * Pi / 2},
         {},
         Cycloid},
        // 3x^2 - 2 = +-1; w = 6x.
        {"y = x^3 - 2x", {Graph, "x^3 - 2*x", "", -2, 2}, {-1, -r3, r3, 1}, {0}, CubicWithSlope},
        // 4t^2 = 16t^6; w = 16t^3. At the cusp t = 0, (x'', y'') = (2, 0) is not lightlike, and
        // x''y''' - y''x''' = 0: the tangent line (slope 2t^2) stops turning there.
        {"(t^2, t^4)", {Parametric, "t^2", "t^4", -1.5f, 1.5f}, {-r2, r2}, {0}, HalfParabola},
        // (1 + cos 2t, sin 2t): lightlike where sin^2 2t = cos^2 2t.
        {"polar circle", {Polar, "2*cos(t)", "", 0, pi}, {Pi / 8, 3 * Pi / 8, 5 * Pi / 8, 7 * Pi / 8}, {}, PolarCircle},
        // r^2 = cos 2t: tangent angle 3t + pi/2, lightlike at pi/12 + k pi/6 where cos 2t > 0;
        // x'^2 - y'^2 tends to 3 at the ends of each loop; the curvature 3r never vanishes.
        {"lemniscate",
         {Polar, "sqrt(cos(2*t))", "", 0, twoPi},
         {Pi / 12, 11 * Pi / 12, 13 * Pi / 12, 23 * Pi / 12},
         {},
         Lemniscate},
    };
    for (const KnownZeros &c : cases)
        CheckZeros(c);
}

TEST(TypedAnalysis, LightlikePointsStopAtTheMarkerBudget)
{
    // The circle is lightlike at pi/4 + k pi/2: about 1273 times on [0, 2000].
    const auto circle = Build({Parametric, "cos(t)", "sin(t)", 0, 2000});
    ASSERT_TRUE(circle);
    const auto analysis = circle->SamplesFor(0, 2000);
    ASSERT_EQ(analysis->lightlike.size(), size_t(MaxMarkers));
    EXPECT_TRUE(std::is_sorted(analysis->lightlike.begin(), analysis->lightlike.end()));
    for (double s : analysis->lightlike) {
        const double k = std::round((s - Pi / 4) / (Pi / 2));
        EXPECT_NEAR(s, double(Pi / 4 + k * Pi / 2), 1e-9);
    }
}

TEST(TypedCurveSamples, UndefinedSamplesAreGaps)
{
    const float twoPi = float(2 * Pi);
    const auto lemniscate = Build({Polar, "sqrt(cos(2*t))", "", 0, twoPi});
    ASSERT_TRUE(lemniscate);
    int gaps = 0;
    for (const TypedSample &sample : lemniscate->SamplesFor(0, twoPi)->samples) {
        const double t = sample.t;
        const CurveJet &jet = sample.jet;
        ASSERT_EQ(jet.defined, std::cos(2 * t) > 0) << "t = " << t;
        gaps += !jet.defined;
        if (!jet.defined)
            continue;
        for (double value : {jet.x, jet.y, jet.dx, jet.dy, jet.ddx, jet.ddy})
            ASSERT_TRUE(std::isfinite(value)) << "t = " << t;
        const RealPoint q = Lemniscate(t);
        EXPECT_NEAR(jet.x, q.x, 1e-12);
        EXPECT_NEAR(jet.y, q.y, 1e-12);
    }
    EXPECT_GT(gaps, 0);
}

struct SingularPoint {
    const char *what;
    TypedCurveText text;
    float px, py;
    double s;  // where the pedal curve is singular
    CurveFormula position, direction;
};

// The foot of the perpendicular from P on the tangent line at t, in long double.
RealPoint FootAt(const SingularPoint &c, Plane plane, Real t)
{
    const RealPoint q = c.position(t), v = c.direction(t);
    const Real sign = plane == Plane::Minkowski ? -1 : 1;
    const Real lambda = ((c.px - q.x) * v.x + sign * (c.py - q.y) * v.y) / (v.x * v.x + sign * v.y * v.y);
    return {q.x + lambda * v.x, q.y + lambda * v.y};
}

double LineAngleDegrees(RealPoint a, RealPoint b)
{
    return double(std::atan2(std::fabs(a.x * b.y - a.y * b.x), std::fabs(a.x * b.x + a.y * b.y)) * 180 / Pi);
}

void CheckMarks(const SingularPoint &c, Plane plane)
{
    SCOPED_TRACE(std::string(c.what) + ", " + Name(plane));
    const double reach = 2;
    const auto curve = Build(c.text);
    ASSERT_TRUE(curve);
    const auto samples = curve->SamplesFor(c.text.tMin, c.text.tMax);
    const RealPoint foot = FootAt(c, plane, c.s);
    std::vector<RealPoint> chords;
    for (Real h : {1e-4L, -1e-4L}) {
        const RealPoint next = FootAt(c, plane, c.s + h);
        chords.push_back({next.x - foot.x, next.y - foot.y});
        ASSERT_GT(std::hypot(chords.back().x, chords.back().y), 1e-14);
    }
    for (double offset : {-0.025, 0.025}) {
        const auto marks = TypedSingularMarksAt(*curve, *samples, plane, c.px, c.py, float(c.s + offset), reach);
        ASSERT_EQ(marks.size(), 1u) << "t = s + " << offset;
        const SingularMark &mark = marks[0];
        EXPECT_NEAR(mark.x, foot.x, 1e-6);
        EXPECT_NEAR(mark.y, foot.y, 1e-6);
        ASSERT_EQ(mark.segments.size(), 2u);
        std::vector<RealPoint> arms;
        for (const WorldSegment &segment : mark.segments) {
            EXPECT_EQ(segment.x1, mark.x);
            EXPECT_EQ(segment.y1, mark.y);
            arms.push_back({Real(segment.x2) - segment.x1, Real(segment.y2) - segment.y1});
            EXPECT_NEAR(double(std::hypot(arms.back().x, arms.back().y)), reach, 1e-5);
            for (const RealPoint &chord : chords)
                EXPECT_LT(LineAngleDegrees(arms.back(), chord), 0.5);
        }
        EXPECT_LT(arms[0].x * arms[1].x + arms[0].y * arms[1].y, 0) << "one segment each way";
    }
    for (double offset : {-0.035, 0.035})
        EXPECT_TRUE(TypedSingularMarksAt(*curve, *samples, plane, c.px, c.py, float(c.s + offset), reach).empty());
}

TEST(TypedSingularMarks, SegmentsFollowTheLimitOfThePedalChords)
{
    const float pi = float(Pi);
    const SingularPoint cases[] = {
        {"inflection of y = x^3 - 2x",
         {Graph, "x^3 - 2*x", "", -2, 2},
         0.5f,
         1,
         0,
         CubicWithSlope,
         CubicWithSlopeTangent},
        {"flat vertex of y = x^4", {Graph, "x^4", "", -2, 2}, 0.5f, 1, 0, Quartic, QuarticTangent},
        {"inflection of y = x^6/6 - x^4/4",
         {Graph, "x^6/6 - x^4/4", "", -2, 2},
         -1,
         0.5f,
         std::sqrt(0.6),
         Sextic,
         SexticTangent},
        {"turning cusp of (t^2, t^4)",
         {Parametric, "t^2", "t^4", -1.5f, 1.5f},
         0.5f,
         1,
         0,
         HalfParabola,
         HalfParabolaTangent},
        {"circle through P", {Parametric, "cos(t)", "sin(t)", -pi, pi}, 1, 0, 0, Circle, CircleTangent},
        {"parabola through P", {Parametric, "t", "t^2", -2, 2}, 1, 1, 1, Parabola, ParabolaTangent},
    };
    for (const SingularPoint &c : cases) {
        for (Plane plane : {Plane::Euclidean, Plane::Minkowski})
            CheckMarks(c, plane);
    }
}

}  // namespace
