#pragma once

#include "drawing/FootState.h"

struct CurveRow;
struct Frame;
struct TraceRoute;

// The pedal curve as a dense run of red points, one foot per sample; a sample
// without a foot repeats the trace's previous one, or draws nothing before
// the trace has one. Leaves the last foot in the plot state, whichever points
// are left out as outside the route's seen area.
void DrawPedalCurve(const CurveRow *curve, const TraceRoute &route);
// Q, its foot F, the tangent at Q and the perpendicular from P onto it, at
// the selected parameter, as the frame's toggles ask.
void DrawPedalConstruction(const Frame &frame, const CurveRow *curve);
// The singular points of the pedal curve at the selected parameter, with
// their tangent lines, in orange.
void DrawSingularTangents(const CurveRow *curve);
