#pragma once

#include <vector>

#include "maths/Curves.h"

// What is drawn at a singular point of the pedal curve: the point S and the
// segments of its tangent line, in world units, in drawing order.
struct WorldSegment {
    float x1, y1, x2, y2;
};

struct SingularMark {
    float x;
    float y;
    std::vector<WorldSegment> segments;
};

// The marks of the curve's singular cases whose parameter window holds t.
std::vector<SingularMark> SingularMarksAt(const CurveRow &curve, Plane plane, float pedalX, float pedalY, float t);
