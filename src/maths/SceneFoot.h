#pragma once

#include "maths/Foot.h"

struct CurveRow;
struct Scene;

// The foot of the perpendicular from the scene's P onto the curve's tangent
// at t, in the scene's plane: a built-in curve's in single precision, a typed
// curve's from its jet.
Foot FootAt(const CurveRow &curve, const Scene &scene, float t);
