#include "drawing/Pedal.h"

#include <GL/gl.h>

#include "drawing/Frame.h"
#include "drawing/Primitives.h"
#include "drawing/Trace.h"
#include "drawing/TracePoints.h"
#include "drawing/TypedCurveDrawing.h"
#include "drawing/VectorMarks.h"
#include "maths/Curves.h"
#include "maths/Sampling.h"
#include "maths/SceneFoot.h"
#include "maths/SingularMarks.h"
#include "maths/TypedCurve.h"

void DrawPedalCurve(const Frame &frame)
{
    const FrameGeometry &at = frame.at;
    const CurveRow *curve = frame.Curve();
    glPushMatrix();
    glColor3f(1.0, 0.0, 0.0);
    glTranslatef(at.originX, at.originY, 0.0f);
    // The same dots as the curve's trace, set here: a restored picture of the
    // layers beneath drew no trace to leave them.
    SetPointSize(float(1.1 * at.pixelRatio));
    glEnable(GL_POINT_SMOOTH);
    {
        TracePoints points(RouteOfFrame(frame), at.originX, at.originY);
        const double unit = double(at.unitPixels);
        if (curve && curve->typed) {
            TypedPedalVertices(*curve->typed, frame.scene, unit, points);
        } else if (curve) {
            // A sample without a foot repeats this trace's last one; before
            // the trace has one it draws nothing.
            bool traceHasFoot = false;
            float lastX = 0;
            float lastY = 0;
            ForEachSample(frame.scene.tMin, frame.scene.tMax, [&](float t) {
                const Foot foot = FootAt(*curve, frame.scene, t);
                if (foot.hasPoint) {
                    traceHasFoot = true;
                    lastX = foot.x;
                    lastY = foot.y;
                }
                if (traceHasFoot)
                    points.Add(float(double(lastX) * unit), float(-(double(lastY) * unit)));
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
void DrawSegmentAlong(const FrameGeometry &at, float x, float y, double m, float vx, float vy)
{
    DrawSegment(at, x, y, float(double(x) + m * double(vx)), float(double(y) + m * double(vy)));
}

// Q, V and the foot at the selected parameter, where the curve has a value.
struct Construction {
    bool defined = false;
    CurvePoint q{0, 0};
    CurvePoint v{0, 0};
    Foot foot{};
};

Construction ConstructionOf(const Frame &frame)
{
    const CurveRow *curve = frame.Curve();
    if (!curve)
        return {};  // no curve: no point, tangent or foot to show
    const float t = frame.scene.currentT;
    const CurveJet jet = JetOfRow(*curve, t);
    if (!jet.defined)
        return {};  // a typed formula undefined here: nothing to construct
    // A built-in curve's values are single precision already: exact round trip.
    return {true, {float(jet.x), float(jet.y)}, {float(jet.dx), float(jet.dy)}, FootAt(*curve, frame.scene, t)};
}

// Q and, where the tangent is not lightlike, its foot F.
void DrawPointAndFoot(const Frame &frame, const Construction &c)
{
    glColor3f(0.5, 0.08, 0.5);
    DrawPoint(frame.at, c.q.x, c.q.y);
    if (c.foot.hasPoint)
        DrawPoint(frame.at, c.foot.x, c.foot.y);
}

}  // namespace

void DrawSelectedPoint(const Frame &frame)
{
    const Construction c = ConstructionOf(frame);
    if (c.defined)
        DrawPointAndFoot(frame, c);
}

void DrawTangentAndNormal(const Frame &frame)
{
    const Construction c = ConstructionOf(frame);
    if (!c.defined)
        return;
    DrawPointAndFoot(frame, c);
    // The tangent line at Q, ten tangent vectors each way.
    DrawSegmentAlong(frame.at, c.q.x, c.q.y, 10.0, c.v.x, c.v.y);
    DrawSegmentAlong(frame.at, c.q.x, c.q.y, -10.0, c.v.x, c.v.y);
    // The perpendicular from P onto it.
    glColor3f(0.0, 0.0, 1.0);
    if (c.foot.hasPoint)
        DrawSegment(frame.at, frame.scene.pedalX, frame.scene.pedalY, c.foot.x, c.foot.y);
}

void DrawSingularTangents(const Frame &frame)
{
    const CurveRow *curve = frame.Curve();
    const Scene &scene = frame.scene;
    glColor3f(1.0, 0.8, 0.0);
    if (!curve)
        return;
    const std::vector<SingularMark> marks =
        curve->typed ? TypedSingularMarks(*curve->typed, scene)
                     : SingularMarksAt(*curve, scene.plane, scene.pedalX, scene.pedalY, scene.currentT);
    for (const SingularMark &mark : marks) {
        DrawPoint(frame.at, mark.x, mark.y);
        for (const WorldSegment &s : mark.segments)
            DrawSegment(frame.at, s.x1, s.y1, s.x2, s.y2);
    }
}
