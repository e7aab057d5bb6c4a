#pragma once

#include "drawing/Frame.h"

// Drawing area and world-to-window mapping of a frame, from the client size
// and the scene's view window.
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
AreaRect CurrentArea(ClientSize client, const FrameGeometry &at);
// The same for a plot of the given size in pixels.
AreaRect AreaFor(ClientSize client, int plotWidth, int plotHeight);
// Whole pixels per unit that fit a view window of this size; 0 where none fit.
float UnitPixelsFor(ClientSize client, double viewWidth, double viewHeight);

// The grid's index range, scale, plot size and origin of a frame of this
// scene. An empty view window keeps the previous frame's scale and plot size
// (and has no white area).
FrameGeometry GeometryOf(ClientSize client, const Scene &scene, const FrameGeometry &previous, double pixelRatio);
bool HasDrawingArea(const Scene &scene);
void DrawWhiteArea(ClientSize client, const FrameGeometry &at);

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

// Twice the view window's width and height, in world units: a line drawn
// this far each way from a point inside the view crosses the whole view.
double ReachAcross(const Scene &scene);

struct WindowPoint {
    float x;
    float y;
};
WindowPoint WorldToWindow(const FrameGeometry &at, float x, float y);
// The world point at a client pixel, by a frame's mapping (needs a scale).
DoublePoint WindowToWorld(const FrameGeometry &at, int x, int y);
