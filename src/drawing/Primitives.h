#pragma once

// Marks in world coordinates through the mapping of this frame, in the
// caller's colour (P in blue); sizes are logical pixels.
void DrawPoint(float x, float y);
void DrawSegment(float x1, float y1, float x2, float y2);
void DrawPedalPoint();
