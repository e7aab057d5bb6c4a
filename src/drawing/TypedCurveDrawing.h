#pragma once

#include <vector>

#include "maths/SingularMarks.h"

class TracePoints;
class TypedCurve;
struct FrameGeometry;
struct Scene;

// The points of a typed curve's traces, from its samples of the scene's
// range (worked out when the curve or the range changes, not per frame),
// with the world origin as the origin. Undefined samples, and samples
// without a foot, leave gaps.
void TypedCurveVertices(const TypedCurve &curve, const Scene &scene, double unit, TracePoints &points);
void TypedPedalVertices(const TypedCurve &curve, const Scene &scene, double unit, TracePoints &points);
// The red dots on the lightlike points of the scene's range.
void DrawTypedLightlikePoints(const TypedCurve &curve, const Scene &scene, const FrameGeometry &at);
// The singular points of the pedal curve near the selected parameter, each
// with a tangent line long enough to cross the view.
std::vector<SingularMark> TypedSingularMarks(const TypedCurve &curve, const Scene &scene);
