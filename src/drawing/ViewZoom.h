#pragma once

#include "drawing/Frame.h"

// Moving the view window by hand: zooming about a point of the picture, and
// panning. The scale stays whole pixels per unit.
struct ViewWindow {
    float xMin, xMax, yMin, yMax;
};

// Limits of a view window's size made by zooming.
constexpr double SmallestViewSize = 1e-4;
constexpr double LargestViewSize = 1e6;

// The view window scaled by `factor` about the world point under client
// pixel (x, y), placed so that point stays under that pixel. False where the
// result would leave the limits, drop below one pixel per unit, or not be a
// proper view window: the view then stays.
bool ZoomedView(ClientSize client, const ViewWindow &view, double x, double y, double factor, ViewWindow &zoomed);

// The view window moved so that the picture follows the pointer by (dx, dy)
// pixels at `unit` pixels per unit. False where no finite view results.
bool PannedView(const ViewWindow &view, double dx, double dy, double unit, ViewWindow &panned);
