#include "drawing/TypedCurveDrawing.h"

#include <GL/gl.h>

#include "drawing/Pedal.h"
#include "drawing/Primitives.h"
#include "drawing/TracePoints.h"
#include "maths/TypedCurve.h"
#include "maths/TypedPedal.h"
#include "model/PlotState.h"

namespace {

std::shared_ptr<const TypedCurveSamples> SamplesOfRange(const TypedCurve &curve)
{
    return curve.SamplesFor(plot.tMin, plot.tMax);
}

// World y grows upward, window y downward.
void Vertex(double x, double y, double unit, TracePoints &points)
{
    points.Add(float(x * unit), float(-(y * unit)));
}

}  // namespace

void TypedCurveVertices(const TypedCurve &curve, double unit, TracePoints &points)
{
    for (const TypedSample &sample : SamplesOfRange(curve)->samples) {
        if (sample.jet.defined)
            Vertex(sample.jet.x, sample.jet.y, unit, points);
        else
            points.Gap();
    }
}

void TypedPedalVertices(const TypedCurve &curve, double unit, TracePoints &points)
{
    const Plane plane = SelectedPlane();
    const double px = double(plot.pedalX);
    const double py = double(plot.pedalY);
    for (const TypedSample &sample : SamplesOfRange(curve)->samples) {
        const Foot foot = FootOfJet(sample.jet, plane, px, py);
        if (!foot.hasPoint) {
            points.Gap();
            continue;
        }
        StoreFoot(foot);
        Vertex(double(foot.x), double(foot.y), unit, points);
    }
}

void DrawTypedLightlikePoints(const TypedCurve &curve)
{
    for (const PlanePoint &point : SamplesOfRange(curve)->lightlikePoints)
        DrawPoint(float(point.x), float(point.y));
}

std::vector<SingularMark> TypedSingularMarks(const TypedCurve &curve)
{
    // Twice the view's width and height: the line crosses the whole view
    // from any S inside it.
    const double reach = 2.0 * (double(plot.xMax) - double(plot.xMin) + double(plot.yMax) - double(plot.yMin));
    return TypedSingularMarksAt(curve, *SamplesOfRange(curve), SelectedPlane(), plot.pedalX, plot.pedalY, plot.currentT,
                                reach);
}
