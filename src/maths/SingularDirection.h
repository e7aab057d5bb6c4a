#pragma once

// Direction of the pedal curve's tangent line at a singular point, from the
// curve at the parameter where its curvature numerator x'y'' - x''y' vanishes.
// The foot there stops moving; its chords from S tend to M (Q - P), with M
// built from the tangent (x', y'), or, when Q is P itself, to the normal.
struct PlaneVector {
    double x;
    double y;
};

PlaneVector SingularTangentDirection(bool minkowski, PlaneVector q, PlaneVector tangent, PlaneVector pedal);
