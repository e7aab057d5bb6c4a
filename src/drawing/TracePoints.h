#pragma once

#include <vector>

struct Frame;

// Where a trace's point can light a pixel of the drawing surface, in client
// pixels: the picture widened by more than a point's reach. A point beyond it
// produces no fragment, so leaving it out changes no pixel.
struct SeenArea {
    double left, top, right, bottom;
};

// How a trace's points reach the GL. None of it changes a pixel: points are
// independent primitives, drawn in the same order however they are grouped.
struct TraceRoute {
    SeenArea seen;
    int pointsPerDraw;   // points handed over in one draw call
    int pointsPerFlush;  // points after which the rasteriser is set to work; 0: never
    bool marksGaps;      // for the vector picture, in feedback mode
    // Least distance, in client pixels, from the last point handed over to
    // the next one; 0: every point goes.
    double spacing;
    // Where a trace's stretch can show, in client pixels: the picture, in
    // feedback too (the vector picture is clipped to it).
    SeenArea picture;
    double pixelRatio;  // device pixels per client pixel
};
// The whole plane, one draw call per trace, no flush, gaps marked, every
// point (feedback, where every vertex counts).
TraceRoute Everywhere();
// The frame's route: its picture where the GL rasterises (render mode),
// otherwise everywhere.
TraceRoute TraceRouteOf(const Frame &frame, bool rasterising);

// The points of one dense trace. Vertices are in pixels relative to the world
// origin, as the trace's translation makes them. The trace is marked for the
// vector picture, and its gaps too where the route asks. Every point is still
// computed by the caller; the route only decides which reach the GL.
class TracePoints {
public:
    TracePoints(const TraceRoute &route, float originX, float originY);
    ~TracePoints();
    TracePoints(const TracePoints &) = delete;
    TracePoints &operator=(const TracePoints &) = delete;

    void Add(float x, float y);
    // Whether a stretch between two points (relative to the world origin)
    // may cross the picture: false where both lie beyond one of its edges.
    bool MayShow(float x0, float y0, float x1, float y1) const;
    // Device pixels per client pixel.
    double PixelRatio() const { return pixelRatio; }
    // The next point does not join the last one (kept for the vector picture).
    // Where the route thins the trace, the first and last point of every run
    // between gaps go to the GL.
    void Gap();

private:
    struct Vertex {
        float x, y;
    };
    // One draw call for the points waiting.
    void HandOver();
    // Too near the last point handed over to light a pixel of its own.
    bool NearLast(float x, float y) const;
    void Send(float x, float y);
    // A run of points ends at a gap, at the seen area's edge and at the trace's end.
    void EndRun();

    SeenArea area;     // relative to the world origin
    SeenArea picture;  // the same
    double pixelRatio;
    bool marksGaps;
    std::size_t pointsPerDraw;
    long pointsPerFlush;
    double spacingSquared;
    bool hasLast = false;  // false at the start of a run
    Vertex last{0, 0};     // the last point handed over
    bool holding = false;  // a point left out since then
    Vertex held{0, 0};     // the latest such point
    long sinceFlush = 0;
    std::vector<float> waiting;  // x, y of each point not yet handed over
};
