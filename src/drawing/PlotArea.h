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

// Derives grid index range, scale and plot size and draws the white area.
void DrawPlotArea(ClientSize client);
// The derivation alone; false for an empty view window, which keeps the
// previous scale and has no white area.
bool ComputePlotArea(ClientSize client);
void DrawWhiteArea(ClientSize client);
// Derives originX and originY from the values ComputePlotArea left.
void UpdateOrigin(ClientSize client);

struct WindowPoint {
    float x;
    float y;
};
WindowPoint WorldToWindow(float x, float y);
