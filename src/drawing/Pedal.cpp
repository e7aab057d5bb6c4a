#include "drawing/Pedal.h"

#include <GL/gl.h>

#include "drawing/FootState.h"
#include "drawing/Frame.h"
#include "drawing/Primitives.h"
#include "drawing/TracePoints.h"
#include "drawing/TypedCurveDrawing.h"
#include "drawing/VectorMarks.h"
#include "maths/Curves.h"
#include "maths/Sampling.h"
#include "maths/SingularMarks.h"
#include "maths/TypedCurve.h"
#include "maths/TypedPedal.h"
#include "model/PlotState.h"

void DrawPedalCurve(const CurveRow *curve, const TraceRoute &route)
{
    glPushMatrix();
    glColor3f(1.0, 0.0, 0.0);
    glTranslatef(plot.originX, plot.originY, 0.0f);
    // The same dots as the curve's trace, set here: a restored picture of the
    // layers beneath drew no trace to leave them.
    SetPointSize(float(1.1 * plot.pixelRatio));
    glEnable(GL_POINT_SMOOTH);
    {
        TracePoints points(route, plot.originX, plot.originY);
        const double unit = double(plot.unitPixels);
        if (curve && curve->typed) {
            TypedPedalVertices(*curve->typed, unit, points);
        } else {
            // A sample without a foot repeats this trace's last one; before
            // the trace has one it draws nothing, whatever foot an earlier
            // frame or curve left behind.
            bool traceHasFoot = false;
            ForEachSample(plot.tMin, plot.tMax, [&](float t) {
                const Foot foot = FootAt(curve, t);
                StoreFoot(foot);
                traceHasFoot = traceHasFoot || foot.hasPoint;
                if (traceHasFoot)
                    points.Add(float(double(plot.footX) * unit), float(-(double(plot.footY) * unit)));
                // The repeated foot of a sample without one joins neither neighbour.
                if (!foot.hasPoint)
                    points.Gap();
            });
        }
    }
    glPopMatrix();
}

namespace {

// The segment from (x, y) to (x, y) + m (vx, vy).
void DrawSegmentAlong(float x, float y, double m, float vx, float vy)
{
    DrawSegment(x, y, float(double(x) + m * double(vx)), float(double(y) + m * double(vy)));
}

}  // namespace

void DrawPedalConstruction(const Frame &frame, const CurveRow *curve)
{
    if (!curve)
        return;  // no curve: no point, tangent or foot to show

    const float t = plot.currentT;
    const CurveJet jet = JetOfRow(*curve, t);
    if (!jet.defined)
        return;  // a typed formula undefined here: nothing to construct
    // A built-in curve's values are single precision already: exact round trip.
    const CurvePoint q{float(jet.x), float(jet.y)};
    const CurvePoint v{float(jet.dx), float(jet.dy)};
    const Foot foot = FootAt(curve, t);
    StoreFoot(foot);
    // A lightlike tangent has no foot: what the foot state holds then is an
    // earlier sample's, which is no point of this construction.
    const bool hasFoot = foot.hasPoint;
    const float fx = plot.footX;
    const float fy = plot.footY;

    if (frame.selectedPoint || frame.animation) {
        glColor3f(0.5, 0.08, 0.5);
        DrawPoint(q.x, q.y);
        if (hasFoot)
            DrawPoint(fx, fy);
    }
    if (frame.tangentAndNormal) {
        glColor3f(0.5, 0.08, 0.5);
        DrawPoint(q.x, q.y);
        if (hasFoot)
            DrawPoint(fx, fy);
        // The tangent line at Q, ten tangent vectors each way.
        DrawSegmentAlong(q.x, q.y, 10.0, v.x, v.y);
        DrawSegmentAlong(q.x, q.y, -10.0, v.x, v.y);
        // The perpendicular from P onto it.
        glColor3f(0.0, 0.0, 1.0);
        if (hasFoot)
            DrawSegment(plot.pedalX, plot.pedalY, fx, fy);
    }
}

void DrawSingularTangents(const CurveRow *curve)
{
    glColor3f(1.0, 0.8, 0.0);
    if (!curve)
        return;
    const std::vector<SingularMark> marks =
        curve->typed ? TypedSingularMarks(*curve->typed)
                     : SingularMarksAt(*curve, SelectedPlane(), plot.pedalX, plot.pedalY, plot.currentT);
    for (const SingularMark &mark : marks) {
        DrawPoint(mark.x, mark.y);
        for (const WorldSegment &s : mark.segments)
            DrawSegment(s.x1, s.y1, s.x2, s.y2);
    }
}
