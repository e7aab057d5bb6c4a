#pragma once

#include <vector>

struct Frame;
struct FrameGeometry;

// Marks in world coordinates through the mapping of a frame, in the caller's
// colour (P in blue); sizes are logical pixels. Each sets the GL state it needs.
void DrawPoint(const FrameGeometry &at, float x, float y);
void DrawSegment(const FrameGeometry &at, float x1, float y1, float x2, float y2);
void DrawPedalPoint(const Frame &frame);
// A small ring, 6 logical pixels across, around a world point.
void DrawRing(const FrameGeometry &at, double x, double y);
// A smoothed polyline of world points, `width` logical pixels wide; a point
// that is not finite breaks it.
struct PlanePoint;
void DrawPolyline(const FrameGeometry &at, const std::vector<PlanePoint> &points, double width = 1.5);
