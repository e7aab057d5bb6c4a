#include "drawing/TracePoints.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <limits>

#include "drawing/Frame.h"
#include "drawing/VectorFrame.h"

namespace {

// A smoothed trace point is 1.1 logical pixels across; two pixels of reach
// leave room for its antialiased edge and for the GL's own rounding.
constexpr double PointReach = 2.0;

// One draw call for the whole trace.
constexpr int WholeTrace = std::numeric_limits<int>::max();

}  // namespace

TraceRoute Everywhere()
{
    const double far = std::numeric_limits<double>::infinity();
    return {{-far, -far, far, far}, WholeTrace, 0, true, 0.0};
}

TraceRoute TraceRouteOf(const Frame &frame, bool rasterising)
{
    if (!rasterising)
        return Everywhere();
    const TraceHandling &handling = frame.traceHandling;
    TraceRoute route = Everywhere();
    if (handling.skipsUnseenPoints)
        route.seen = {-PointReach, -PointReach, frame.pictureWidth + PointReach, frame.pictureHeight + PointReach};
    route.pointsPerDraw = handling.pointsPerDraw > 0 ? handling.pointsPerDraw : WholeTrace;
    route.pointsPerFlush = std::max(0, handling.pointsPerFlush);
    route.marksGaps = false;  // a break mark costs a draw call and shows no pixel
    route.spacing = std::max(0.0, handling.thinningPixels) / frame.pixelRatio;
    return route;
}

TracePoints::TracePoints(const TraceRoute &route, float originX, float originY)
    : area{route.seen.left - double(originX), route.seen.top - double(originY), route.seen.right - double(originX),
           route.seen.bottom - double(originY)},
      marksGaps(route.marksGaps), pointsPerDraw(std::size_t(std::max(1, route.pointsPerDraw))),
      pointsPerFlush(route.pointsPerFlush), spacingSquared(route.spacing * route.spacing)
{
    MarkTraceStart();
    // The points come from our own memory, whatever buffer the GL had bound.
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glEnableClientState(GL_VERTEX_ARRAY);
    waiting.reserve(2 * std::min<std::size_t>(pointsPerDraw, 1u << 16));
}

TracePoints::~TracePoints()
{
    EndRun();
    HandOver();
    glPopClientAttrib();
    MarkTraceEnd();
}

void TracePoints::Add(float x, float y)
{
    // A point without a value (NaN) is handed on, as the GL would get it anyway.
    if (double(x) < area.left || double(x) > area.right || double(y) < area.top || double(y) > area.bottom) {
        EndRun();
        return;
    }
    if (NearLast(x, y)) {
        held = {x, y};
        holding = true;
        return;
    }
    Send(x, y);
}

bool TracePoints::NearLast(float x, float y) const
{
    if (!hasLast)
        return false;
    const double dx = double(x) - double(last.x);
    const double dy = double(y) - double(last.y);
    // Written so that a point without a value (NaN) is never near.
    return dx * dx + dy * dy < spacingSquared;
}

void TracePoints::Send(float x, float y)
{
    holding = false;
    hasLast = true;
    last = {x, y};
    waiting.push_back(x);
    waiting.push_back(y);
    if (waiting.size() >= 2 * pointsPerDraw)
        HandOver();
}

void TracePoints::EndRun()
{
    // The run's own end goes too, so thinning never shortens it.
    if (holding)
        Send(held.x, held.y);
    hasLast = false;
}

void TracePoints::Gap()
{
    EndRun();
    if (!marksGaps)
        return;
    // The GL takes a pass-through only between draw calls.
    HandOver();
    MarkTraceGap();
}

void TracePoints::HandOver()
{
    if (waiting.empty())
        return;
    const GLsizei count = GLsizei(waiting.size() / 2);
    glVertexPointer(2, GL_FLOAT, 0, waiting.data());
    glDrawArrays(GL_POINTS, 0, count);
    waiting.clear();
    sinceFlush += count;
    if (pointsPerFlush > 0 && sinceFlush >= pointsPerFlush) {
        glFlush();
        sinceFlush = 0;
    }
}
