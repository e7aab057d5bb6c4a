#include "drawing/Trace.h"

#include <GL/gl.h>

#include "drawing/Frame.h"
#include "drawing/Primitives.h"
#include "drawing/TracePoints.h"
#include "drawing/TypedCurveDrawing.h"
#include "drawing/VectorMarks.h"
#include "maths/Curves.h"
#include "maths/Sampling.h"

TraceRoute RouteOfFrame(const Frame &frame)
{
    GLint renderMode = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &renderMode);
    return TraceRouteOf(frame, renderMode == GL_RENDER);
}

void TraceCurve(const Frame &frame)
{
    TraceCurve(frame, RouteOfFrame(frame));
}

void TraceCurve(const Frame &frame, const TraceRoute &route)
{
    const FrameGeometry &at = frame.at;
    const CurveRow *curve = frame.Curve();
    glPushMatrix();
    glColor3f(0.0, 0.45, 0.0);
    // From here a vertex is in pixels relative to the world origin.
    glTranslatef(at.originX, at.originY, 0.0f);
    SetPointSize(float(1.1 * at.pixelRatio));
    glEnable(GL_POINT_SMOOTH);
    {
        TracePoints points(route, at.originX, at.originY);
        const double unit = double(at.unitPixels);
        if (curve && curve->typed) {
            TypedCurveVertices(*curve->typed, frame.scene, unit, points);
        } else if (curve) {
            ForEachSample(frame.scene.tMin, frame.scene.tMax, [&](float t) {
                const CurvePoint q = CurvePosition(curve->kind, t);
                // World y grows upward, window y downward.
                points.Add(float(double(q.x) * unit), float(-(double(q.y) * unit)));
            });
        }
    }
    glPopMatrix();
}

void DrawLightlikePoints(const Frame &frame)
{
    const CurveRow *curve = frame.Curve();
    glColor3f(1.0, 0.0, 0.0);
    if (!curve)
        return;
    if (curve->typed) {
        DrawTypedLightlikePoints(*curve->typed, frame.scene, frame.at);
        return;
    }
    // A marker is drawn when its parameter lies in [tMin, tMax], ends included.
    const double from = double(frame.scene.tMin);
    const double to = double(frame.scene.tMax);
    for (const LightlikeMarker &m : curve->lightlike) {
        if (from <= m.gate && m.gate <= to)
            DrawPoint(frame.at, m.x, m.y);
    }
}
