#include "maths/Foot.h"

#include <cmath>

// Every curve has its own hand-expanded numerator <P - Q, V> and denominator
// <V, V> per plane; intermediates are double, stored results single.

namespace {

struct Pair {
    double numerator;
    double denominator;
};

// The pair of the plane, rounded to single precision as it is kept.
Foot Quotient(Plane plane, const Pair &minkowski, const Pair &euclidean)
{
    const Pair &pair = plane == Plane::Minkowski ? minkowski : euclidean;
    return {float(pair.numerator), float(pair.denominator), false, 0.0f, 0.0f};
}

// The coefficient of V, from the two single-precision values.
double Lambda(const Foot &foot)
{
    return double(foot.numerator) / double(foot.denominator);
}

Foot At(Foot foot, double x, double y)
{
    foot.hasPoint = true;
    foot.x = float(x);
    foot.y = float(y);
    return foot;
}

Foot Circle(Plane plane, double px, double py, float t)
{
    const double T = double(t);
    const double sn = std::sin(T);
    const double cs = std::cos(T);
    const double twoT = 2.0 * T;  // 2t, formed exactly
    const Foot foot =
        Quotient(plane, {-px * sn - py * cs + std::sin(twoT), -std::cos(twoT)}, {-px * sn + py * cs, 1.0});
    // No zero test: -cos 2t never vanishes at a single-precision t.
    const double lambda = Lambda(foot);
    return At(foot, cs - sn * lambda, sn + cs * lambda);
}

Foot Ellipse(Plane plane, double px, double py, float t)
{
    const double T = double(t);
    const double sn = std::sin(T);
    const double cs = std::cos(T);
    const Foot foot = Quotient(plane, {-2.0 * px * sn - py * cs + 5.0 * sn * cs, 4.0 * sn * sn - cs * cs},
                               {-2.0 * px * sn + py * cs + 3.0 * sn * cs, 4.0 * sn * sn + cs * cs});
    if (foot.denominator == 0.0f)
        return foot;
    const double lambda = Lambda(foot);
    return At(foot, 2.0 * cs - 2.0 * sn * lambda, sn + cs * lambda);
}

Foot Parabola(Plane plane, double px, double py, float t)
{
    const double T = double(t);
    const double t3 = double(RaiseToPower(t, 3));
    const Foot foot = Quotient(plane, {px * T - py + 0.5 * (2.0 * T - t3), T * T - 1.0},
                               {px * T + py - 0.5 * (t3 + 2.0 * T), T * T + 1.0});
    if (foot.denominator == 0.0f)
        return foot;
    const double lambda = Lambda(foot);
    return At(foot, 0.5 * T * T + T * lambda, T + lambda);
}

Foot Hyperbola(Plane plane, double px, double py, float t)
{
    const double T = double(t);
    const double sh = std::sinh(T);
    const double ch = std::cosh(T);
    const Foot foot =
        Quotient(plane, {px * sh - py * ch, -1.0}, {px * sh + py * ch - 2.0 * sh * ch, ch * ch + sh * sh});
    if (foot.denominator == 0.0f)
        return foot;
    const double lambda = Lambda(foot);
    return At(foot, ch + sh * lambda, sh + ch * lambda);
}

// y = t^n for n = 3..6: V = (1, n t^(n-1)).
Foot Monomial(Plane plane, int n, double px, double py, float t)
{
    const double T = double(t);
    const double c = double(n);
    const double tn = double(RaiseToPower(t, n));
    const double tn1 = double(RaiseToPower(t, n - 1));
    const double t2n1 = double(RaiseToPower(t, 2 * n - 1));
    const double t2n2 = double(RaiseToPower(t, 2 * n - 2));
    const Foot foot = Quotient(plane, {px - T - c * tn1 * py + c * t2n1, 1.0 - c * c * t2n2},
                               {px - T + c * tn1 * py - c * t2n1, c * c * t2n2 + 1.0});
    if (foot.denominator == 0.0f)
        return foot;
    const double lambda = Lambda(foot);
    return At(foot, T + lambda, tn + c * tn1 * lambda);
}

// y = t^3 - 2t.
Foot CubicWithSlope(Plane plane, double px, double py, float t)
{
    const double T = double(t);
    const double t2 = double(RaiseToPower(t, 2));
    const double t3 = double(RaiseToPower(t, 3));
    const double t4 = double(RaiseToPower(t, 4));
    const double t5 = double(RaiseToPower(t, 5));
    const Foot foot =
        Quotient(plane, {px + 3.0 * T - 3.0 * t2 * py + 2.0 * py - 8.0 * t3 + 3.0 * t5, -9.0 * t4 + 12.0 * t2 - 3.0},
                 {px - 5.0 * T + 3.0 * t2 * py - 2.0 * py + 8.0 * t3 - 3.0 * t5, 9.0 * t4 - 12.0 * t2 + 5.0});
    if (foot.denominator == 0.0f)
        return foot;
    const double lambda = Lambda(foot);
    return At(foot, T + lambda, t3 - 2.0 * T + (3.0 * t2 - 2.0) * lambda);
}

// y = 0.16667 t^6 - 0.25 t^4, tangent (1, t^5 - t^3).
Foot FlatSextic(Plane plane, double px, double py, float t)
{
    const double T = double(t);
    const double t3 = double(RaiseToPower(t, 3));
    const double t4 = double(RaiseToPower(t, 4));
    const double t5 = double(RaiseToPower(t, 5));
    const double t6 = double(RaiseToPower(t, 6));
    const double t7 = double(RaiseToPower(t, 7));
    const double t9 = double(RaiseToPower(t, 9));
    const double t11 = double(RaiseToPower(t, 11));
    const Foot foot = Quotient(
        plane, {px - T + (t3 - t5) * py + 0.16667 * t11 - 0.41667 * t9 + 0.25 * t7, 1.0 - (t5 - t3) * (t5 - t3)},
        {px - T + (t5 - t3) * py - 0.16667 * t11 + 0.41667 * t9 - 0.25 * t7, (t5 - t3) * (t5 - t3) + 1.0});
    if (foot.denominator == 0.0f)
        return foot;
    const double lambda = Lambda(foot);
    return At(foot, T + lambda, 0.16667 * t6 - 0.25 * t4 + (t5 - t3) * lambda);
}

}  // namespace

Foot ComputeFoot(CurveKind kind, Plane plane, float pedalX, float pedalY, float t)
{
    const double px = double(pedalX);
    const double py = double(pedalY);
    switch (kind) {
    case CurveKind::Circle:
        return Circle(plane, px, py, t);
    case CurveKind::Ellipse:
        return Ellipse(plane, px, py, t);
    case CurveKind::Parabola:
        return Parabola(plane, px, py, t);
    case CurveKind::Hyperbola:
        return Hyperbola(plane, px, py, t);
    case CurveKind::Cubic:
        return Monomial(plane, 3, px, py, t);
    case CurveKind::Quartic:
        return Monomial(plane, 4, px, py, t);
    case CurveKind::Quintic:
        return Monomial(plane, 5, px, py, t);
    case CurveKind::Sextic:
        return Monomial(plane, 6, px, py, t);
    case CurveKind::CubicWithSlope:
        return CubicWithSlope(plane, px, py, t);
    case CurveKind::FlatSextic:
        return FlatSextic(plane, px, py, t);
    case CurveKind::Typed:
        break;  // see TypedFootAt
    }
    return {0.0f, 0.0f, false, 0.0f, 0.0f};
}
