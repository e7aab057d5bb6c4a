#include "maths/TypedAnalysis.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

using Function = std::function<std::optional<double>(double)>;

// A function of t, given by its value on a jet, with the curve it is
// evaluated on anywhere, and its slope where a touching zero needs it.
struct Sampled {
    const JetSource &curve;
    std::function<std::optional<double>(const CurveJet &)> value;
    Function slopeAt;  // empty: sign changes only

    std::optional<double> Of(const CurveJet &jet) const { return jet.defined ? value(jet) : std::nullopt; }
    std::optional<double> At(double t) const { return Of(curve.At(t)); }
};

constexpr double Resolution = 1e-12;  // refinement stops at this width in t

// Bisection of f on [a, b], where f(a) and f(b) have opposite signs.
std::optional<double> Bisect(const Function &f, double a, double b, double fa)
{
    while (b - a > Resolution) {
        const double middle = 0.5 * (a + b);
        if (middle <= a || middle >= b)
            break;
        const std::optional<double> fm = f(middle);
        if (!fm)
            return std::nullopt;
        if (*fm == 0)
            return middle;
        if ((*fm < 0) == (fa < 0)) {
            a = middle;
            fa = *fm;
        } else {
            b = middle;
        }
    }
    return 0.5 * (a + b);
}

// The refined zero is real when f there is tiny next to f at the samples
// around it: a sign change across a pole, or a near miss, is not.
bool Vanishes(const Sampled &f, double t, double around)
{
    const std::optional<double> value = f.At(t);
    return value && std::fabs(*value) <= 1e-6 * around;
}

struct Point {
    double t;
    double f;
};

void ZerosOf(const Sampled &f, const std::vector<Point> &run, std::vector<double> &zeros)
{
    const size_t n = run.size();
    for (size_t i = 0; i < n; ++i) {
        const Point &p = run[i];
        if (p.f == 0) {
            // A stretch where f is zero throughout has no single zero to mark.
            const bool alone = (i == 0 || run[i - 1].f != 0) && (i + 1 == n || run[i + 1].f != 0);
            if (alone)
                zeros.push_back(p.t);
            continue;
        }
        if (i + 1 < n && run[i + 1].f != 0 && (p.f < 0) != (run[i + 1].f < 0)) {
            const std::optional<double> t = Bisect([&f](double u) { return f.At(u); }, p.t, run[i + 1].t, p.f);
            if (t && Vanishes(f, *t, std::max(std::fabs(p.f), std::fabs(run[i + 1].f))))
                zeros.push_back(*t);
            continue;
        }
        // A touching zero: |f| smallest here with no change of sign, and the
        // slope changing sign between the neighbours.
        if (i == 0 || i + 1 == n || !f.slopeAt)
            continue;
        const Point &before = run[i - 1];
        const Point &after = run[i + 1];
        if (!(std::fabs(p.f) < std::fabs(before.f) && std::fabs(p.f) <= std::fabs(after.f)))
            continue;
        if ((before.f < 0) != (p.f < 0) || (after.f < 0) != (p.f < 0) || after.f == 0)
            continue;
        const std::optional<double> slopeBefore = f.slopeAt(before.t);
        const std::optional<double> slopeAfter = f.slopeAt(after.t);
        if (!slopeBefore || !slopeAfter || *slopeBefore == 0 || (*slopeBefore < 0) == (*slopeAfter < 0))
            continue;
        const std::optional<double> t = Bisect(f.slopeAt, before.t, after.t, *slopeBefore);
        if (t && Vanishes(f, *t, std::max(std::fabs(before.f), std::fabs(after.f))))
            zeros.push_back(*t);
    }
}

// Zeros of f over the samples [first, last), and at `end` after them when
// given; an undefined sample splits the samples into runs.
template <class Samples>
std::vector<double> ZerosOf(const Sampled &f, Samples first, Samples last, std::optional<double> end = std::nullopt)
{
    std::vector<double> zeros;
    std::vector<Point> run;
    auto add = [&](double t, std::optional<double> value) {
        if (value) {
            run.push_back({t, *value});
            return;
        }
        ZerosOf(f, run, zeros);
        run.clear();
    };
    for (Samples s = first; s != last; ++s)
        add(double(s->t), f.Of(s->jet));
    if (end && first != last)
        add(*end, f.At(*end));
    add(0, std::nullopt);
    return zeros;
}

std::vector<double> ZerosOf(const Sampled &f, const TypedCurveSamples &samples)
{
    return ZerosOf(f, samples.samples.begin(), samples.samples.end(), double(samples.tMax));
}

std::optional<double> Finite(double v)
{
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

// x' - sign y', whose zeros are the lightlike points for sign = +1 and -1.
Sampled LightlikeFactor(const JetSource &curve, double sign)
{
    return {curve, [sign](const CurveJet &j) { return Finite(j.dx - sign * j.dy); },
            [&curve, sign](double t) {
                const CurveJet j = curve.At(t);
                return j.defined ? Finite(j.ddx - sign * j.ddy) : std::nullopt;
            }};
}

Sampled CurvatureNumerator(const JetSource &curve)
{
    return {curve, [](const CurveJet &j) { return Finite(j.dx * j.ddy - j.ddx * j.dy); },
            [&curve](double t) {
                const CurveJet j = curve.At(t);
                const PlanePoint third = curve.ThirdDerivative(t);
                return j.defined ? Finite(j.dx * third.y - third.x * j.dy) : std::nullopt;
            }};
}

double Length(double x, double y)
{
    return std::hypot(x, y);
}

bool IsLightlike(const JetSource &curve, double t)
{
    const CurveJet j = curve.At(t);
    if (!j.defined || !IsCusp(j))
        return true;
    return std::fabs(j.ddx * j.ddx - j.ddy * j.ddy) <= 1e-9 * (j.ddx * j.ddx + j.ddy * j.ddy);
}

bool IsFlat(const JetSource &curve, double t)
{
    const CurveJet j = curve.At(t);
    if (!j.defined || !IsCusp(j))
        return true;
    const PlanePoint third = curve.ThirdDerivative(t);
    // The tangent line turns at 3/2 (x''y''' - y''x''') / |(x'', y'')|^2 there.
    const double cross = j.ddx * third.y - j.ddy * third.x;
    return std::fabs(cross) <= 1e-9 * (j.ddx * j.ddx + j.ddy * j.ddy);
}

// Ascending, one entry per zero (zeros found twice lie within the resolution).
void SortUnique(std::vector<double> &zeros)
{
    std::sort(zeros.begin(), zeros.end());
    zeros.erase(std::unique(zeros.begin(), zeros.end(), [](double a, double b) { return b - a < 1e-9; }), zeros.end());
}

template <class Keep>
std::vector<double> Filtered(const std::vector<double> &zeros, Keep keep)
{
    std::vector<double> kept;
    for (double t : zeros) {
        if (keep(t))
            kept.push_back(t);
    }
    return kept;
}

}  // namespace

void AnalyseTypedCurve(const JetSource &curve, TypedCurveSamples &samples)
{
    std::vector<double> lightlike = ZerosOf(LightlikeFactor(curve, 1), samples);
    const std::vector<double> other = ZerosOf(LightlikeFactor(curve, -1), samples);
    lightlike.insert(lightlike.end(), other.begin(), other.end());
    SortUnique(lightlike);
    lightlike = Filtered(lightlike, [&](double t) { return IsLightlike(curve, t); });
    if (lightlike.size() > size_t(MaxMarkers))
        lightlike.resize(size_t(MaxMarkers));
    samples.lightlike = lightlike;
    samples.lightlikePoints.clear();
    for (double t : lightlike) {
        const CurveJet j = curve.At(t);
        samples.lightlikePoints.push_back({j.x, j.y});
    }

    std::vector<double> flat = ZerosOf(CurvatureNumerator(curve), samples);
    SortUnique(flat);
    flat = Filtered(flat, [&](double t) { return IsFlat(curve, t); });
    if (flat.size() > size_t(MaxMarkers))
        flat.resize(size_t(MaxMarkers));
    samples.flat = flat;
}

bool IsCusp(const CurveJet &j)
{
    return Length(j.dx, j.dy) <= 1e-7 * Length(j.ddx, j.ddy);
}

bool SamePoint(double qx, double qy, double px, double py)
{
    return Length(qx - px, qy - py) <= 1e-6 * (1 + Length(px, py));
}

std::vector<double> PassagesThrough(const JetSource &curve, const TypedCurveSamples &samples, double px, double py,
                                    double from, double to)
{
    // The distance to P is least where <Q - P, V> turns from negative to positive.
    const Sampled f{curve, [px, py](const CurveJet &j) { return Finite((j.x - px) * j.dx + (j.y - py) * j.dy); },
                    Function()};
    const auto below = [](const TypedSample &sample, double t) { return double(sample.t) < t; };
    const auto first = std::lower_bound(samples.samples.begin(), samples.samples.end(), from - 1e-4, below);
    const auto last = std::lower_bound(first, samples.samples.end(), to + 1e-4, below);
    const std::vector<double> passages = ZerosOf(f, first, last);
    return Filtered(passages, [&](double t) {
        const CurveJet j = curve.At(t);
        return from <= t && t <= to && j.defined && SamePoint(j.x, j.y, px, py);
    });
}
