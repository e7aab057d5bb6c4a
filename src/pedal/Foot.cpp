#include "pedal/Foot.h"

#include <cmath>

#include "app/PlotState.h"
#include "curves/Catalogue.h"

// Every curve has its own hand-expanded numerator <P - Q, V> and denominator
// <V, V> per plane; intermediates are double, stored results single.
// The Minkowski pair is written first and the Euclidean one after it, so the
// plane switches decide which pair stays.

namespace {

struct Pair {
    double numerator;
    double denominator;
};

void StoreQuotient(const Pair &minkowski, const Pair &euclidean)
{
    if (plot.minkowskiPlane) {
        plot.footNumerator = float(minkowski.numerator);
        plot.footDenominator = float(minkowski.denominator);
    }
    if (plot.euclideanPlane) {
        plot.footNumerator = float(euclidean.numerator);
        plot.footDenominator = float(euclidean.denominator);
    }
}

// The coefficient of V, from the two stored single-precision values.
double Lambda()
{
    return double(plot.footNumerator) / double(plot.footDenominator);
}

void Circle(double px, double py, float t)
{
    const double T = double(t);
    const double sn = std::sin(T);
    const double cs = std::cos(T);
    const double twoT = 2.0 * T;  // 2t, formed exactly
    StoreQuotient({-px * sn - py * cs + std::sin(twoT), -std::cos(twoT)},
                  {-px * sn + py * cs, 1.0});
    // No zero test: -cos 2t never vanishes at a single-precision t.
    const double lambda = Lambda();
    plot.footX = float(cs - sn * lambda);
    plot.footY = float(sn + cs * lambda);
}

void Ellipse(double px, double py, float t)
{
    const double T = double(t);
    const double sn = std::sin(T);
    const double cs = std::cos(T);
    StoreQuotient({-2.0 * px * sn - py * cs + 5.0 * sn * cs, 4.0 * sn * sn - cs * cs},
                  {-2.0 * px * sn + py * cs + 3.0 * sn * cs, 4.0 * sn * sn + cs * cs});
    if (plot.footDenominator == 0.0f)
        return;
    const double lambda = Lambda();
    plot.footX = float(2.0 * cs - 2.0 * sn * lambda);
    plot.footY = float(sn + cs * lambda);
}

void Parabola(double px, double py, float t)
{
    const double T = double(t);
    const double t3 = double(RaiseToPower(t, 3));
    StoreQuotient({px * T - py + 0.5 * (2.0 * T - t3), T * T - 1.0},
                  {px * T + py - 0.5 * (t3 + 2.0 * T), T * T + 1.0});
    if (plot.footDenominator == 0.0f)
        return;
    const double lambda = Lambda();
    plot.footX = float(0.5 * T * T + T * lambda);
    plot.footY = float(T + lambda);
}

void Hyperbola(double px, double py, float t)
{
    const double T = double(t);
    const double sh = std::sinh(T);
    const double ch = std::cosh(T);
    StoreQuotient({px * sh - py * ch, -1.0},
                  {px * sh + py * ch - 2.0 * sh * ch, ch * ch + sh * sh});
    if (plot.footDenominator == 0.0f)
        return;
    const double lambda = Lambda();
    plot.footX = float(ch + sh * lambda);
    plot.footY = float(sh + ch * lambda);
}

// y = t^n for n = 3..6: V = (1, n t^(n-1)).
void Monomial(int n, double px, double py, float t)
{
    const double T = double(t);
    const double c = double(n);
    const double tn = double(RaiseToPower(t, n));
    const double tn1 = double(RaiseToPower(t, n - 1));
    const double t2n1 = double(RaiseToPower(t, 2 * n - 1));
    const double t2n2 = double(RaiseToPower(t, 2 * n - 2));
    StoreQuotient({px - T - c * tn1 * py + c * t2n1, 1.0 - c * c * t2n2},
                  {px - T + c * tn1 * py - c * t2n1, c * c * t2n2 + 1.0});
    if (plot.footDenominator == 0.0f)
        return;
    const double lambda = Lambda();
    plot.footX = float(T + lambda);
    plot.footY = float(tn + c * tn1 * lambda);
}

// y = t^3 - 2t.
void CubicWithSlope(double px, double py, float t)
{
    const double T = double(t);
    const double t2 = double(RaiseToPower(t, 2));
    const double t3 = double(RaiseToPower(t, 3));
    const double t4 = double(RaiseToPower(t, 4));
    const double t5 = double(RaiseToPower(t, 5));
    StoreQuotient({px + 3.0 * T - 3.0 * t2 * py + 2.0 * py - 8.0 * t3 + 3.0 * t5,
                   -9.0 * t4 + 12.0 * t2 - 3.0},
                  {px - 5.0 * T + 3.0 * t2 * py - 2.0 * py + 8.0 * t3 - 3.0 * t5,
                   9.0 * t4 - 12.0 * t2 + 5.0});
    if (plot.footDenominator == 0.0f)
        return;
    const double lambda = Lambda();
    plot.footX = float(T + lambda);
    plot.footY = float(t3 - 2.0 * T + (3.0 * t2 - 2.0) * lambda);
}

// y = 0.16667 t^6 - 0.25 t^4, tangent (1, t^5 - t^3).
void Sextic(double px, double py, float t)
{
    const double T = double(t);
    const double t3 = double(RaiseToPower(t, 3));
    const double t4 = double(RaiseToPower(t, 4));
    const double t5 = double(RaiseToPower(t, 5));
    const double t6 = double(RaiseToPower(t, 6));
    const double t7 = double(RaiseToPower(t, 7));
    const double t9 = double(RaiseToPower(t, 9));
    const double t11 = double(RaiseToPower(t, 11));
    StoreQuotient({px - T + (t3 - t5) * py + 0.16667 * t11 - 0.41667 * t9 + 0.25 * t7,
                   1.0 - (t5 - t3) * (t5 - t3)},
                  {px - T + (t5 - t3) * py - 0.16667 * t11 + 0.41667 * t9 - 0.25 * t7,
                   (t5 - t3) * (t5 - t3) + 1.0});
    if (plot.footDenominator == 0.0f)
        return;
    const double lambda = Lambda();
    plot.footX = float(T + lambda);
    plot.footY = float(0.16667 * t6 - 0.25 * t4 + (t5 - t3) * lambda);
}

}  // namespace

void ComputeFoot(float curveIndex, float t)
{
    const double px = double(plot.pedalX);
    const double py = double(plot.pedalY);
    const int k = CurveNumber(curveIndex);
    switch (k) {
    case 0:
        Circle(px, py, t);
        break;
    case 1:
        Ellipse(px, py, t);
        break;
    case 2:
        Parabola(px, py, t);
        break;
    case 3:
        Hyperbola(px, py, t);
        break;
    case 4:
    case 5:
    case 6:
    case 7:
        Monomial(k - 1, px, py, t);
        break;
    case 8:
        CubicWithSlope(px, py, t);
        break;
    case 9:
        Sextic(px, py, t);
        break;
    default:
        break;  // no curve: nothing is written
    }
}
