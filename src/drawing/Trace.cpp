#include "drawing/Trace.h"

#include <GL/gl.h>

#include "drawing/Primitives.h"
#include "drawing/TracePoints.h"
#include "drawing/TypedCurveDrawing.h"
#include "drawing/VectorMarks.h"
#include "maths/Curves.h"
#include "maths/Sampling.h"
#include "model/PlotState.h"

void TraceCurve(const CurveRow *curve, const TraceRoute &route)
{
    glPushMatrix();
    glColor3f(0.0, 0.45, 0.0);
    // From here a vertex is in pixels relative to the world origin.
    glTranslatef(plot.originX, plot.originY, 0.0f);
    SetPointSize(float(1.1 * plot.pixelRatio));
    glEnable(GL_POINT_SMOOTH);
    {
        TracePoints points(route, plot.originX, plot.originY);
        if (curve && curve->typed) {
            TypedCurveVertices(*curve->typed, double(plot.unitPixels), points);
        } else if (curve) {
            const double unit = double(plot.unitPixels);
            ForEachSample(plot.tMin, plot.tMax, [&](float t) {
                const CurvePoint q = CurvePosition(curve->kind, t);
                // World y grows upward, window y downward.
                points.Add(float(double(q.x) * unit), float(-(double(q.y) * unit)));
            });
        }
    }
    glPopMatrix();
}

void DrawLightlikePoints(const CurveRow *curve)
{
    glColor3f(1.0, 0.0, 0.0);
    if (!curve)
        return;
    if (curve->typed) {
        DrawTypedLightlikePoints(*curve->typed);
        return;
    }
    // A marker is drawn when its parameter lies in [tMin, tMax], ends included.
    const double from = double(plot.tMin);
    const double to = double(plot.tMax);
    for (const LightlikeMarker &m : curve->lightlike) {
        if (from <= m.gate && m.gate <= to)
            DrawPoint(m.x, m.y);
    }
}
