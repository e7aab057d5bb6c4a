#include "curves/Catalogue.h"

#include <climits>
#include <cmath>

namespace {
// Single-precision 2 pi and pi: the range ends the curve list hands out.
constexpr float TwoPi = 6.2831854820251465f;
constexpr float Pi = 3.1415927410125732f;
}  // namespace

QStringList CurveNames()
{
    return {
        QStringLiteral("Circle"),
        QStringLiteral("Ellipse"),
        QStringLiteral("Parabola"),
        QStringLiteral("Hyperbola"),
        QStringLiteral("Graph of y=x^3"),
        QStringLiteral("Graph of y=x^4"),
        QStringLiteral("Graph of y=x^5"),
        QStringLiteral("Graph of y=x^6"),
        QStringLiteral("Graph of y=x^3-2x"),
        QStringLiteral("Graph of y=1/6x^6-1/4x^4"),
    };
}

float RaiseToPower(float x, int n)
{
    if (n == 0)
        return 1.0f;
    // Each product is rounded to single precision before the next one.
    float power = 1.0f;
    for (int i = 1; i <= n; ++i)
        power = float(double(power) * double(x));
    return power;
}

int CurveNumber(float curveIndex)
{
    for (int k = 0; k < CurveCount; ++k) {
        if (curveIndex == float(k))
            return k;
    }
    return -1;
}

CurvePoint CurvePosition(int k, float t)
{
    const double T = double(t);
    switch (k) {
    case 0:
        return {float(std::cos(T)), float(std::sin(T))};
    case 1:
        return {float(2.0 * std::cos(T)), float(std::sin(T))};
    case 2:
        return {float(0.5 * T * T), t};
    case 3:
        return {float(std::cosh(T)), float(std::sinh(T))};
    case 4:
    case 5:
    case 6:
    case 7:
        return {t, RaiseToPower(t, k - 1)};
    case 8:
        return {t, float(double(RaiseToPower(t, 3)) - 2.0 * T)};
    case 9:
        // 0.16667 as written, not 1/6: the program's curve is this polynomial.
        return {t, float(0.16667 * double(RaiseToPower(t, 6)) - 0.25 * double(RaiseToPower(t, 4)))};
    default:
        return {0.0f, 0.0f};
    }
}

CurvePoint CurveTangent(int k, float t)
{
    const double T = double(t);
    switch (k) {
    case 0:
        return {float(-std::sin(T)), float(std::cos(T))};
    case 1:
        return {float(-2.0 * std::sin(T)), float(std::cos(T))};
    case 2:
        return {t, 1.0f};
    case 3:
        return {float(std::sinh(T)), float(std::cosh(T))};
    case 4:
    case 5:
    case 6:
    case 7: {
        const int n = k - 1;
        return {1.0f, float(double(n) * double(RaiseToPower(t, n - 1)))};
    }
    case 8:
        return {1.0f, float(3.0 * double(RaiseToPower(t, 2)) - 2.0)};
    case 9:
        // The exact derivative of t^6/6 - t^4/4.
        return {1.0f, float(double(RaiseToPower(t, 5)) - double(RaiseToPower(t, 3)))};
    default:
        return {0.0f, 0.0f};
    }
}

ParameterRange CurveRange(int listIndex)
{
    if (listIndex == 0 || listIndex == 1)
        return {true, 0.0f, TwoPi};
    if (listIndex == 2)
        return {true, -10.0f, 10.0f};
    if (listIndex == 3)
        return {true, -Pi, Pi};
    if (listIndex == 4 || listIndex == 5 || listIndex == 6 || listIndex == 8)
        return {true, -5.0f, 5.0f};
    if (listIndex == 7 || listIndex == 9)
        return {true, -3.0f, 3.0f};
    return {false, 0.0f, 0.0f};
}

int HundredthsOf(float t)
{
    const double hundredths = double(t) * 100.0;
    // A typed range can be far beyond what a track bar holds; saturate rather
    // than convert out of range.
    if (!(hundredths > double(INT_MIN)))
        return std::isnan(hundredths) ? 0 : INT_MIN;
    if (!(hundredths < double(INT_MAX)))
        return INT_MAX;
    return int(hundredths);  // truncates toward zero
}
