#pragma once

struct Frame;

// Where a trace's point can light a pixel of the drawing surface, in client
// pixels: the picture widened by more than a point's reach. A point beyond it
// produces no fragment, so leaving it out changes no pixel.
struct SeenArea {
    double left, top, right, bottom;
};
// The whole plane: nothing is left out (feedback, where every vertex counts).
SeenArea Everywhere();
// The frame's picture where the GL rasterises (render mode) and the frame
// asks for it; otherwise everywhere.
SeenArea SeenAreaOf(const Frame &frame, bool rasterising);

// The points of one dense trace, from one glBegin(GL_POINTS) to its glEnd.
// Vertices are in pixels relative to the world origin, as the trace's
// translation makes them. In feedback mode the trace is marked for the
// vector picture, gaps included.
class TracePoints {
public:
    TracePoints(const SeenArea &seen, float originX, float originY);
    ~TracePoints();
    TracePoints(const TracePoints &) = delete;
    TracePoints &operator=(const TracePoints &) = delete;

    void Add(float x, float y);
    // The next point does not join the last one (kept for the vector picture).
    void Gap();

private:
    SeenArea area;  // relative to the world origin
    bool recordsGaps;
};
