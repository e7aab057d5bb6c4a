#pragma once

#include <vector>

#include "maths/Foot.h"
#include "maths/SingularMarks.h"
#include "maths/TypedCurve.h"

// The foot of the perpendicular from P onto the tangent line of a typed
// curve, in double: F = P + <Q - P, N> / <N, N> N with N the tangent's normal
// in the plane, which keeps its precision where Q is huge; the quotient kept
// is lambda = <P - Q, V> / <V, V> of F = Q + lambda V. No point where the
// tangent is lightlike in the plane (<V, V> = 0) or undefined.
Foot FootOfJet(const CurveJet &jet, Plane plane, double px, double py);

// Parameters of the pedal curve's singular points within this distance of the
// selected parameter have their tangent line drawn.
constexpr double SingularWindow = 0.03;

// The singular points of the pedal curve near t: the flat points of the
// curve and its passages through P. Each is S, the foot there, with the
// pedal curve's tangent line through it, `reach` world units each way.
std::vector<SingularMark> TypedSingularMarksAt(const TypedCurve &curve, const TypedCurveSamples &samples, Plane plane,
                                               float pedalX, float pedalY, float t, double reach);
