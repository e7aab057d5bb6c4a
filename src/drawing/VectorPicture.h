#pragma once

#include <vector>

// The frame as vector shapes, in logical pixels of the picture (origin at its
// top-left corner, y down), in drawing order: what lies later lies on top.
struct VectorPoint {
    double x, y;
};
struct VectorColour {
    unsigned char r, g, b;
    bool operator==(const VectorColour &o) const { return r == o.r && g == o.g && b == o.b; }
};
struct VectorShape {
    enum class Kind {
        Stroke,  // open polylines `width` wide
        Fill,    // closed polygons, non-zero winding
        Discs,   // a disc `width` across at the single point of each part
    };
    Kind kind = Kind::Stroke;
    VectorColour colour{0, 0, 0};
    double width = 0;
    bool round = false;  // round caps and joins: a trace of smoothed points
    std::vector<std::vector<VectorPoint>> parts;
};
struct VectorPicture {
    double width = 0, height = 0;  // logical pixels
    VectorColour background{255, 255, 255};
    std::vector<VectorShape> shapes;
};
