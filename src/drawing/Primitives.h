#pragma once

struct Frame;
struct FrameGeometry;

// Marks in world coordinates through the mapping of a frame, in the caller's
// colour (P in blue); sizes are logical pixels. Each sets the GL state it needs.
void DrawPoint(const FrameGeometry &at, float x, float y);
void DrawSegment(const FrameGeometry &at, float x1, float y1, float x2, float y2);
void DrawPedalPoint(const Frame &frame);
