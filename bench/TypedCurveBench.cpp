// Typed curves: building one (parse, three derivatives, compile), evaluating
// its position, tangent and second derivative at 200,000 samples with our
// CurveProgram and with muParser (the alternative), and the samples with
// their analysis. No display needed. Run:
//   build-bench/bench/lumetra_typed_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <muParser.h>
#include <omp.h>
#include <vector>

#include "MuParserEvaluator.h"
#include "maths/CurveProgram.h"
#include "maths/FormulaParser.h"
#include "maths/Sampling.h"
#include "maths/TypedCurve.h"

namespace {

constexpr int SampleCount = 200000;
constexpr float RangeStart = -10.0f;
constexpr int JetOutputs = 6;  // x, y, x', y', x'', y''

TypedCurveText Astroid()
{
    return {TypedKind::Parametric, "cos(t)^3", "sin(t)^3", 0.0f, 6.2831855f};
}

TypedCurveText Flower()
{
    return {TypedKind::Polar, "1 + 0.5*cos(5*t)", "", 0.0f, 6.2831855f};
}

TypedCurveText LongFormula()
{
    return {TypedKind::Parametric, "(1 + 0.3*cos(5*t))*cos(t) + 0.1*sin(11*t)*exp(-t^2/50) - log(2 + sin(t))",
            "(1 + 0.3*cos(5*t))*sin(t) - 0.1*cos(11*t)*sqrt(1 + t^2) + atan(t/3)*tanh(t)", 0.0f, 6.2831855f};
}

// The six expressions a built curve evaluates at every sample, made as
// BuildTypedCurve makes them.
std::vector<GiNaC::ex> JetExpressions(const TypedCurveText &text, const GiNaC::symbol &t)
{
    const FormulaParse first = ParseFormula(text.first, t, {"t"});
    if (!first.ok)
        std::abort();
    GiNaC::ex x = first.expression, y;
    if (text.kind == TypedKind::Parametric) {
        const FormulaParse second = ParseFormula(text.second, t, {"t"});
        if (!second.ok)
            std::abort();
        y = second.expression;
    } else {
        x = first.expression * GiNaC::cos(t);
        y = first.expression * GiNaC::sin(t);
    }
    return {x, y, x.diff(t), y.diff(t), x.diff(t, 2), y.diff(t, 2)};
}

// The first SampleCount parameters of the sequence every trace follows.
std::vector<double> Parameters()
{
    std::vector<double> parameters;
    float t = RangeStart;
    for (int i = 0; i < SampleCount; ++i, t = float(double(t) + SampleStep))
        parameters.push_back(double(t));
    return parameters;
}

struct Outputs {
    std::vector<std::vector<double>> values = std::vector<std::vector<double>>(JetOutputs);
    double *at[JetOutputs];
    explicit Outputs(int count)
    {
        for (int k = 0; k < JetOutputs; ++k) {
            values[size_t(k)].resize(size_t(count));
            at[k] = values[size_t(k)].data();
        }
    }
};

void RunInBlocks(const CurveProgram &program, const std::vector<double> &parameters, Outputs &outputs)
{
    double *at[JetOutputs];
    for (size_t from = 0; from < parameters.size(); from += CurveProgram::Block) {
        const int count = int(std::min(parameters.size() - from, size_t(CurveProgram::Block)));
        for (int k = 0; k < JetOutputs; ++k)
            at[k] = outputs.at[k] + from;
        program.Run(parameters.data() + from, count, at);
    }
}

bool Agree(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    if (std::isinf(a) || std::isinf(b))
        return a == b;
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

// Both evaluators must give the same values before their times mean anything.
void CheckAgreement(const CurveProgram &program, MuParserEvaluator &muParser, std::vector<double> &parameters)
{
    const double probes[] = {-7.3, -1.0, 0.0, 0.5, 2.2, 6.0};
    const std::vector<double> saved = parameters;
    std::copy(std::begin(probes), std::end(probes), parameters.begin());
    const int count = int(std::size(probes));
    Outputs ours(count), theirs(count);
    program.Run(parameters.data(), count, ours.at);
    try {
        muParser.Run(count, theirs.at);
    } catch (const mu::Parser::exception_type &error) {
        std::fprintf(stderr, "muParser: %s in %s\n", error.GetMsg().c_str(), error.GetExpr().c_str());
        std::abort();
    }
    parameters = saved;
    for (int k = 0; k < JetOutputs; ++k) {
        for (int i = 0; i < count; ++i) {
            if (!Agree(ours.values[size_t(k)][size_t(i)], theirs.values[size_t(k)][size_t(i)])) {
                std::fprintf(stderr, "output %d at t = %g: CurveProgram %.17g, muParser %.17g (%s)\n", k, probes[i],
                             ours.values[size_t(k)][size_t(i)], theirs.values[size_t(k)][size_t(i)],
                             muParser.Text(size_t(k)).c_str());
                std::abort();
            }
        }
    }
}

CurveProgram CompiledJet(const std::vector<GiNaC::ex> &expressions, const GiNaC::symbol &t)
{
    CurveProgram program;
    std::string error;
    if (!CurveProgram::Compile(expressions, t, program, error)) {
        std::fprintf(stderr, "CurveProgram: %s\n", error.c_str());
        std::abort();
    }
    return program;
}

// The built curve must give what the program measured here gives.
void CheckAgainstBuild(const TypedCurveText &text, const CurveProgram &program)
{
    const TypedCurveBuild build = BuildTypedCurve(text);
    if (!build.curve)
        std::abort();
    double t = 1.25;
    double values[JetOutputs];
    double *at[JetOutputs] = {&values[0], &values[1], &values[2], &values[3], &values[4], &values[5]};
    program.Run(&t, 1, at);
    const CurveJet jet = build.curve->At(t);
    const double built[JetOutputs] = {jet.x, jet.y, jet.dx, jet.dy, jet.ddx, jet.ddy};
    for (int k = 0; k < JetOutputs; ++k) {
        if (!Agree(values[k], built[k]))
            std::abort();
    }
}

void BM_Build(benchmark::State &state, TypedCurveText text)
{
    for (auto _ : state) {
        const TypedCurveBuild build = BuildTypedCurve(text);
        if (!build.curve)
            std::abort();
        benchmark::DoNotOptimize(build.curve.get());
    }
}

void BM_JetCurveProgram(benchmark::State &state, TypedCurveText text)
{
    const GiNaC::realsymbol t("t");
    const CurveProgram program = CompiledJet(JetExpressions(text, t), t);
    CheckAgainstBuild(text, program);
    const std::vector<double> parameters = Parameters();
    Outputs outputs(SampleCount);
    for (auto _ : state) {
        RunInBlocks(program, parameters, outputs);
        benchmark::ClobberMemory();
    }
    state.counters["steps"] = program.StepCount();
    state.SetItemsProcessed(state.iterations() * SampleCount);
}

void BM_JetMuParser(benchmark::State &state, TypedCurveText text)
{
    const GiNaC::realsymbol t("t");
    const std::vector<GiNaC::ex> expressions = JetExpressions(text, t);
    std::vector<double> parameters = Parameters();
    MuParserEvaluator muParser(expressions, t, parameters.data());
    CheckAgreement(CompiledJet(expressions, t), muParser, parameters);
    Outputs outputs(SampleCount);
    for (auto _ : state) {
        muParser.Run(SampleCount, outputs.at);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * SampleCount);
}

// The end of the range that holds exactly `count` samples from `start`.
float RangeEnd(float start, int count)
{
    float t = start;
    for (int i = 0; i < count; ++i)
        t = float(double(t) + SampleStep);
    return t;
}

void BM_SamplesFor(benchmark::State &state, TypedCurveText text)
{
    const TypedCurveBuild build = BuildTypedCurve(text);
    if (!build.curve)
        std::abort();
    // A curve keeps the samples of its last range: two ranges in turn (of
    // 200,000 and 200,001 samples) make every call work them out afresh.
    const float ends[2] = {RangeEnd(RangeStart, SampleCount),
                           std::nextafter(RangeEnd(RangeStart, SampleCount), INFINITY)};
    size_t markers = 0;
    int call = 0;
    for (auto _ : state) {
        const auto samples = build.curve->SamplesFor(RangeStart, ends[call++ % 2]);
        markers = samples->lightlike.size() + samples->flat.size();
        benchmark::DoNotOptimize(markers);
    }
    state.counters["markers"] = double(markers);
}

BENCHMARK_CAPTURE(BM_Build, astroid, Astroid())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Build, polar_flower, Flower())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Build, long_formula, LongFormula())->Unit(benchmark::kMillisecond);

// The two evaluators in turn, so both see the same machine load.
BENCHMARK_CAPTURE(BM_JetCurveProgram, astroid, Astroid())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JetMuParser, astroid, Astroid())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JetCurveProgram, polar_flower, Flower())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JetMuParser, polar_flower, Flower())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JetCurveProgram, long_formula, LongFormula())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JetMuParser, long_formula, LongFormula())->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_SamplesFor, astroid, Astroid())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SamplesFor, polar_flower, Flower())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SamplesFor, long_formula, LongFormula())->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    // muParser's bulk mode spreads a call over OpenMP threads; the
    // comparison is one core against one core.
    omp_set_num_threads(1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
