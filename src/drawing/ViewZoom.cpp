#include "drawing/ViewZoom.h"

#include <cmath>

#include "drawing/PlotArea.h"

namespace {

// The mapping a view window gets: its scale, drawing area and world origin,
// derived as the frame derives them.
struct Mapping {
    double unit;
    AreaRect area;
    double originX, originY;
};

Mapping MappingOf(ClientSize client, const ViewWindow &view)
{
    const double width = double(view.xMax) - double(view.xMin);
    const double height = double(view.yMax) - double(view.yMin);
    Mapping m;
    m.unit = UnitPixelsFor(client, width, height);
    m.area = AreaFor(client, int(std::trunc(width * m.unit)), int(std::trunc(height * m.unit)));
    const DoublePoint origin = OriginFor(m.area, view.xMin, view.yMin, view.yMax, m.unit);
    m.originX = origin.x;
    m.originY = origin.y;
    return m;
}

bool IsProper(const ViewWindow &v)
{
    return std::isfinite(v.xMin) && std::isfinite(v.xMax) && std::isfinite(v.yMin) && std::isfinite(v.yMax) &&
           v.xMax > v.xMin && v.yMax > v.yMin;
}

bool WithinLimits(double size)
{
    return size >= SmallestViewSize && size <= LargestViewSize;
}

// The view of the given size that puts world (wx, wy) at client (x, y) with
// the scale that size gets.
ViewWindow Placed(ClientSize client, double width, double height, double unit, double wx, double wy, double x, double y)
{
    const AreaRect area = AreaFor(client, int(std::trunc(width * unit)), int(std::trunc(height * unit)));
    const double xMin = wx - (x - area.areaLeft) / unit;
    double yMax = wy + (y - area.areaTop) / unit;
    double yMin = yMax - height;
    if (yMin > 0) {  // a view above the x axis hangs from its bottom edge
        yMin = wy - (area.areaBottom - y) / unit;
        yMax = yMin + height;
    }
    return {float(xMin), float(xMin + width), float(yMin), float(yMax)};
}

}  // namespace

bool ZoomedView(ClientSize client, const ViewWindow &view, double x, double y, double factor, ViewWindow &zoomed)
{
    if (!IsProper(view) || !(factor > 0) || !std::isfinite(factor))
        return false;
    const Mapping now = MappingOf(client, view);
    if (!(now.unit > 0))
        return false;
    const double wx = (x - now.originX) / now.unit;
    const double wy = (now.originY - y) / now.unit;
    const double width = (double(view.xMax) - double(view.xMin)) * factor;
    const double height = (double(view.yMax) - double(view.yMin)) * factor;
    if (!WithinLimits(width) || !WithinLimits(height))
        return false;
    // Below one pixel per unit the picture would shrink to a point: stop there.
    const double unit = UnitPixelsFor(client, width, height);
    if (!(unit >= 1))
        return false;
    ViewWindow result = Placed(client, width, height, unit, wx, wy, x, y);
    if (!IsProper(result))
        return false;
    // Single precision may shift the size, and with it the whole-pixel scale:
    // place it again with the scale the stored view gets.
    const double storedUnit = MappingOf(client, result).unit;
    if (!(storedUnit >= 1))
        return false;
    result = Placed(client, double(result.xMax) - double(result.xMin), double(result.yMax) - double(result.yMin),
                    storedUnit, wx, wy, x, y);
    if (!IsProper(result) || !(MappingOf(client, result).unit >= 1))
        return false;
    zoomed = result;
    return true;
}

bool PannedView(const ViewWindow &view, double dx, double dy, double unit, ViewWindow &panned)
{
    if (!(unit > 0) || !IsProper(view))
        return false;
    const double sx = dx / unit;
    const double sy = dy / unit;
    const ViewWindow result{float(view.xMin - sx), float(view.xMax - sx), float(view.yMin + sy), float(view.yMax + sy)};
    if (!IsProper(result))
        return false;
    panned = result;
    return true;
}
