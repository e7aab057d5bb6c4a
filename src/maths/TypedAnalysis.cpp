#include "maths/TypedAnalysis.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

// A function of t on the samples, and how to evaluate it and its slope anywhere.
struct Sampled {
    std::function<std::optional<double>(const CurveJet &)> value;
    std::function<std::optional<double>(double)> valueAt;
    std::function<std::optional<double>(double)> slopeAt;
};

constexpr double Resolution = 1e-12;  // refinement stops at this width in t

// Bisection of f on [a, b], where f(a) and f(b) have opposite signs.
std::optional<double> Bisect(const std::function<std::optional<double>(double)> &f, double a, double b, double fa)
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
    const std::optional<double> value = f.valueAt(t);
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
            const std::optional<double> t = Bisect(f.valueAt, p.t, run[i + 1].t, p.f);
            if (t && Vanishes(f, *t, std::max(std::fabs(p.f), std::fabs(run[i + 1].f))))
                zeros.push_back(*t);
            continue;
        }
        // A touching zero: |f| smallest here with no change of sign, and the
        // slope changing sign between the neighbours.
        if (i == 0 || i + 1 == n)
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

// Zeros of f over the samples and the range's end; an undefined sample
// splits the samples into runs.
std::vector<double> ZerosOf(const Sampled &f, const TypedCurve &curve, const TypedCurveSamples &samples)
{
    std::vector<double> zeros;
    std::vector<Point> run;
    auto flush = [&] {
        ZerosOf(f, run, zeros);
        run.clear();
    };
    auto add = [&](double t, const CurveJet &jet) {
        const std::optional<double> value = jet.defined ? f.value(jet) : std::nullopt;
        if (value)
            run.push_back({t, *value});
        else
            flush();
    };
    for (const TypedSample &sample : samples.samples)
        add(double(sample.t), sample.jet);
    if (!samples.samples.empty())
        add(double(samples.tMax), curve.At(double(samples.tMax)));
    flush();
    return zeros;
}

std::optional<double> Finite(double v)
{
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

// x' - sign y', whose zeros are the lightlike points for sign = +1 and -1.
Sampled LightlikeFactor(const TypedCurve &curve, double sign)
{
    Sampled f;
    f.value = [sign](const CurveJet &j) { return Finite(j.dx - sign * j.dy); };
    f.valueAt = [&curve, sign](double t) {
        const CurveJet j = curve.At(t);
        return j.defined ? Finite(j.dx - sign * j.dy) : std::nullopt;
    };
    f.slopeAt = [&curve, sign](double t) {
        const CurveJet j = curve.At(t);
        return j.defined ? Finite(j.ddx - sign * j.ddy) : std::nullopt;
    };
    return f;
}

Sampled CurvatureNumerator(const TypedCurve &curve)
{
    Sampled f;
    f.value = [](const CurveJet &j) { return Finite(j.dx * j.ddy - j.ddx * j.dy); };
    f.valueAt = [&curve](double t) {
        const CurveJet j = curve.At(t);
        return j.defined ? Finite(j.dx * j.ddy - j.ddx * j.dy) : std::nullopt;
    };
    f.slopeAt = [&curve](double t) {
        const CurveJet j = curve.At(t);
        const PlanePoint third = curve.ThirdDerivative(t);
        return j.defined ? Finite(j.dx * third.y - third.x * j.dy) : std::nullopt;
    };
    return f;
}

double Length(double x, double y)
{
    return std::hypot(x, y);
}

// The tangent vector vanishes (next to the second derivative): a cusp.
bool IsCusp(const CurveJet &j)
{
    return Length(j.dx, j.dy) <= 1e-7 * Length(j.ddx, j.ddy);
}

bool IsLightlike(const TypedCurve &curve, double t)
{
    const CurveJet j = curve.At(t);
    if (!j.defined || !IsCusp(j))
        return true;
    return std::fabs(j.ddx * j.ddx - j.ddy * j.ddy) <= 1e-9 * (j.ddx * j.ddx + j.ddy * j.ddy);
}

bool IsFlat(const TypedCurve &curve, double t)
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

void AnalyseTypedCurve(const TypedCurve &curve, TypedCurveSamples &samples)
{
    std::vector<double> lightlike = ZerosOf(LightlikeFactor(curve, 1), curve, samples);
    const std::vector<double> other = ZerosOf(LightlikeFactor(curve, -1), curve, samples);
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

    std::vector<double> flat = ZerosOf(CurvatureNumerator(curve), curve, samples);
    SortUnique(flat);
    flat = Filtered(flat, [&](double t) { return IsFlat(curve, t); });
    if (flat.size() > size_t(MaxMarkers))
        flat.resize(size_t(MaxMarkers));
    samples.flat = flat;
}

bool SamePoint(double qx, double qy, double px, double py)
{
    return Length(qx - px, qy - py) <= 1e-6 * (1 + Length(px, py));
}

std::vector<double> PassagesThrough(const TypedCurve &curve, const TypedCurveSamples &samples, double px, double py,
                                    double from, double to)
{
    // The distance to P is least where <Q - P, V> turns from negative to positive.
    Sampled f;
    f.value = [px, py](const CurveJet &j) { return Finite((j.x - px) * j.dx + (j.y - py) * j.dy); };
    f.valueAt = [&curve, px, py](double t) {
        const CurveJet j = curve.At(t);
        return j.defined ? Finite((j.x - px) * j.dx + (j.y - py) * j.dy) : std::nullopt;
    };
    f.slopeAt = [](double) { return std::optional<double>(); };  // a passage is a sign change
    std::vector<double> passages;
    std::vector<Point> run;
    auto s = std::lower_bound(samples.samples.begin(), samples.samples.end(), from - 1e-4,
                              [](const TypedSample &sample, double t) { return double(sample.t) < t; });
    for (; s != samples.samples.end() && double(s->t) <= to + 1e-4; ++s) {
        const std::optional<double> value = s->jet.defined ? f.value(s->jet) : std::nullopt;
        if (value) {
            run.push_back({double(s->t), *value});
            continue;
        }
        ZerosOf(f, run, passages);
        run.clear();
    }
    ZerosOf(f, run, passages);
    return Filtered(passages, [&](double t) {
        const CurveJet j = curve.At(t);
        return from <= t && t <= to && j.defined && SamePoint(j.x, j.y, px, py);
    });
}
