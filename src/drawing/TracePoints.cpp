#include "drawing/TracePoints.h"

#include <GL/gl.h>
#include <limits>

#include "drawing/Frame.h"
#include "drawing/VectorFrame.h"

namespace {

// A smoothed trace point is 1.1 logical pixels across; two pixels of reach
// leave room for its antialiased edge and for the GL's own rounding.
constexpr double PointReach = 2.0;

bool RenderMode()
{
    GLint mode = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &mode);
    return mode == GL_RENDER;
}

}  // namespace

SeenArea Everywhere()
{
    const double far = std::numeric_limits<double>::infinity();
    return {-far, -far, far, far};
}

SeenArea SeenAreaOf(const Frame &frame, bool rasterising)
{
    if (!frame.skipsUnseenPoints || !rasterising)
        return Everywhere();
    return {-PointReach, -PointReach, frame.pictureWidth + PointReach, frame.pictureHeight + PointReach};
}

TracePoints::TracePoints(const SeenArea &seen, float originX, float originY)
    : area{seen.left - double(originX), seen.top - double(originY), seen.right - double(originX),
           seen.bottom - double(originY)},
      recordsGaps(!RenderMode())
{
    MarkTraceStart();
    glBegin(GL_POINTS);
}

TracePoints::~TracePoints()
{
    glEnd();
    MarkTraceEnd();
}

void TracePoints::Add(float x, float y)
{
    // A point without a value (NaN) is handed on, as the GL would get it anyway.
    if (double(x) < area.left || double(x) > area.right || double(y) < area.top || double(y) > area.bottom)
        return;
    glVertex2f(x, y);
}

void TracePoints::Gap()
{
    if (!recordsGaps)
        return;
    // The GL takes a pass-through only outside glBegin and glEnd.
    glEnd();
    MarkTraceGap();
    glBegin(GL_POINTS);
}
