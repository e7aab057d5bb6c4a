#include "maths/CurveFormulas.h"

#include <algorithm>
#include <cmath>
#include <ginac/ginac.h>
#include <mutex>

#include "maths/CurveProgram.h"
#include "maths/FormulaParser.h"
#include "maths/Sampling.h"

struct CurveFormulas::Parts {
    GiNaC::ex t;  // the variable, held as an expression: a symbol lives on the heap
    const GiNaC::symbol &Variable() const { return GiNaC::ex_to<GiNaC::symbol>(t); }
    std::mutex guard;
    std::vector<GiNaC::ex> x, y;            // [k]: the k-th derivatives worked out so far
    std::vector<CurveProgram> programs;     // [k]: a program of x^(k), y^(k)
    bool tooLarge = false;                  // the next order could not be worked out
    std::shared_ptr<const JetTable> table;  // the last range's samples
    // Programs up to this order, worked out where they are missing.
    bool Reach(int order);
};

namespace {

// The next order of both formulas; false where exact arithmetic on their
// constants overflows.
bool Differentiate(CurveFormulas::Parts &parts)
{
    try {
        parts.x.push_back(parts.x.back().diff(parts.Variable()));
        parts.y.push_back(parts.y.back().diff(parts.Variable()));
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

}  // namespace

std::shared_ptr<const CurveFormulas> CurveFormulas::Parse(const std::string &x, const std::string &y,
                                                          std::string &error)
{
    const GiNaC::realsymbol t("t");
    const FormulaParse first = ParseFormula(x, t, {"t"});
    const FormulaParse second = first.ok ? ParseFormula(y, t, {"t"}) : first;
    if (!second.ok) {
        error = second.error;
        return nullptr;
    }
    return std::make_shared<CurveFormulas>(first.expression, second.expression, t);
}

CurveFormulas::CurveFormulas(const GiNaC::ex &x, const GiNaC::ex &y, const GiNaC::symbol &t)
    : parts(std::make_unique<Parts>())
{
    parts->t = t;
    parts->x.push_back(x);
    parts->y.push_back(y);
}

CurveFormulas::~CurveFormulas() = default;

GiNaC::ex CurveFormulas::X() const
{
    std::lock_guard<std::mutex> lock(parts->guard);
    return parts->x.front();
}

GiNaC::ex CurveFormulas::Y() const
{
    std::lock_guard<std::mutex> lock(parts->guard);
    return parts->y.front();
}

GiNaC::ex CurveFormulas::Variable() const
{
    return parts->t;
}

bool CurveFormulas::Parts::Reach(int order)
{
    while (int(programs.size()) <= order) {
        const size_t k = programs.size();
        if (tooLarge)
            return false;
        if (k >= x.size() && !Differentiate(*this)) {
            tooLarge = true;
            return false;
        }
        CurveProgram program;
        std::string error;
        if (TreeSize(x[k], LargestDerivative) > LargestDerivative ||
            TreeSize(y[k], LargestDerivative) > LargestDerivative ||
            !CurveProgram::Compile({x[k], y[k]}, Variable(), program, error)) {
            tooLarge = true;
            return false;
        }
        programs.push_back(std::move(program));
    }
    return true;
}

PlaneJet CurveFormulas::JetAt(double t, int order) const
{
    std::lock_guard<std::mutex> lock(parts->guard);
    if (!parts->Reach(order))
        return {};
    PlaneJet jet;
    jet.defined = true;
    for (int k = 0; k <= order; ++k) {
        PlanePoint d{0, 0};
        double *outputs[2] = {&d.x, &d.y};
        parts->programs[size_t(k)].Run(&t, 1, outputs);
        jet.derivatives.push_back(d);
        jet.defined = jet.defined && std::isfinite(d.x) && std::isfinite(d.y);
    }
    return jet;
}

std::shared_ptr<const JetTable> CurveFormulas::TableFor(float tMin, float tMax, int order) const
{
    std::lock_guard<std::mutex> lock(parts->guard);
    const std::shared_ptr<const JetTable> &last = parts->table;
    if (last && last->tMin == tMin && last->tMax == tMax && last->order >= order)
        return last;
    if (!parts->Reach(order))
        return nullptr;
    auto table = std::make_shared<JetTable>();
    table->tMin = tMin;
    table->tMax = tMax;
    table->order = order;
    ForEachSample(tMin, tMax, [&](float t) { table->t.push_back(t); });
    const size_t count = table->t.size();
    table->values.resize(2 * count * size_t(order + 1));
    double parameters[CurveProgram::Block], xs[CurveProgram::Block], ys[CurveProgram::Block];
    double *outputs[2] = {xs, ys};
    for (size_t first = 0; first < count; first += CurveProgram::Block) {
        const int n = int(std::min<size_t>(CurveProgram::Block, count - first));
        for (int i = 0; i < n; ++i)
            parameters[i] = double(table->t[first + size_t(i)]);
        for (int k = 0; k <= order; ++k) {
            parts->programs[size_t(k)].Run(parameters, n, outputs);
            for (int i = 0; i < n; ++i) {
                const size_t at = 2 * ((first + size_t(i)) * size_t(order + 1) + size_t(k));
                table->values[at] = xs[i];
                table->values[at + 1] = ys[i];
            }
        }
    }
    parts->table = table;
    return table;
}
