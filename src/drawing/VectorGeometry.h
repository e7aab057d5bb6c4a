#pragma once

#include <vector>

#include "drawing/VectorPicture.h"

// The plane geometry of the vector picture: clipping to the picture and
// thinning a dense trace to the samples that shape it.
using Polyline = std::vector<VectorPoint>;

struct ClipRect {
    double left, top, right, bottom;

    ClipRect Grown(double m) const { return {left - m, top - m, right + m, bottom + m}; }
    bool Contains(VectorPoint p) const { return left <= p.x && p.x <= right && top <= p.y && p.y <= bottom; }
    // How far p lies inside edge 0..3 (left, right, top, bottom); negative outside.
    double Inside(VectorPoint p, int edge) const
    {
        const double d[4] = {p.x - left, right - p.x, p.y - top, bottom - p.y};
        return d[edge];
    }
};

bool Same(VectorPoint a, VectorPoint b);
double Distance(VectorPoint a, VectorPoint b);
// The pieces of a polyline inside r; a single point stays if inside.
std::vector<Polyline> ClipPolyline(const Polyline &line, const ClipRect &r);
// The part of a polygon inside r (Sutherland-Hodgman).
Polyline ClipPolygon(Polyline polygon, const ClipRect &r);
// Douglas-Peucker: the samples that keep the polyline within a tenth of a pixel.
Polyline Simplified(const Polyline &line);
// The dots (one point each), `diameter` across, that are not covered by
// those kept before them, judged on a grid of a quarter pixel over `r`: a
// trace sampled far beyond its range is hundreds of thousands of lone dots,
// most of them on top of others.
std::vector<Polyline> UncoveredDots(std::vector<Polyline> dots, double diameter, const ClipRect &r);
// Positive for a polygon that turns clockwise on the screen (y down).
double SignedArea(const Polyline &polygon);
