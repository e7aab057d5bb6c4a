#include "drawing/TracePoints.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <limits>

#include "drawing/Frame.h"
#include "drawing/VectorMarks.h"

namespace {

// A smoothed trace point is 1.1 logical pixels across; two pixels of reach
// leave room for its antialiased edge and for the GL's own rounding.
constexpr double PointReach = 2.0;

// One draw call for the whole trace.
constexpr int WholeTrace = std::numeric_limits<int>::max();

// An area in client pixels as seen from the world origin.
SeenArea Relative(const SeenArea &area, float originX, float originY)
{
    return {area.left - double(originX), area.top - double(originY), area.right - double(originX),
            area.bottom - double(originY)};
}

}  // namespace

TraceRoute Everywhere()
{
    const double far = std::numeric_limits<double>::infinity();
    return {{-far, -far, far, far}, WholeTrace, 0, true, 0.0, {-far, -far, far, far}, 1.0};
}

TraceRoute TraceRouteOf(const Frame &frame, bool rasterising)
{
    TraceRoute route = Everywhere();
    const SeenArea picture{-PointReach, -PointReach, frame.pictureWidth + PointReach, frame.pictureHeight + PointReach};
    route.picture = picture;
    route.pixelRatio = frame.pixelRatio;
    if (!rasterising)
        return route;
    const TraceHandling &handling = frame.traceHandling;
    if (handling.skipsUnseenPoints)
        route.seen = picture;
    route.pointsPerDraw = handling.pointsPerDraw > 0 ? handling.pointsPerDraw : WholeTrace;
    route.pointsPerFlush = std::max(0, handling.pointsPerFlush);
    route.marksGaps = false;  // a break mark costs a draw call and shows no pixel
    route.spacing = std::max(0.0, handling.thinningPixels) / frame.pixelRatio;
    return route;
}

TracePoints::TracePoints(const TraceRoute &route, float originX, float originY)
    : area(Relative(route.seen, originX, originY)), picture(Relative(route.picture, originX, originY)),
      pixelRatio(route.pixelRatio), marksGaps(route.marksGaps),
      pointsPerDraw(std::size_t(std::max(1, route.pointsPerDraw))), pointsPerFlush(route.pointsPerFlush),
      spacingSquared(route.spacing * route.spacing)
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

bool TracePoints::MayShow(float x0, float y0, float x1, float y1) const
{
    const double x[2] = {double(x0), double(x1)}, y[2] = {double(y0), double(y1)};
    const bool beyond = (x[0] < picture.left && x[1] < picture.left) ||
                        (x[0] > picture.right && x[1] > picture.right) || (y[0] < picture.top && y[1] < picture.top) ||
                        (y[0] > picture.bottom && y[1] > picture.bottom);
    return !beyond;
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
