// The foot of the perpendicular from P onto a tangent line, in both planes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "maths/Foot.h"

namespace {

const char *Name(Plane plane)
{
    return plane == Plane::Euclidean ? "Euclidean" : "Minkowski";
}

// The foot on the tangent of the curve with list index k.
Foot FootOf(int k, Plane plane, float px, float py, float t)
{
    return ComputeFoot(CurveAt(k)->kind, plane, px, py, t);
}

struct KnownCase {
    const char *what;
    int curve;
    Plane plane;
    float px, py, t;
    float numerator, denominator;
    bool footWritten;
    double footX, footY;
};

TEST(ComputeFoot, KnownFeet)
{
    const KnownCase cases[] = {
        {"y=x^3 from (0, 1)", 4, Plane::Euclidean, 0, 1, 1, -1, 10, true, 0.9, 0.7},
        {"y=x^3 from (0, 1)", 4, Plane::Minkowski, 0, 1, 1, -1, -8, true, 1.125, 1.375},
        {"y=x^3-2x from the origin", 8, Plane::Euclidean, 0, 0, 1, 0, 2, true, 1, -1},
        {"circle from the origin", 0, Plane::Euclidean, 0, 0, 0, 0, 1, true, 1, 0},
        {"circle, foot on the tangent at (0, 1)", 0, Plane::Euclidean, 3, 5, float(M_PI / 2), -3, 1, true, 3, 1},
        {"parabola at its vertex from (2, 0)", 2, Plane::Euclidean, 2, 0, 0, 0, 1, true, 0, 0},
        {"hyperbola vertex from (0, 1)", 3, Plane::Minkowski, 0, 1, 0, -1, -1, true, 1, 1},
        // Lightlike tangents: numerator and denominator, no foot.
        {"parabola at t = 1", 2, Plane::Minkowski, 0.5f, 0.25f, 1, 0.75f, 0, false, 0, 0},
        {"parabola at t = -1", 2, Plane::Minkowski, 0, 0, -1, -0.5f, 0, false, 0, 0},
        {"y=x^3-2x at t = 1", 8, Plane::Minkowski, 0, 0, 1, -2, 0, false, 0, 0},
        {"y=x^3-2x at t = -1", 8, Plane::Minkowski, 1, 0, -1, 3, 0, false, 0, 0},
    };
    for (const KnownCase &c : cases) {
        const Foot foot = FootOf(c.curve, c.plane, c.px, c.py, c.t);
        EXPECT_FLOAT_EQ(foot.numerator, c.numerator) << c.what << ", " << Name(c.plane);
        EXPECT_FLOAT_EQ(foot.denominator, c.denominator) << c.what << ", " << Name(c.plane);
        EXPECT_EQ(foot.hasPoint, c.footWritten) << c.what << ", " << Name(c.plane);
        if (c.footWritten) {
            EXPECT_NEAR(foot.x, c.footX, 1e-6) << c.what << ", " << Name(c.plane);
            EXPECT_NEAR(foot.y, c.footY, 1e-6) << c.what << ", " << Name(c.plane);
        }
    }
}

TEST(ComputeFoot, CircleFromItsCentreGivesTheCurvePoint)
{
    for (float t : {0.0f, 0.3f, 1.0f, 2.5f, 4.0f, 6.2831855f}) {
        const Foot foot = FootOf(0, Plane::Euclidean, 0, 0, t);
        EXPECT_EQ(foot.numerator, 0.0f) << t;
        EXPECT_NEAR(foot.x, std::cos(double(t)), 1e-7) << t;
        EXPECT_NEAR(foot.y, std::sin(double(t)), 1e-7) << t;
    }
}

// Switching the plane changes the coefficient only: both feet lie on the same
// tangent line through the same curve point.
TEST(ComputeFoot, BothPlanesFootOnTheSameTangentLine)
{
    for (int k = 0; k < CurveCount(); ++k) {
        for (float t : {-0.8f, 0.35f, 1.2f}) {
            const CurvePoint q = CurvePosition(CurveAt(k)->kind, t);
            const CurvePoint v = CurveTangent(CurveAt(k)->kind, t);
            for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
                const Foot foot = FootOf(k, plane, 0.7f, -1.3f, t);
                const double dx = double(foot.x) - q.x;
                const double dy = double(foot.y) - q.y;
                const double scale = (1 + std::hypot(dx, dy)) * std::hypot(double(v.x), double(v.y));
                EXPECT_NEAR(dx * v.y - dy * v.x, 0.0, 1e-5 * scale)
                    << "curve " << k << " t " << t << " " << Name(plane);
            }
        }
    }
}

// An independent evaluation in double precision: Q, V from the curves'
// equations, lambda = <P - Q, V> / <V, V>, F = Q + lambda V.
struct Reference {
    double qx, qy, vx, vy;
};

Reference ReferenceCurve(int k, double t)
{
    switch (k) {
    case 0:
        return {std::cos(t), std::sin(t), -std::sin(t), std::cos(t)};
    case 1:
        return {2 * std::cos(t), std::sin(t), -2 * std::sin(t), std::cos(t)};
    case 2:
        return {t * t / 2, t, t, 1};
    case 3:
        return {std::cosh(t), std::sinh(t), std::sinh(t), std::cosh(t)};
    case 4:
    case 5:
    case 6:
    case 7: {
        const int n = k - 1;
        return {t, std::pow(t, n), 1, n * std::pow(t, n - 1)};
    }
    case 8:
        return {t, t * t * t - 2 * t, 1, 3 * t * t - 2};
    default:  // y = 0.16667 t^6 - 0.25 t^4 with its exact derivative t^5 - t^3
        return {t, 0.16667 * std::pow(t, 6) - 0.25 * std::pow(t, 4), 1, std::pow(t, 5) - std::pow(t, 3)};
    }
}

TEST(ComputeFoot, AgreesWithAnIndependentEvaluation)
{
    const float ts[] = {-1.9f, -1.1f, -0.45f, 0.0f, 0.2f, 0.75f, 1.3f, 2.1f};
    const struct {
        float px, py;
    } pedals[] = {{0.7f, -1.3f}, {-2.0f, 0.5f}, {0.0f, 0.0f}, {3.0f, 2.5f}};
    int compared = 0;
    for (int k = 0; k < CurveCount(); ++k) {
        for (Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
            const double sign = plane == Plane::Euclidean ? 1 : -1;
            for (const auto &p : pedals) {
                for (float t : ts) {
                    const Reference r = ReferenceCurve(k, double(t));
                    const double ux = p.px - r.qx, uy = p.py - r.qy;
                    const double numerator = ux * r.vx + sign * uy * r.vy;
                    const double denominator = r.vx * r.vx + sign * r.vy * r.vy;
                    const double vv = r.vx * r.vx + r.vy * r.vy;
                    if (std::abs(denominator) < 1e-2 * vv)
                        continue;  // nearly lightlike: the quotient is ill-conditioned
                    const double lambda = numerator / denominator;
                    // Size of what the stored single-precision values can carry.
                    const double magnitude = (std::abs(ux * r.vx) + std::abs(uy * r.vy)) / std::abs(denominator);
                    const double scale = 1 + std::hypot(r.qx, r.qy) + magnitude * std::sqrt(vv);

                    const Foot foot = FootOf(k, plane, p.px, p.py, t);
                    const char *plane_ = Name(plane);
                    EXPECT_NEAR(foot.x, r.qx + lambda * r.vx, 2e-6 * scale)
                        << "curve " << k << " " << plane_ << " t " << t << " P " << p.px << "," << p.py;
                    EXPECT_NEAR(foot.y, r.qy + lambda * r.vy, 2e-6 * scale)
                        << "curve " << k << " " << plane_ << " t " << t << " P " << p.px << "," << p.py;
                    EXPECT_NEAR(foot.numerator / foot.denominator, lambda, 2e-6 * (1 + magnitude))
                        << "curve " << k << " " << plane_ << " t " << t;
                    ++compared;
                }
            }
        }
    }
    EXPECT_GT(compared, 500);
}

}  // namespace
