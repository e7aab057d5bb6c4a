#pragma once

struct Frame;

// The pedal curve as a dense run of red points, one foot per sample; a sample
// without a foot repeats the trace's previous one, or draws nothing before
// the trace has one.
void DrawPedalCurve(const Frame &frame);

// At the selected parameter: Q and its foot F (the selected point, also
// while the animation runs) ...
void DrawSelectedPoint(const Frame &frame);
// ... and with them the tangent at Q and the perpendicular from P onto it.
void DrawTangentAndNormal(const Frame &frame);

// The singular points of the pedal curve at the selected parameter, with
// their tangent lines, in orange.
void DrawSingularTangents(const Frame &frame);
