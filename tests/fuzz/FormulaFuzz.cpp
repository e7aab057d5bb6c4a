// Any typed curve: the first byte picks the kind ('0' parametric, '1' graph,
// '2' polar, any byte by its remainder mod 3), the rest is the first formula,
// then after the first newline the second. The build either refuses with a
// reason or gives a curve whose evaluation and analysis on a short range keep
// their promises. Anything else, or a sanitizer report, stops the fuzzer.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "maths/Sampling.h"
#include "maths/TypedCurve.h"

namespace {

// Short enough that every input stays quick: 500 samples.
constexpr float RangeStart = 0.0f;
constexpr float RangeEnd = 0.05f;

void Require(bool promise)
{
    if (!promise)
        std::abort();
}

TypedCurveText TextOf(const uint8_t *data, size_t size)
{
    TypedCurveText text;
    text.kind = static_cast<TypedKind>(data[0] % 3);
    const std::string formulas(reinterpret_cast<const char *>(data + 1), size - 1);
    const size_t newline = formulas.find('\n');
    text.first = formulas.substr(0, newline);
    if (newline != std::string::npos)
        text.second = formulas.substr(newline + 1);
    text.tMin = RangeStart;
    text.tMax = RangeEnd;
    return text;
}

// A jet is defined exactly where all six values are finite.
void CheckJet(const CurveJet &jet)
{
    const bool finite = std::isfinite(jet.x) && std::isfinite(jet.y) && std::isfinite(jet.dx) &&
                        std::isfinite(jet.dy) && std::isfinite(jet.ddx) && std::isfinite(jet.ddy);
    Require(jet.defined == finite);
}

void CheckParameters(const std::vector<double> &parameters, const TypedCurveSamples &samples)
{
    Require(parameters.size() <= size_t(MaxMarkers));
    for (size_t i = 0; i < parameters.size(); ++i) {
        Require(double(samples.tMin) <= parameters[i] && parameters[i] <= double(samples.tMax));
        Require(i == 0 || parameters[i - 1] < parameters[i]);
    }
}

void CheckSamples(const TypedCurve &curve, const TypedCurveSamples &samples)
{
    Require(samples.tMin == RangeStart && samples.tMax == RangeEnd);
    Require(int(samples.samples.size()) == ExactSampleCount(RangeStart, RangeEnd));
    for (const TypedSample &sample : samples.samples)
        CheckJet(sample.jet);
    CheckParameters(samples.lightlike, samples);
    CheckParameters(samples.flat, samples);
    Require(samples.lightlikePoints.size() == samples.lightlike.size());
    const std::shared_ptr<const TypedCurveSamples> again = curve.SamplesFor(RangeStart, RangeEnd);
    Require(again.get() == &samples);  // the same range is not worked out twice
}

void Exercise(const TypedCurve &curve)
{
    for (double t : {0.0, 0.5, -1.0, 1e-3, 3.14159265358979, -1e6, 1e30})
        CheckJet(curve.At(t));
    (void)curve.ThirdDerivative(0.25);
    const std::shared_ptr<const TypedCurveSamples> samples = curve.SamplesFor(RangeStart, RangeEnd);
    Require(samples != nullptr);
    CheckSamples(curve, *samples);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const TypedCurveBuild build = BuildTypedCurve(TextOf(data, size));
    if (!build.curve) {
        Require(!build.error.empty() && (build.field == 0 || build.field == 1));
        return 0;
    }
    Exercise(*build.curve);
    return 0;
}
