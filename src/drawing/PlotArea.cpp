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

AreaRect CurrentArea(ClientSize client)
{
    AreaRect area;
    area.areaCenterX = (OuterWidth(client) - AreaCentreInsetX) / 2;
    area.areaLeft = area.areaCenterX - plot.plotWidthPixels / 2;
    area.areaRight = area.areaCenterX + plot.plotWidthPixels / 2;
    area.areaMiddleY = (OuterHeight(client) - AreaInsetY) / 2;
    area.areaTop = area.areaMiddleY - plot.plotHeightPixels / 2;
    area.areaBottom = area.areaMiddleY + plot.plotHeightPixels / 2;
    return area;
}

namespace {

// Whole pixels per unit that fit the view window into the free area. A window
// smaller than the panels leaves no room: the scale is then 0, never negative.
float UnitPixelsFor(double freeWidth, double freeHeight)
{
    const double w = std::trunc(freeWidth / (double(plot.xMax) - double(plot.xMin)));
    const double h = std::trunc(freeHeight / (double(plot.yMax) - double(plot.yMin)));
    const double unit = w < h ? w : h;
    return float(unit > 0 ? unit : 0);
}

}  // namespace

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
    plot.unitPixels = UnitPixelsFor(OuterWidth(client) - AreaFitInsetX, OuterHeight(client) - AreaInsetY);
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

void UpdateOrigin(ClientSize client)
{
    const AreaRect area = CurrentArea(client);
    const double step = plot.gridStepPixels;
    plot.originX = float(area.areaLeft - std::trunc(double(plot.gridXFrom)) * step);
    if (plot.gridYFrom > 0)
        plot.originY = float(area.areaBottom + std::trunc(double(plot.gridYFrom)) * step);
    else
        plot.originY = float(
            area.areaTop +
            (std::trunc(double(plot.gridYTo) - double(plot.gridYFrom)) + std::trunc(double(plot.gridYFrom))) * step);
}

WindowPoint WorldToWindow(float x, float y)
{
    return {float(double(plot.originX) + double(x) * plot.unitPixels),
            float(double(plot.originY) - double(y) * plot.unitPixels)};
}
