#include "drawing/PlotArea.h"

#include <GL/gl.h>
#include <cmath>

#include "drawing/WindowLayout.h"
#include "model/PlotState.h"

int OuterWidth(ClientSize client)
{
    return client.width + OuterFrameWidth;
}

int OuterHeight(ClientSize client)
{
    return client.height + OuterFrameHeight;
}

AreaRect AreaFor(ClientSize client, int plotWidth, int plotHeight)
{
    AreaRect area;
    area.areaCenterX = (OuterWidth(client) - AreaCentreInsetX) / 2;
    area.areaLeft = area.areaCenterX - plotWidth / 2;
    area.areaRight = area.areaCenterX + plotWidth / 2;
    area.areaMiddleY = (OuterHeight(client) - AreaInsetY) / 2;
    area.areaTop = area.areaMiddleY - plotHeight / 2;
    area.areaBottom = area.areaMiddleY + plotHeight / 2;
    return area;
}

AreaRect CurrentArea(ClientSize client)
{
    return AreaFor(client, plot.plotWidthPixels, plot.plotHeightPixels);
}

// Whole pixels per unit that fit the view window into the free area. A window
// smaller than the panels leaves no room: the scale is then 0, never negative.
float UnitPixelsFor(ClientSize client, double viewWidth, double viewHeight)
{
    const double w = std::trunc((OuterWidth(client) - AreaFitInsetX) / viewWidth);
    const double h = std::trunc((OuterHeight(client) - AreaInsetY) / viewHeight);
    const double unit = w < h ? w : h;
    return float(unit > 0 ? unit : 0);
}

void DrawPlotArea(ClientSize client)
{
    if (ComputePlotArea(client))
        DrawWhiteArea(client);
}

bool ComputePlotArea(ClientSize client)
{
    plot.gridXFrom = float(2.0 * plot.xMin);
    plot.gridXTo = float(2.0 * plot.xMax);
    plot.gridYFrom = float(2.0 * plot.yMin);
    plot.gridYTo = float(2.0 * plot.yMax);
    if (!(plot.xMax > plot.xMin) || !(plot.yMax > plot.yMin))
        return false;  // empty view window: keep the previous scale
    plot.unitPixels =
        UnitPixelsFor(client, double(plot.xMax) - double(plot.xMin), double(plot.yMax) - double(plot.yMin));
    plot.gridStepPixels = float(double(plot.unitPixels) * 0.5);
    plot.plotWidthPixels = int(std::trunc((double(plot.xMax) - double(plot.xMin)) * plot.unitPixels));
    plot.plotHeightPixels = int(std::trunc((double(plot.yMax) - double(plot.yMin)) * plot.unitPixels));
    return true;
}

void DrawWhiteArea(ClientSize client)
{
    const AreaRect area = CurrentArea(client);
    const int top = (OuterHeight(client) - AreaInsetY - plot.plotHeightPixels) / 2;
    const int bottom = top + plot.plotHeightPixels;
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    glVertex2f(area.areaLeft, top);
    glVertex2f(area.areaRight, top);
    glVertex2f(area.areaRight, bottom);
    glVertex2f(area.areaLeft, bottom);
    glEnd();
}

DoublePoint OriginFor(const AreaRect &area, double xMin, double yMin, double yMax, double unit)
{
    return {area.areaLeft - xMin * unit, yMin > 0 ? area.areaBottom + yMin * unit : area.areaTop + yMax * unit};
}

void UpdateOrigin(ClientSize client)
{
    // Exact for every view; a view of half units lands on whole pixels.
    const DoublePoint origin = OriginFor(CurrentArea(client), plot.xMin, plot.yMin, plot.yMax, plot.unitPixels);
    plot.originX = float(origin.x);
    plot.originY = float(origin.y);
}

HalfUnits GridHalfUnits(float twiceLowerEdge, float twiceUpperEdge, ClientSize client)
{
    // Half units are counted in an int; far out, single precision cannot
    // tell them apart anyway.
    constexpr double Farthest = 1e9;
    const double lower = std::ceil(double(twiceLowerEdge));
    const double upper = double(twiceUpperEdge);
    if (!(std::fabs(lower) < Farthest && std::fabs(upper) < Farthest))
        return {};
    if (!(upper - lower < 2.0 * (client.width + client.height)))
        return {};
    HalfUnits units{int(lower), int(std::floor(upper))};
    // The last whose single-precision value is within the edge, as the
    // lines are placed.
    while (float(units.last + 1) <= twiceUpperEdge)
        ++units.last;
    while (units.last >= units.first && float(units.last) > twiceUpperEdge)
        --units.last;
    return units;
}

DoublePoint WindowToWorld(int x, int y)
{
    return {(x - double(plot.originX)) / plot.unitPixels, -(y - double(plot.originY)) / plot.unitPixels};
}

WindowPoint WorldToWindow(float x, float y)
{
    return {float(double(plot.originX) + double(x) * plot.unitPixels),
            float(double(plot.originY) - double(y) * plot.unitPixels)};
}
