// The pedal curve's relatives against closed forms and classical facts, in
// both planes, without a window.
#include <cmath>
#include <gtest/gtest.h>

#include "maths/Curves.h"
#include "maths/Relatives.h"
#include "maths/TypedCurve.h"
#include "maths/TypedPedal.h"

namespace {

const double Pi = 3.14159265358979323846;

Scene SceneOf(Plane plane, double px, double py, float tMin = 0, float tMax = 6.2831855f)
{
    Scene scene;
    scene.plane = plane;
    scene.pedalX = float(px);
    scene.pedalY = float(py);
    scene.tMin = tMin;
    scene.tMax = tMax;
    return scene;
}

std::shared_ptr<const TypedCurve> Typed(const char *x, const char *y)
{
    const TypedCurveBuild build = BuildTypedCurve({TypedKind::Parametric, x, y, -1, 1});
    EXPECT_TRUE(build.curve) << build.error;
    return build.curve;
}

const double Ts[] = {-2.9, -1.7, -0.6, 0.45, 1.2, 2.3, 3.0};

TEST(Relatives, EvolutesOfTheEllipseParabolaAndHyperbola)
{
    // (2 cos t, sin t): ((a^2 - b^2)/a cos^3 t, (b^2 - a^2)/b sin^3 t).
    const CurveRow &ellipse = *CurveAt(1);
    const Scene euclidean = SceneOf(Plane::Euclidean, 0.3, -0.2);
    for (double t : Ts) {
        const RelativeSample e = RelativeAt(ellipse, euclidean, {RelativeKind::Evolute}, t);
        ASSERT_TRUE(e.defined);
        EXPECT_NEAR(e.x, 1.5 * std::pow(std::cos(t), 3), 1e-9) << t;
        EXPECT_NEAR(e.y, -3 * std::pow(std::sin(t), 3), 1e-9) << t;
    }
    // Its cusps stand at the ellipse's vertices.
    const std::vector<RelativePoint> samples = RelativeSamples(ellipse, euclidean, {RelativeKind::Evolute});
    const std::vector<double> cusps = SingularParameters(ellipse, euclidean, {RelativeKind::Evolute}, samples);
    ASSERT_EQ(cusps.size(), 4u);
    for (size_t k = 0; k < cusps.size(); ++k)
        EXPECT_NEAR(cusps[k], k * Pi / 2, 1e-9);

    // (t, t^2): (-4 t^3, 1/2 + 3 t^2).
    const auto parabola = Typed("t", "t^2");
    for (double t : Ts) {
        const RelativeSample e = RelativeAt(parabola->Row(), euclidean, {RelativeKind::Evolute}, t);
        EXPECT_NEAR(e.x, -4 * t * t * t, 1e-9 * (1 + std::abs(t * t * t)));
        EXPECT_NEAR(e.y, 0.5 + 3 * t * t, 1e-9 * (1 + t * t));
    }
    // In the Minkowski plane the hyperbola (cosh t, sinh t) has the origin as its evolute.
    for (double t : Ts) {
        const RelativeSample e =
            RelativeAt(*CurveAt(3), SceneOf(Plane::Minkowski, 0.3, 0.1), {RelativeKind::Evolute}, t);
        ASSERT_TRUE(e.defined);
        EXPECT_NEAR(std::hypot(e.x, e.y), 0, 1e-9 * std::cosh(t) * std::cosh(t)) << t;
    }
}

TEST(Relatives, CatacausticAndOrthotomicOfTheCircleFromAPointOnIt)
{
    // From P = (1, 0) the orthotomic is the cardioid (2 cos t - cos 2t, 2 sin t - sin 2t)
    // and the catacaustic a third of it, ((2 cos t + cos 2t) / 3, (2 sin t + sin 2t) / 3).
    const Scene scene = SceneOf(Plane::Euclidean, 1, 0);
    for (double t : Ts) {
        const RelativeSample o = RelativeAt(*CurveAt(0), scene, {RelativeKind::Orthotomic}, t);
        EXPECT_NEAR(o.x, 2 * std::cos(t) - std::cos(2 * t), 1e-9);
        EXPECT_NEAR(o.y, 2 * std::sin(t) - std::sin(2 * t), 1e-9);
        const RelativeSample k = RelativeAt(*CurveAt(0), scene, {RelativeKind::Catacaustic}, t);
        EXPECT_NEAR(k.x, (2 * std::cos(t) + std::cos(2 * t)) / 3, 1e-9) << t;
        EXPECT_NEAR(k.y, (2 * std::sin(t) + std::sin(2 * t)) / 3, 1e-9) << t;
    }
    const RelativeSample far = RelativeAt(*CurveAt(0), scene, {RelativeKind::Catacaustic}, Pi);
    EXPECT_NEAR(far.x, -1.0 / 3, 1e-12);
    // Its cusp is P itself, where the curve meets P and the relative has no point.
    EXPECT_FALSE(RelativeAt(*CurveAt(0), scene, {RelativeKind::Catacaustic}, 0).defined);
    const RelativeSample near = RelativeAt(*CurveAt(0), scene, {RelativeKind::Catacaustic}, 1e-4);
    EXPECT_NEAR(near.x, 1, 1e-7);
}

TEST(Relatives, NegativePedalsOfALineAndACircle)
{
    // Of the x axis from P = (0, 1): the parabola y = x^2 / 4 (focus P, vertex tangent the line), at (2t, t^2).
    const auto line = Typed("t", "0");
    for (double t : Ts) {
        const RelativeSample z =
            RelativeAt(line->Row(), SceneOf(Plane::Euclidean, 0, 1), {RelativeKind::NegativePedal}, t);
        EXPECT_NEAR(z.x, 2 * t, 1e-9);
        EXPECT_NEAR(z.y, t * t, 1e-9);
    }
    // Of the unit circle from P = (0.5, 0): the ellipse with foci P and -P and major semi-axis 1.
    for (double t : Ts) {
        const RelativeSample z =
            RelativeAt(*CurveAt(0), SceneOf(Plane::Euclidean, 0.5, 0), {RelativeKind::NegativePedal}, t);
        EXPECT_NEAR(std::hypot(z.x - 0.5, z.y) + std::hypot(z.x + 0.5, z.y), 2, 1e-9) << t;
    }
}

SeriesPoint SeriesAt(const CurveRow &curve, double t, int order)
{
    const PlaneJet jet = JetAt(curve, t, order);
    SeriesPoint q;
    q.x.order = q.y.order = order;
    double factorial = 1;
    for (int k = 0; k <= order; ++k) {
        factorial *= k > 1 ? k : 1;
        q.x.c[size_t(k)] = jet.derivatives[size_t(k)].x / factorial;
        q.y.c[size_t(k)] = jet.derivatives[size_t(k)].y / factorial;
    }
    return q;
}

TEST(Relatives, IdentitiesInBothPlanes)
{
    const double px = 0.3, py = 0.2;
    int backAgain = 0;
    for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
        const Scene scene = SceneOf(plane, px, py);
        for (double t : Ts) {
            // The pedal curve of the negative pedal is the curve again.
            const SeriesPoint q = SeriesAt(*CurveAt(1), t, 3);
            const SeriesPoint z = RelativeOf(q, {RelativeKind::NegativePedal}, plane, px, py);
            const SeriesPoint back = PedalOf(z, plane, px, py);
            if (std::isfinite(back.x.c[0])) {
                ++backAgain;
                EXPECT_NEAR(back.x.c[0], q.x.c[0], 1e-9);
                EXPECT_NEAR(back.y.c[0], q.y.c[0], 1e-9);
            }
            // O = 2F - P and C = P + Q - F, with F by the foot's own formula.
            // F is kept in single precision: equal within its rounding.
            const PlaneJet d = JetAt(*CurveAt(1), t, 2);
            const CurveJet jet{true,
                               d.derivatives[0].x,
                               d.derivatives[0].y,
                               d.derivatives[1].x,
                               d.derivatives[1].y,
                               d.derivatives[2].x,
                               d.derivatives[2].y};
            const Foot f = FootOfJet(jet, plane, px, py);
            const RelativeSample o = RelativeAt(*CurveAt(1), scene, {RelativeKind::Orthotomic}, t);
            const RelativeSample c = RelativeAt(*CurveAt(1), scene, {RelativeKind::Contrapedal}, t);
            ASSERT_TRUE(f.hasPoint && o.defined && c.defined);
            const double tol = 2e-7 * (1 + std::hypot(f.x, f.y));
            EXPECT_NEAR(o.x, 2 * double(f.x) - px, tol);
            EXPECT_NEAR(o.y, 2 * double(f.y) - py, tol);
            EXPECT_NEAR(c.x, px + jet.x - double(f.x), tol);
            EXPECT_NEAR(c.y, py + jet.y - double(f.y), tol);
        }
    }
    EXPECT_GE(backAgain, 12);
}

TEST(Relatives, TheSecondPedalOfACircleFromAPointOnItIsCayleysSextic)
{
    // With P = (1, 0) as pole and the axis towards the centre: r = 4a cos^3(theta / 3)
    // with a = 1/2, that is 4 (X^2 + Y^2 - a X)^3 = 27 a^2 (X^2 + Y^2)^2 with X = 1 - x, Y = y.
    const Scene scene = SceneOf(Plane::Euclidean, 1, 0);
    for (double t : Ts) {
        const RelativeSample s = RelativeAt(*CurveAt(0), scene, {RelativeKind::IteratedPedal, 2}, t);
        ASSERT_TRUE(s.defined);
        const double x = 1 - s.x, y = s.y, rr = x * x + y * y;
        EXPECT_NEAR(4 * std::pow(rr - 0.5 * x, 3), 6.75 * rr * rr, 1e-9 * (1 + rr * rr)) << t;
    }
}

}  // namespace
