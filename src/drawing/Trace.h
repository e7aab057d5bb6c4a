#pragma once

struct CurveRow;
struct TraceRoute;

// The curve as a dense run of dark green points, one per parameter sample,
// and, in the Minkowski plane, its lightlike points as red dots. A null
// curve (no list entry) draws no point but leaves the same drawing state.
// Points outside the route's seen area are left out.
void TraceCurve(const CurveRow *curve, const TraceRoute &route);
void DrawLightlikePoints(const CurveRow *curve);
