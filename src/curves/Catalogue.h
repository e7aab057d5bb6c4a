#pragma once

#include <QStringList>

// The ten curves: their list texts, positions Q(t), tangent vectors V(t)
// (plain derivatives) and the parameter ranges they get when chosen.
constexpr int CurveCount = 10;
QStringList CurveNames();

// t^n by repeated single-precision multiplication; 1 for n <= 0.
float RaiseToPower(float x, int n);

// Curve number as the drawing routines get it: the list index as a float,
// matched by equality with 0..9; anything else is no curve (-1).
int CurveNumber(float curveIndex);

struct CurvePoint {
    float x;
    float y;
};
// Position and tangent of curve k (0..9) at t, each component rounded to single.
CurvePoint CurvePosition(int k, float t);
CurvePoint CurveTangent(int k, float t);

struct ParameterRange {
    bool known;  // false: the index names no curve and the range stays
    float tMin;
    float tMax;
};
ParameterRange CurveRange(int listIndex);

// Track-bar position for a parameter value: 100 t, truncated toward zero.
int HundredthsOf(float t);
