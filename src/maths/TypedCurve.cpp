#include "maths/TypedCurve.h"

#include <atomic>
#include <cln/float.h>
#include <cmath>
#include <ginac/ginac.h>

#include "maths/CurveProgram.h"
#include "maths/FormulaParser.h"
#include "maths/Sampling.h"
#include "maths/TypedAnalysis.h"

// The two programs of a typed curve: position, tangent and second derivative
// for every sample, and the third derivative for the few refinements.
struct TypedPrograms {
    CurveProgram jet;    // x, y, x', y', x'', y''
    CurveProgram third;  // x''', y'''
};

namespace {

// Steps of the evaluator per sample: beyond this a range of 200,000 samples
// would keep the window busy for more than about a second.
constexpr int LargestProgram = 2000;

std::string Trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

struct Coordinates {
    GiNaC::ex x, y;
};

struct CoordinatesParse {
    bool ok = false;
    int field = 0;
    std::string error;
    Coordinates coordinates;
};

CoordinatesParse ParseCoordinates(const TypedCurveText &text, const GiNaC::symbol &t)
{
    CoordinatesParse result;
    const bool graph = text.kind == TypedKind::Graph;
    const FormulaParse first = graph ? ParseFormula(text.first, t, {"t", "x"}) : ParseFormula(text.first, t, {"t"});
    if (!first.ok) {
        result.error = first.error;
        return result;
    }
    switch (text.kind) {
    case TypedKind::Parametric: {
        const FormulaParse second = ParseFormula(text.second, t, {"t"});
        if (!second.ok) {
            result.field = 1;
            result.error = second.error;
            return result;
        }
        result.coordinates = {first.expression, second.expression};
        break;
    }
    case TypedKind::Graph:
        result.coordinates = {t, first.expression};
        break;
    case TypedKind::Polar:
        result.coordinates = {first.expression * GiNaC::cos(t), first.expression * GiNaC::sin(t)};
        break;
    }
    result.ok = true;
    return result;
}

// The first three derivatives of e, or false where one is too large.
bool Differentiate(const GiNaC::ex &e, const GiNaC::symbol &t, GiNaC::ex derivatives[3])
{
    GiNaC::ex current = e;
    for (int order = 0; order < 3; ++order) {
        current = current.diff(t);
        if (TreeSize(current, LargestDerivative) > LargestDerivative)
            return false;
        derivatives[order] = current;
    }
    return true;
}

bool AllFinite(const CurveJet &jet)
{
    for (double v : {jet.x, jet.y, jet.dx, jet.dy, jet.ddx, jet.ddy}) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// The jets at the parameters, a block at a time.
std::vector<TypedSample> Evaluate(const CurveProgram &jetProgram, const std::vector<float> &parameters)
{
    std::vector<TypedSample> samples(parameters.size());
    double block[CurveProgram::Block];
    double values[6][CurveProgram::Block];
    double *outputs[6] = {values[0], values[1], values[2], values[3], values[4], values[5]};
    for (size_t from = 0; from < parameters.size(); from += CurveProgram::Block) {
        const int count = int(std::min(parameters.size() - from, size_t(CurveProgram::Block)));
        for (int i = 0; i < count; ++i)
            block[i] = double(parameters[from + size_t(i)]);
        jetProgram.Run(block, count, outputs);
        for (int i = 0; i < count; ++i) {
            TypedSample &sample = samples[from + size_t(i)];
            sample.t = parameters[from + size_t(i)];
            sample.jet = {true, values[0][i], values[1][i], values[2][i], values[3][i], values[4][i], values[5][i]};
            sample.jet.defined = AllFinite(sample.jet);
        }
    }
    return samples;
}

int NextSerial()
{
    static std::atomic<int> serial{0};
    return ++serial;
}

}  // namespace

TypedCurve::TypedCurve(const TypedCurveText &curveText, std::shared_ptr<const TypedPrograms> curvePrograms,
                       std::shared_ptr<const CurveFormulas> formulas)
    : text(curveText), programs(std::move(curvePrograms)), name(TypedCurveName(curveText)), serial(NextSerial())
{
    row.formulas = std::move(formulas);
    row.kind = CurveKind::Typed;
    row.name = name.c_str();
    row.tMin = text.tMin;
    row.tMax = text.tMax;
    row.typed = this;
}

CurveJet TypedCurve::At(double t) const
{
    double values[6];
    double *outputs[6] = {&values[0], &values[1], &values[2], &values[3], &values[4], &values[5]};
    programs->jet.Run(&t, 1, outputs);
    CurveJet jet{true, values[0], values[1], values[2], values[3], values[4], values[5]};
    jet.defined = AllFinite(jet);
    return jet;
}

PlanePoint TypedCurve::ThirdDerivative(double t) const
{
    double x = 0, y = 0;
    double *outputs[2] = {&x, &y};
    programs->third.Run(&t, 1, outputs);
    return {x, y};
}

std::shared_ptr<const TypedCurveSamples> TypedCurve::SamplesFor(float tMin, float tMax) const
{
    std::lock_guard<std::mutex> lock(cacheGuard);
    if (cached && cached->tMin == tMin && cached->tMax == tMax)
        return cached;
    auto made = std::make_shared<TypedCurveSamples>();
    made->tMin = tMin;
    made->tMax = tMax;
    std::vector<float> parameters;
    ForEachSample(tMin, tMax, [&](float t) { parameters.push_back(t); });
    made->samples = Evaluate(programs->jet, parameters);
    AnalyseTypedCurve(*this, *made);
    cached = made;
    return cached;
}

TypedCurveBuild BuildTypedCurve(const TypedCurveText &text)
{
    // A constant below CLN's range becomes zero rather than an exception:
    // GiNaC leaks what it was building when its arithmetic throws.
    static const bool underflowIsZero = (cln::cl_inhibit_floating_point_underflow = true);
    (void)underflowIsZero;
    TypedCurveBuild build;
    const GiNaC::realsymbol t("t");
    try {
        const CoordinatesParse parse = ParseCoordinates(text, t);
        if (!parse.ok) {
            build.field = parse.field;
            build.error = parse.error;
            return build;
        }
        GiNaC::ex dx[3], dy[3];
        const bool xFits = Differentiate(parse.coordinates.x, t, dx);
        if (!xFits || !Differentiate(parse.coordinates.y, t, dy)) {
            // Only a parametric curve has a second formula to blame.
            build.field = xFits && text.kind == TypedKind::Parametric ? 1 : 0;
            build.error = "too large to differentiate";
            return build;
        }
        auto programs = std::make_shared<TypedPrograms>();
        if (!CurveProgram::Compile({parse.coordinates.x, parse.coordinates.y, dx[0], dy[0], dx[1], dy[1]}, t,
                                   programs->jet, build.error) ||
            !CurveProgram::Compile({dx[2], dy[2]}, t, programs->third, build.error))
            return build;
        if (programs->jet.StepCount() > LargestProgram) {
            build.error = "too large to evaluate";
            return build;
        }
        build.curve = std::make_shared<TypedCurve>(
            text, programs, std::make_shared<CurveFormulas>(parse.coordinates.x, parse.coordinates.y, t));
    } catch (const std::exception &) {
        // Exact arithmetic on the formula's constants can overflow.
        build.error = "too large to differentiate";
    }
    return build;
}

std::shared_ptr<const CurveRow> SharedRowOf(const std::shared_ptr<const TypedCurve> &curve)
{
    return curve ? std::shared_ptr<const CurveRow>(curve, &curve->Row()) : nullptr;
}

CurveJet JetOfRow(const CurveRow &row, float t)
{
    if (row.typed)
        return row.typed->At(double(t));
    const CurvePoint q = CurvePosition(row.kind, t);
    const CurvePoint v = CurveTangent(row.kind, t);
    const PlaneVectorD a = CurveSecondDerivative(row.kind, double(t));
    return {true, double(q.x), double(q.y), double(v.x), double(v.y), a.x, a.y};
}

std::string TypedCurveName(const TypedCurveText &text)
{
    switch (text.kind) {
    case TypedKind::Parametric:
        return "x = " + Trimmed(text.first) + ", y = " + Trimmed(text.second);
    case TypedKind::Graph:
        return "y = " + Trimmed(text.first);
    case TypedKind::Polar:
        return "r = " + Trimmed(text.first);
    }
    return std::string();
}
