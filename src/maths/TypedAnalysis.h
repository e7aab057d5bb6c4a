#pragma once

#include <vector>

#include "maths/CurveJet.h"

// Fills in the lightlike and flat parameters of a typed curve's samples.
// Both are zeros found between samples, sign changes and touching zeros
// alike, refined to well within 1e-9 in t.
//
// Lightlike: x'^2 = y'^2. Flat: the curvature numerator w = x'y'' - x''y'
// vanishes, so the tangent line stops turning and the foot stops moving
// whatever P is. Where the tangent vector itself vanishes (a cusp) its
// direction is that of the second derivative: such a point counts as
// lightlike only if that direction is, and as flat only if the tangent line
// stops turning there too; at an ordinary cusp w vanishes but the tangent
// line turns at a finite rate, so the pedal curve passes smoothly.
void AnalyseTypedCurve(const JetSource &curve, TypedCurveSamples &samples);

// The parameters within [from, to] where the curve passes through P.
std::vector<double> PassagesThrough(const JetSource &curve, const TypedCurveSamples &samples, double px, double py,
                                    double from, double to);

// The tangent vector vanishes next to the second derivative: a cusp, where
// the tangent line's direction is that of the second derivative.
bool IsCusp(const CurveJet &jet);

// Whether q lies on P, within the rounding of P's single-precision coordinates.
bool SamePoint(double qx, double qy, double px, double py);
