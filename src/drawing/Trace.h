#pragma once

struct Frame;

// The curve as a dense run of dark green points, one per parameter sample.
// A frame without a curve draws no point but leaves the same drawing state.
// Points that cannot show in the frame's picture are left out.
void TraceCurve(const Frame &frame);
struct TraceRoute;
void TraceCurve(const Frame &frame, const TraceRoute &route);
// In the Minkowski plane, the curve's lightlike points as red dots.
void DrawLightlikePoints(const Frame &frame);

// How this frame's traces reach the GL: thinned and clipped to the picture
// where the GL rasterises, every point where it records (feedback).
TraceRoute RouteOfFrame(const Frame &frame);
