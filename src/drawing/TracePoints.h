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
};
// The whole plane, one draw call per trace, no flush, gaps marked (feedback,
// where every vertex counts).
TraceRoute Everywhere();
// The frame's route: its picture where the GL rasterises (render mode),
// otherwise everywhere.
TraceRoute TraceRouteOf(const Frame &frame, bool rasterising);

// The points of one dense trace. Vertices are in pixels relative to the world
// origin, as the trace's translation makes them. The trace is marked for the
// vector picture, and its gaps too where the route asks.
class TracePoints {
public:
    TracePoints(const TraceRoute &route, float originX, float originY);
    ~TracePoints();
    TracePoints(const TracePoints &) = delete;
    TracePoints &operator=(const TracePoints &) = delete;

    void Add(float x, float y);
    // The next point does not join the last one (kept for the vector picture).
    void Gap();

private:
    // One draw call for the points waiting.
    void HandOver();

    SeenArea area;  // relative to the world origin
    bool marksGaps;
    std::size_t pointsPerDraw;
    long pointsPerFlush;
    long sinceFlush = 0;
    std::vector<float> waiting;  // x, y of each point not yet handed over
};
