#pragma once

#include "drawing/Frame.h"

// Drawing area and world-to-window mapping, from the client size and the
// view window of the plot state.
int OuterWidth(ClientSize client);
int OuterHeight(ClientSize client);

// Edges of the drawing area, from the outer size and the plot size.
struct AreaRect {
    int areaCenterX;
    int areaLeft;
    int areaRight;
    int areaMiddleY;
    int areaTop;
    int areaBottom;
};
AreaRect CurrentArea(ClientSize client);
// The same for a plot of the given size in pixels.
AreaRect AreaFor(ClientSize client, int plotWidth, int plotHeight);
// Whole pixels per unit that fit a view window of this size; 0 where none fit.
float UnitPixelsFor(ClientSize client, double viewWidth, double viewHeight);

// Derives grid index range, scale and plot size and draws the white area.
void DrawPlotArea(ClientSize client);
// The derivation alone; false for an empty view window, which keeps the
// previous scale and has no white area.
bool ComputePlotArea(ClientSize client);
void DrawWhiteArea(ClientSize client);
// Derives originX and originY from the values ComputePlotArea left.
void UpdateOrigin(ClientSize client);

// The half units the grid draws a line on, from twice a view's lower edge to
// twice its upper one: the i with ceil(lower) <= i and float(i) <= upper.
// At a pixel per unit or more there are at most two a pixel of the picture;
// at a scale of 0 they would all fall on one line, each with its label, and
// beyond single precision they cannot be told apart: then there are none.
struct HalfUnits {
    int first = 1;
    int last = 0;  // below first: none
};
HalfUnits GridHalfUnits(float twiceLowerEdge, float twiceUpperEdge, ClientSize client);

// A point in double precision, in window or world units as the function says.
struct DoublePoint {
    double x;
    double y;
};
// Where the world origin falls for a view window drawn in `area` at `unit`
// pixels per unit: the view's left edge on the area's left edge, its top edge
// on the area's top (its bottom edge on the bottom when it lies above the x axis).
DoublePoint OriginFor(const AreaRect &area, double xMin, double yMin, double yMax, double unit);

struct WindowPoint {
    float x;
    float y;
};
WindowPoint WorldToWindow(float x, float y);
// The world point at a client pixel, by this frame's mapping (needs a scale).
DoublePoint WindowToWorld(int x, int y);
