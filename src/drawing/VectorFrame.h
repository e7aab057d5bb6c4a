#pragma once

#include <vector>

struct Frame;
struct LayerCache;

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

// Runs one frame in feedback mode in the current GL context (viewport and
// projection already set up as for a screen frame) and returns its shapes,
// clipped to the picture. The plot state is left as it was.
VectorPicture CaptureVectorFrame(const Frame &frame, LayerCache &cache);

// What feedback does not carry, passed through it by the frame routine
// (outside glBegin/glEnd; on screen the GL ignores them): sizes in device
// pixels, and which points make one dense trace. The sizes are set with
// these, which also mark them, so a size the GL uses is always marked.
void SetPointSize(float devicePixels);
void SetLineWidth(float devicePixels);
void MarkTraceStart();
void MarkTraceEnd();
// Between two points of a trace that do not join.
void MarkTraceGap();
