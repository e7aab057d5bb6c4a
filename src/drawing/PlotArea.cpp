#include "drawing/PlotArea.h"

#include <GL/gl.h>
#include <cmath>

#include "drawing/WindowLayout.h"

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

AreaRect CurrentArea(ClientSize client, const FrameGeometry &at)
{
    return AreaFor(client, at.plotWidthPixels, at.plotHeightPixels);
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

bool HasDrawingArea(const Scene &scene)
{
    return scene.xMax > scene.xMin && scene.yMax > scene.yMin;
}

FrameGeometry GeometryOf(ClientSize client, const Scene &scene, const FrameGeometry &previous, double pixelRatio)
{
    FrameGeometry at = previous;
    at.pixelRatio = float(pixelRatio);
    at.gridXFrom = float(2.0 * scene.xMin);
    at.gridXTo = float(2.0 * scene.xMax);
    at.gridYFrom = float(2.0 * scene.yMin);
    at.gridYTo = float(2.0 * scene.yMax);
    const double width = double(scene.xMax) - double(scene.xMin);
    const double height = double(scene.yMax) - double(scene.yMin);
    if (HasDrawingArea(scene)) {
        at.unitPixels = UnitPixelsFor(client, width, height);
        at.gridStepPixels = float(double(at.unitPixels) * 0.5);
        at.plotWidthPixels = int(std::trunc(width * at.unitPixels));
        at.plotHeightPixels = int(std::trunc(height * at.unitPixels));
    }
    // Exact for every view; a view of half units lands on whole pixels.
    const DoublePoint origin = OriginFor(CurrentArea(client, at), scene.xMin, scene.yMin, scene.yMax, at.unitPixels);
    at.originX = float(origin.x);
    at.originY = float(origin.y);
    return at;
}

void DrawWhiteArea(ClientSize client, const FrameGeometry &at)
{
    const AreaRect area = CurrentArea(client, at);
    const int top = (OuterHeight(client) - AreaInsetY - at.plotHeightPixels) / 2;
    const int bottom = top + at.plotHeightPixels;
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

DoublePoint WindowToWorld(const FrameGeometry &at, int x, int y)
{
    return {(x - double(at.originX)) / at.unitPixels, -(y - double(at.originY)) / at.unitPixels};
}

WindowPoint WorldToWindow(const FrameGeometry &at, float x, float y)
{
    return {float(double(at.originX) + double(x) * at.unitPixels),
            float(double(at.originY) - double(y) * at.unitPixels)};
}

double ReachAcross(const Scene &scene)
{
    return 2.0 * (double(scene.xMax) - double(scene.xMin) + double(scene.yMax) - double(scene.yMin));
}
