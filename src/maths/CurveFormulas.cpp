#include "maths/CurveFormulas.h"

#include <cmath>
#include <ginac/ginac.h>
#include <mutex>

#include "maths/CurveProgram.h"
#include "maths/FormulaParser.h"

namespace {

// A derivative that grows past this many nodes is not worked out: high
// orders of a product grow combinatorially.
constexpr size_t LargestDerivative = 20000;

size_t TreeSize(const GiNaC::ex &e, size_t limit)
{
    size_t size = 1;
    for (size_t i = 0; i < e.nops() && size <= limit; ++i)
        size += TreeSize(e.op(i), limit - size);
    return size;
}

}  // namespace

struct CurveFormulas::Parts {
    GiNaC::ex t;  // the variable, held as an expression: a symbol lives on the heap
    const GiNaC::symbol &Variable() const { return GiNaC::ex_to<GiNaC::symbol>(t); }
    std::mutex guard;
    std::vector<GiNaC::ex> x, y;         // [k]: the k-th derivatives worked out so far
    std::vector<CurveProgram> programs;  // [k]: a program of x^(k), y^(k)
    bool tooLarge = false;               // the next order could not be worked out
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

PlaneJet CurveFormulas::JetAt(double t, int order) const
{
    std::lock_guard<std::mutex> lock(parts->guard);
    PlaneJet jet;
    for (int k = 0; k <= order; ++k) {
        if (size_t(k) >= parts->programs.size()) {
            if (parts->tooLarge)
                return {};
            if (size_t(k) >= parts->x.size() && !Differentiate(*parts)) {
                parts->tooLarge = true;
                return {};
            }
            CurveProgram program;
            std::string error;
            if (TreeSize(parts->x[k], LargestDerivative) > LargestDerivative ||
                TreeSize(parts->y[k], LargestDerivative) > LargestDerivative ||
                !CurveProgram::Compile({parts->x[k], parts->y[k]}, parts->Variable(), program, error)) {
                parts->tooLarge = true;
                return {};
            }
            parts->programs.push_back(std::move(program));
        }
        PlanePoint d{0, 0};
        double *outputs[2] = {&d.x, &d.y};
        parts->programs[size_t(k)].Run(&t, 1, outputs);
        jet.derivatives.push_back(d);
    }
    jet.defined = true;
    for (const PlanePoint &d : jet.derivatives)
        jet.defined = jet.defined && std::isfinite(d.x) && std::isfinite(d.y);
    return jet;
}
