#pragma once

struct CurveRow;

// The curve as a dense run of dark green points, one per parameter sample,
// and, in the Minkowski plane, its lightlike points as red dots. A null
// curve (no list entry) draws no point but leaves the same drawing state.
void TraceCurve(const CurveRow *curve);
void DrawLightlikePoints(const CurveRow *curve);
