#pragma once

// Drawing area and world-to-window mapping. W and H are the outer window
// size: the client size plus the frame the layout constants were measured with.
constexpr int OuterFrameWidth = 16;
constexpr int OuterFrameHeight = 38;

int OuterWidth();
int OuterHeight();

// Edges of the drawing area, recomputed from W, H and the plot size.
struct AreaRect {
    int areaCenterX;
    int areaLeft;
    int areaRight;
    int areaMiddleY;
    int areaTop;
    int areaBottom;
};
AreaRect CurrentArea();

// Derives grid index range, scale and plot size and draws the white area.
void DrawPlotArea();
// The derivation alone; false for an empty view window, which keeps the
// previous scale and has no white area.
bool ComputePlotArea();
void DrawWhiteArea();
// Derives originX and originY from the values DrawPlotArea left.
void UpdateOrigin();

struct WindowPoint {
    float x;
    float y;
};
WindowPoint WorldToWindow(float x, float y);
