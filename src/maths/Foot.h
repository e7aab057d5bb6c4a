#pragma once

#include "maths/Curves.h"

// Foot of the perpendicular from P onto the tangent of a curve at t, in the
// given plane: F = Q + lambda V with lambda = <P - Q, V> / <V, V>. The
// numerator and denominator are rounded to single precision before they
// divide. A denominator of exactly zero (a lightlike tangent) has no foot.
struct Foot {
    float numerator;
    float denominator;
    bool hasPoint;
    float x;
    float y;
};

Foot ComputeFoot(CurveKind kind, Plane plane, float pedalX, float pedalY, float t);
