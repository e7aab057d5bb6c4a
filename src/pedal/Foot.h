#pragma once

// Foot of the perpendicular from P onto the tangent of curve curveIndex at t,
// in the plane the switches select. Writes footNumerator, footDenominator and,
// unless the denominator is exactly zero, footX and footY.
void ComputeFoot(float curveIndex, float t);
