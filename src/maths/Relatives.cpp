#include "maths/Relatives.h"

#include <algorithm>
#include <cmath>

#include "maths/Curves.h"

namespace {

SeriesPoint PointAs(double x, double y, int order)
{
    return {TaylorSeries::Constant(x, order), TaylorSeries::Constant(y, order)};
}

}  // namespace

SeriesPoint PedalOf(const SeriesPoint &q, Plane plane, double px, double py)
{
    return relative_formulas::Pedal(q, PointAs(px, py, q.x.order), relative_formulas::PlaneSign(plane));
}

int DerivativesNeeded(const Relative &relative)
{
    switch (relative.kind) {
    case RelativeKind::Evolute:
        return 2;
    case RelativeKind::Catacaustic:
        return 3;
    case RelativeKind::IteratedPedal:
        return relative.stages;
    default:
        return 1;
    }
}

SeriesPoint RelativeOf(const SeriesPoint &q, const Relative &relative, Plane plane, double px, double py)
{
    return relative_formulas::Of(q, relative, PointAs(px, py, q.x.order), relative_formulas::PlaneSign(plane));
}

namespace {

// The curve's series at sample i of a table: derivatives up to `order`.
SeriesPoint SeriesAt(const JetTable &table, size_t i, int order)
{
    SeriesPoint q;
    q.x.order = q.y.order = order;
    double factorial = 1;
    for (int k = 0; k <= order; ++k) {
        if (k > 1)
            factorial *= k;
        const PlanePoint d = table.At(i, k);
        q.x.c[size_t(k)] = d.x / factorial;
        q.y.c[size_t(k)] = d.y / factorial;
    }
    return q;
}

SeriesPoint SeriesOf(const PlaneJet &jet)
{
    SeriesPoint q;
    q.x.order = q.y.order = int(jet.derivatives.size()) - 1;
    double factorial = 1;
    for (size_t k = 0; k < jet.derivatives.size(); ++k) {
        if (k > 1)
            factorial *= double(k);
        q.x.c[k] = jet.derivatives[k].x / factorial;
        q.y.c[k] = jet.derivatives[k].y / factorial;
    }
    return q;
}

RelativeSample SampleOf(const SeriesPoint &q, const Relative &relative, const Scene &scene)
{
    const SeriesPoint r = RelativeOf(q, relative, scene.plane, scene.pedalX, scene.pedalY);
    const RelativeSample s{true, r.x.c[0], r.y.c[0], r.x.c[1], r.y.c[1]};
    const bool finite = std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.vx) && std::isfinite(s.vy);
    return finite ? s : RelativeSample{false, 0, 0, 0, 0};
}

}  // namespace

RelativeTrace::RelativeTrace(const CurveRow &curveRow, const Scene &sceneOfTrace, const Relative &kind)
    : curve(curveRow), scene(sceneOfTrace), relative(kind),
      table(curveRow.formulas->TableFor(sceneOfTrace.tMin, sceneOfTrace.tMax, DerivativesNeeded(kind)))
{
}

RelativePoint RelativeTrace::At(size_t i) const
{
    const SeriesPoint r =
        RelativeOf(SeriesAt(*table, i, DerivativesNeeded(relative)), relative, scene.plane, scene.pedalX, scene.pedalY);
    const double x = r.x.c[0], y = r.y.c[0];
    return std::isfinite(x) && std::isfinite(y) ? RelativePoint{true, x, y} : RelativePoint{false, 0, 0};
}

std::vector<RelativePoint> RelativeSamples(const CurveRow &curve, const Scene &scene, const Relative &relative)
{
    const RelativeTrace trace(curve, scene, relative);
    std::vector<RelativePoint> points;
    for (size_t i = 0; i < trace.Count(); ++i)
        points.push_back(trace.At(i));
    return points;
}

std::vector<double> SingularParameters(const CurveRow &curve, const Scene &scene, const Relative &relative,
                                       const std::vector<RelativePoint> &samples)
{
    std::vector<size_t> indices(samples.size());
    for (size_t i = 0; i < indices.size(); ++i)
        indices[i] = i;
    return RelativeTrace(curve, scene, relative).Cusps(indices, samples);
}

RelativeSample RelativeAt(const CurveRow &curve, const Scene &scene, const Relative &relative, double t)
{
    const PlaneJet jet = JetAt(curve, t, DerivativesNeeded(relative) + 1);
    if (!jet.defined)
        return {false, 0, 0, 0, 0};
    return SampleOf(SeriesOf(jet), relative, scene);
}

namespace {

double Speed(const RelativeSample &s)
{
    return std::hypot(s.vx, s.vy);
}

// Where the velocity's part along (ux, uy) crosses zero between lo and hi.
double TurnBetween(const CurveRow &curve, const Scene &scene, const Relative &relative, double lo, double hi, double ux,
                   double uy)
{
    for (int step = 0; step < 60 && hi - lo > 1e-12; ++step) {
        const double mid = 0.5 * (lo + hi);
        const RelativeSample m = RelativeAt(curve, scene, relative, mid);
        if (!m.defined)
            break;
        (m.vx * ux + m.vy * uy > 0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

}  // namespace

std::vector<double> RelativeTrace::Cusps(const std::vector<size_t> &indices,
                                         const std::vector<RelativePoint> &samples) const
{
    std::vector<double> found;
    if (!table)
        return found;
    const std::vector<float> &ts = table->t;
    const size_t count = std::min(samples.size(), indices.size());
    auto t = [&](size_t k) { return double(ts[indices[k]]); };
    // A cusp on the range's first sample has no sample before it to turn from.
    if (count > 0 && samples[0].defined) {
        const RelativeSample start = RelativeAt(curve, scene, relative, t(0));
        if (start.defined && Speed(start) == 0)
            found.push_back(t(0));
    }
    for (size_t i = 1; i + 1 < count; ++i) {
        const RelativePoint &a = samples[i - 1], &b = samples[i], &c = samples[i + 1];
        if (!a.defined || !b.defined || !c.defined)
            continue;
        const double ux = b.x - a.x, uy = b.y - a.y;
        const double wx = c.x - b.x, wy = c.y - b.y;
        // A relative that stands still (the evolute of a circle) has no cusp to show.
        const double still = 1e-12 * (1 + std::hypot(b.x, b.y));
        if (std::hypot(ux, uy) <= still && std::hypot(wx, wy) <= still)
            continue;
        if (ux * wx + uy * wy >= 0)
            continue;
        const double turn = TurnBetween(curve, scene, relative, t(i - 1), t(i + 1), ux, uy);
        const RelativeSample at = RelativeAt(curve, scene, relative, turn);
        // A turn through a pole (the evolute at an inflection) is no cusp.
        const double pace = std::hypot(ux, uy) / (t(i) - t(i - 1));
        if (at.defined && Speed(at) < 1e-3 * pace && (found.empty() || turn - found.back() > 1e-9))
            found.push_back(turn);
        if (int(found.size()) >= MostSingularPoints)
            break;
    }
    return found;
}
