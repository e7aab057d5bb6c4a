#include "maths/Curves.h"

#include <climits>
#include <cmath>

namespace {

// Single-precision 2 pi and pi: the range ends the curve list hands out.
constexpr float TwoPi = 6.2831854820251465f;
constexpr float Pi = 3.1415927410125732f;

// Odd multiples of 45 degrees on the unit circle.
std::vector<LightlikeMarker> CircleMarkers()
{
    const float s = float(std::sqrt(2.0) * 0.5);
    return {{0.7853981633974483, s, s},
            {2.356194490192345, -s, s},
            {3.9269908169872414, -s, -s},
            {5.497787143782138, s, -s}};
}

// The tangent (-2 sin t, cos t) is lightlike where tan t = 1/2 or -1/2.
std::vector<LightlikeMarker> EllipseMarkers()
{
    const double a = std::atan(0.5);
    const double pi = 3.141592653589793;
    const float e = float(2.0 * std::cos(a));
    const float f = float(std::sin(a));
    return {{a, e, f}, {pi - a, -e, f}, {pi + a, -e, -f}, {2.0 * pi - a, e, -f}};
}

// Graphs (x = t) with a lightlike tangent at t = -x and x.
std::vector<LightlikeMarker> MirroredPair(double x, float yAtMinus, float yAtPlus)
{
    return {{-x, float(-x), yAtMinus}, {x, float(x), yAtPlus}};
}

// A built-in curve's formulas in the formula language: the curve its name
// says (y = x^6/6 - x^4/4 exactly, where its single-precision trace rounds
// 1/6 to 0.16667).
std::shared_ptr<const CurveFormulas> FormulasOf(CurveKind kind)
{
    static const char *const formulas[][2] = {
        {"cos(t)", "sin(t)"}, {"2*cos(t)", "sin(t)"}, {"t^2/2", "t"}, {"cosh(t)", "sinh(t)"}, {"t", "t^3"},
        {"t", "t^4"},         {"t", "t^5"},           {"t", "t^6"},   {"t", "t^3-2*t"},       {"t", "t^6/6-t^4/4"},
    };
    std::string error;
    return CurveFormulas::Parse(formulas[int(kind)][0], formulas[int(kind)][1], error);
}

std::vector<CurveRow> BuildRows()
{
    const double invSqrt3 = 1.0 / std::sqrt(3.0);
    const float cubicY = float(1.0 / (3.0 * std::sqrt(3.0)));
    const double quarticX = std::cbrt(0.25);  // 4t^3 = 1
    const float quarticY = float(quarticX * quarticX * quarticX * quarticX);
    const float slopeY = float(5.0 / (3.0 * std::sqrt(3.0)));
    using S = SingularCase;
    return {
        {CurveKind::Circle, "Circle", 0.0f, TwoPi, CircleMarkers(), {}},
        {CurveKind::Ellipse, "Ellipse", 0.0f, TwoPi, EllipseMarkers(), {}},
        {CurveKind::Parabola, "Parabola", -10.0f, 10.0f, {{-1.0, 0.5f, -1.0f}, {1.0, 0.5f, 1.0f}}, {}},
        // The tangent (sinh t, cosh t) is never lightlike.
        {CurveKind::Hyperbola, "Hyperbola", -Pi, Pi, {}, {}},
        {CurveKind::Cubic, "Graph of y=x^3", -5.0f, 5.0f, MirroredPair(invSqrt3, -cubicY, cubicY), {S::FlatAtZero}},
        {CurveKind::Quartic,
         "Graph of y=x^4",
         -5.0f,
         5.0f,
         MirroredPair(quarticX, quarticY, quarticY),
         {S::FlatAtZero}},
        {CurveKind::Quintic,
         "Graph of y=x^5",
         -5.0f,
         5.0f,
         MirroredPair(0.66874, float(-0.13375), float(0.13375)),
         {S::FlatAtZero}},
        {CurveKind::Sextic,
         "Graph of y=x^6",
         -3.0f,
         3.0f,
         MirroredPair(0.69883, float(0.11647), float(0.11647)),
         {S::FlatAtZero}},
        {CurveKind::CubicWithSlope,
         "Graph of y=x^3-2x",
         -5.0f,
         5.0f,
         {{-1.0, -1.0f, 1.0f},
          {1.0, 1.0f, -1.0f},
          {-invSqrt3, float(-invSqrt3), slopeY},
          {invSqrt3, float(invSqrt3), -slopeY}},
         {S::InflectionAtZero}},
        {CurveKind::FlatSextic,
         "Graph of y=1/6x^6-1/4x^4",
         -3.0f,
         3.0f,
         MirroredPair(1.23651, float(0.01128), float(0.01128)),
         {S::FlatAtZero, S::FlatAtPlus, S::FlatAtMinus}},
    };
}

std::vector<CurveRow> BuildTable()
{
    std::vector<CurveRow> rows = BuildRows();
    for (CurveRow &row : rows)
        row.formulas = FormulasOf(row.kind);
    return rows;
}

}  // namespace

PlaneJet JetAt(const CurveRow &row, double t, int order)
{
    return row.formulas->JetAt(t, order);
}

const std::vector<CurveRow> &CurveTable()
{
    static const std::vector<CurveRow> table = BuildTable();
    return table;
}

const CurveRow *CurveAt(int listIndex)
{
    const std::vector<CurveRow> &table = CurveTable();
    if (listIndex < 0 || listIndex >= int(table.size()))
        return nullptr;
    return &table[size_t(listIndex)];
}

std::shared_ptr<const CurveRow> SharedCurveAt(int listIndex)
{
    const CurveRow *row = CurveAt(listIndex);
    return row ? std::shared_ptr<const CurveRow>(std::shared_ptr<const void>(), row) : nullptr;
}

int CurveCount()
{
    return int(CurveTable().size());
}

QStringList CurveNames()
{
    QStringList names;
    for (const CurveRow &row : CurveTable())
        names << QString::fromLatin1(row.name);
    return names;
}

float RaiseToPower(float x, int n)
{
    // Each product is rounded to single precision before the next one.
    float power = 1.0f;
    for (int i = 1; i <= n; ++i)
        power = float(double(power) * double(x));
    return power;
}

namespace {

// The exponent of the graphs y = t^n.
int PowerOf(CurveKind kind)
{
    return int(kind) - int(CurveKind::Cubic) + 3;
}

}  // namespace

CurvePoint CurvePosition(CurveKind kind, float t)
{
    const double T = double(t);
    switch (kind) {
    case CurveKind::Circle:
        return {float(std::cos(T)), float(std::sin(T))};
    case CurveKind::Ellipse:
        return {float(2.0 * std::cos(T)), float(std::sin(T))};
    case CurveKind::Parabola:
        return {float(0.5 * T * T), t};
    case CurveKind::Hyperbola:
        return {float(std::cosh(T)), float(std::sinh(T))};
    case CurveKind::Cubic:
    case CurveKind::Quartic:
    case CurveKind::Quintic:
    case CurveKind::Sextic:
        return {t, RaiseToPower(t, PowerOf(kind))};
    case CurveKind::CubicWithSlope:
        return {t, float(double(RaiseToPower(t, 3)) - 2.0 * T)};
    case CurveKind::FlatSextic:
        // 0.16667 as written, not 1/6: the program's curve is this polynomial.
        return {t, float(0.16667 * double(RaiseToPower(t, 6)) - 0.25 * double(RaiseToPower(t, 4)))};
    case CurveKind::Typed:
        break;  // a typed curve's values come from its formulas (TypedCurve)
    }
    return {0.0f, 0.0f};
}

CurvePoint CurveTangent(CurveKind kind, float t)
{
    const double T = double(t);
    switch (kind) {
    case CurveKind::Circle:
        return {float(-std::sin(T)), float(std::cos(T))};
    case CurveKind::Ellipse:
        return {float(-2.0 * std::sin(T)), float(std::cos(T))};
    case CurveKind::Parabola:
        return {t, 1.0f};
    case CurveKind::Hyperbola:
        return {float(std::sinh(T)), float(std::cosh(T))};
    case CurveKind::Cubic:
    case CurveKind::Quartic:
    case CurveKind::Quintic:
    case CurveKind::Sextic: {
        const int n = PowerOf(kind);
        return {1.0f, float(double(n) * double(RaiseToPower(t, n - 1)))};
    }
    case CurveKind::CubicWithSlope:
        return {1.0f, float(3.0 * double(RaiseToPower(t, 2)) - 2.0)};
    case CurveKind::FlatSextic:
        // The exact derivative of t^6/6 - t^4/4.
        return {1.0f, float(double(RaiseToPower(t, 5)) - double(RaiseToPower(t, 3)))};
    case CurveKind::Typed:
        break;
    }
    return {0.0f, 0.0f};
}

namespace {

// t^n by repeated double multiplication; 1 for n <= 0.
double PowerD(double t, int n)
{
    double power = 1.0;
    for (int i = 1; i <= n; ++i)
        power *= t;
    return power;
}

}  // namespace

PlaneVectorD CurveSecondDerivative(CurveKind kind, double t)
{
    switch (kind) {
    case CurveKind::Circle:
        return {-std::cos(t), -std::sin(t)};
    case CurveKind::Ellipse:
        return {-2.0 * std::cos(t), -std::sin(t)};
    case CurveKind::Parabola:
        return {1.0, 0.0};
    case CurveKind::Hyperbola:
        return {std::cosh(t), std::sinh(t)};
    case CurveKind::Cubic:
    case CurveKind::Quartic:
    case CurveKind::Quintic:
    case CurveKind::Sextic: {
        const int n = PowerOf(kind);
        return {0.0, double(n * (n - 1)) * PowerD(t, n - 2)};
    }
    case CurveKind::CubicWithSlope:
        return {0.0, 6.0 * t};
    case CurveKind::FlatSextic:
        // The derivative of the program's tangent (1, t^5 - t^3).
        return {0.0, 5.0 * PowerD(t, 4) - 3.0 * PowerD(t, 2)};
    case CurveKind::Typed:
        break;
    }
    return {0.0, 0.0};
}

ParameterRange CurveRange(int listIndex)
{
    const CurveRow *row = CurveAt(listIndex);
    if (!row)
        return {false, 0.0f, 0.0f};
    return {true, row->tMin, row->tMax};
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
