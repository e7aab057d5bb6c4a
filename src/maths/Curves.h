#pragma once

#include <QStringList>
#include <memory>
#include <vector>

#include "maths/CurveFormulas.h"
#include "model/Scene.h"

// The built-in curves: one row of facts per curve, and the formulas of its
// position Q(t) and tangent vector V(t) (plain derivatives), each component
// rounded to single precision. Adding a curve adds a kind, a row and its
// formulas here and in Foot.cpp.
enum class CurveKind {
    Circle,
    Ellipse,
    Parabola,
    Hyperbola,
    Cubic,           // y = t^3
    Quartic,         // y = t^4
    Quintic,         // y = t^5
    Sextic,          // y = t^6
    CubicWithSlope,  // y = t^3 - 2t
    FlatSextic,      // y = 0.16667 t^6 - 0.25 t^4
    Typed,           // a curve the user typed: its row carries its formulas
};

// A point of the curve whose tangent is lightlike, drawn while its parameter
// (the gate) lies in the range.
struct LightlikeMarker {
    double gate;
    float x;
    float y;
};

// Where the pedal curve has a singular point whose tangent line is drawn.
enum class SingularCase {
    FlatAtZero,        // curvature zero at t = 0, tangent y = 0
    InflectionAtZero,  // y = t^3 - 2t at t = 0, tangent y = -2x
    FlatAtPlus,        // y = 0.16667 t^6 - 0.25 t^4 near t = +sqrt 0.6
    FlatAtMinus,       // ... near t = -sqrt 0.6
};

class TypedCurve;

struct CurveRow {
    CurveKind kind;
    const char *name;  // the curve list's text
    float tMin;        // the range the curve gets when chosen
    float tMax;
    std::vector<LightlikeMarker> lightlike;  // in drawing order
    std::vector<SingularCase> singular;      // in drawing order
    const TypedCurve *typed = nullptr;       // the formulas of a typed curve
    // Its formulas in the formula language, for constructions that need
    // derivatives of any order. A built-in curve's trace, feet, markers and
    // singular marks keep their own single-precision formulas below.
    std::shared_ptr<const CurveFormulas> formulas = nullptr;
};

// Q(t) and its derivatives up to `order`, in double, from the curve's formulas.
PlaneJet JetAt(const CurveRow &row, double t, int order);

// The rows in the curve list's order; the list index is the row's index.
const std::vector<CurveRow> &CurveTable();
// The row of a list index, or nullptr where the index names no curve.
const CurveRow *CurveAt(int listIndex);
// The same, shared as a scene holds its curve (a built-in row lives as long
// as the program: shared without an owner).
std::shared_ptr<const CurveRow> SharedCurveAt(int listIndex);
int CurveCount();
QStringList CurveNames();

// t^n by repeated single-precision multiplication; 1 for n <= 0.
float RaiseToPower(float x, int n);

struct CurvePoint {
    float x;
    float y;
};
CurvePoint CurvePosition(CurveKind kind, float t);
CurvePoint CurveTangent(CurveKind kind, float t);

// A vector of the plane in double precision.
struct PlaneVectorD {
    double x;
    double y;
};
// The derivative of CurveTangent's formula, (x'', y''), evaluated in double;
// with the tangent it gives the curvature at t.
PlaneVectorD CurveSecondDerivative(CurveKind kind, double t);

struct ParameterRange {
    bool known;  // false: the index names no curve and the range stays
    float tMin;
    float tMax;
};
ParameterRange CurveRange(int listIndex);

// Track-bar position for a parameter value: 100 t, truncated toward zero.
int HundredthsOf(float t);
