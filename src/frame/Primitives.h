#pragma once

// Marks in world coordinates, in the caller's colour (P in blue).
void DrawPoint(float x, float y);
void DrawSegment(float x1, float y1, float x2, float y2);
void DrawPedalPoint();
