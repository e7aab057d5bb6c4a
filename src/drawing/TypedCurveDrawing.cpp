#include "drawing/TypedCurveDrawing.h"

#include <GL/gl.h>
#include <cmath>

#include "drawing/PlotArea.h"
#include "drawing/Primitives.h"
#include "drawing/TracePoints.h"
#include "maths/TypedCurve.h"
#include "maths/TypedPedal.h"
#include "model/Scene.h"

namespace {

std::shared_ptr<const TypedCurveSamples> SamplesOfRange(const TypedCurve &curve, const Scene &scene)
{
    return curve.SamplesFor(scene.tMin, scene.tMax);
}

// Points added between samples, at most, in one trace: enough to join the
// pedal curve of y = sin 20t, and a bounded cost in any frame.
constexpr int RefinementBudget = 50000;
// Halvings of a sample step, at most: from 0.0001 to about 1e-11. A stretch
// still wider than a pixel then runs off to infinity (an asymptote) or
// jumps: it stays a gap.
constexpr int DeepestHalving = 24;

// A trace point in client pixels from the world origin (world y grows
// upward, window y downward), or none.
struct TracePoint {
    bool defined;
    double x, y;
};

// Joins a typed trace where neighbouring samples land more than a device
// pixel apart: points of the curve itself are added between them, halving
// the parameter step, where the stretch may cross the picture.
template <class PointOf>
class Refinement {
public:
    Refinement(const TypedCurve &of, PointOf pointFor, TracePoints &into)
        : curve(of), pointOf(pointFor), points(into), devicePixels(into.PixelRatio())
    {
    }

    void Trace(const std::vector<TypedSample> &samples)
    {
        bool hasLast = false;
        double lastT = 0;
        TracePoint last{false, 0, 0};
        for (const TypedSample &sample : samples) {
            const TracePoint point = pointOf(sample.jet);
            if (!point.defined) {
                points.Gap();
                hasLast = false;
                continue;
            }
            if (hasLast)
                Between(lastT, last, sample.t, point, 0);
            points.Add(float(point.x), float(point.y));
            hasLast = true;
            lastT = sample.t;
            last = point;
        }
    }

private:
    void Between(double t0, TracePoint p0, double t1, TracePoint p1, int depth)
    {
        // Squared, in device pixels: no root for each of a trace's samples.
        const double dx = (p1.x - p0.x) * devicePixels, dy = (p1.y - p0.y) * devicePixels;
        if (!(dx * dx + dy * dy > 1) || !points.MayShow(float(p0.x), float(p0.y), float(p1.x), float(p1.y)))
            return;
        const double middle = t0 + (t1 - t0) / 2;
        if (depth == DeepestHalving || budget == 0 || !(t0 < middle && middle < t1)) {
            points.Gap();
            return;
        }
        --budget;
        const TracePoint point = pointOf(curve.At(middle));
        if (!point.defined) {
            points.Gap();  // the curve has no point here: a true gap
            return;
        }
        Between(t0, p0, middle, point, depth + 1);
        points.Add(float(point.x), float(point.y));
        Between(middle, point, t1, p1, depth + 1);
    }

    const TypedCurve &curve;
    PointOf pointOf;
    TracePoints &points;
    double devicePixels;  // device pixels per client pixel
    int budget = RefinementBudget;
};

template <class PointOf>
void TraceRefined(const TypedCurve &curve, const Scene &scene, PointOf pointOf, TracePoints &points)
{
    Refinement<PointOf>(curve, pointOf, points).Trace(SamplesOfRange(curve, scene)->samples);
}

}  // namespace

void TypedCurveVertices(const TypedCurve &curve, const Scene &scene, double unit, TracePoints &points)
{
    TraceRefined(
        curve, scene,
        [unit](const CurveJet &jet) {
            return TracePoint{jet.defined, jet.x * unit, -(jet.y * unit)};
        },
        points);
}

void TypedPedalVertices(const TypedCurve &curve, const Scene &scene, double unit, TracePoints &points)
{
    const Plane plane = scene.plane;
    const double px = double(scene.pedalX);
    const double py = double(scene.pedalY);
    TraceRefined(
        curve, scene,
        [=](const CurveJet &jet) {
            const Foot foot = FootOfJet(jet, plane, px, py);
            return TracePoint{foot.hasPoint, double(foot.x) * unit, -(double(foot.y) * unit)};
        },
        points);
}

void DrawTypedLightlikePoints(const TypedCurve &curve, const Scene &scene, const FrameGeometry &at)
{
    for (const PlanePoint &point : SamplesOfRange(curve, scene)->lightlikePoints)
        DrawPoint(at, float(point.x), float(point.y));
}

std::vector<SingularMark> TypedSingularMarks(const TypedCurve &curve, const Scene &scene)
{
    return TypedSingularMarksAt(curve, *SamplesOfRange(curve, scene), scene.plane, scene.pedalX, scene.pedalY,
                                scene.currentT, ReachAcross(scene));
}
