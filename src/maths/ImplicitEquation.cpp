#include "maths/ImplicitEquation.h"

#include <cmath>

#include "maths/FormulaPrinter.h"

namespace {

using GiNaC::ex;

// Whether e is built of the parameter, numbers, + - * / and whole powers only.
bool IsRational(const ex &e, const ex &u)
{
    if (GiNaC::is_a<GiNaC::numeric>(e))
        return GiNaC::ex_to<GiNaC::numeric>(e).is_rational();
    if (e == u)
        return true;
    if (GiNaC::is_a<GiNaC::add>(e) || GiNaC::is_a<GiNaC::mul>(e)) {
        for (size_t i = 0; i < e.nops(); ++i) {
            if (!IsRational(e.op(i), u))
                return false;
        }
        return true;
    }
    if (GiNaC::is_a<GiNaC::power>(e))
        return GiNaC::is_a<GiNaC::numeric>(e.op(1)) && GiNaC::ex_to<GiNaC::numeric>(e.op(1)).is_integer() &&
               IsRational(e.op(0), u);
    return false;
}

// cos t and sin t of the parameter itself as rational functions of u = tan(t/2).
ex HalfAngle(const ex &e, const ex &t, const ex &u)
{
    const ex denominator = 1 + u * u;
    return e.subs(GiNaC::lst{GiNaC::cos(t) == (1 - u * u) / denominator, GiNaC::sin(t) == 2 * u / denominator});
}

// cosh t, sinh t and e^t as rational functions of w = e^t.
ex Exponential(const ex &e, const ex &t, const ex &w)
{
    return e.subs(GiNaC::lst{GiNaC::cosh(t) == (w * w + 1) / (2 * w), GiNaC::sinh(t) == (w * w - 1) / (2 * w),
                             GiNaC::exp(t) == w});
}

// The value of F at the curve's point at t, relative to F's size there.
double Residual(const ex &f, const ex &xs, const ex &ys, const ex &x, const ex &y, const ex &t, double at)
{
    const ex px = xs.subs(t == at).evalf(), py = ys.subs(t == at).evalf();
    if (!GiNaC::is_a<GiNaC::numeric>(px) || !GiNaC::is_a<GiNaC::numeric>(py))
        return INFINITY;
    const ex value = f.subs(GiNaC::lst{x == px, y == py}).evalf();
    if (!GiNaC::is_a<GiNaC::numeric>(value))
        return INFINITY;
    // The size of F's terms at the point: a root of F makes them cancel.
    double scale = 1;
    const ex expanded = f.expand();
    for (size_t i = 0; GiNaC::is_a<GiNaC::add>(expanded) && i < expanded.nops(); ++i) {
        const ex term = expanded.op(i).subs(GiNaC::lst{x == px, y == py}).evalf();
        if (GiNaC::is_a<GiNaC::numeric>(term))
            scale += std::abs(GiNaC::ex_to<GiNaC::numeric>(term).to_double());
    }
    return std::abs(GiNaC::ex_to<GiNaC::numeric>(value).to_double()) / scale;
}

const double SampleParameters[] = {-1.9, -0.7, 0.3, 1.1, 2.6};

bool VanishesOnTheCurve(const ex &f, const ex &xs, const ex &ys, const ex &x, const ex &y, const ex &t)
{
    int checked = 0;
    for (double at : SampleParameters) {
        const double r = Residual(f, xs, ys, x, y, t, at);
        if (std::isinf(r))
            continue;  // no point of the curve there
        if (r > 1e-9)
            return false;
        ++checked;
    }
    return checked >= 3;
}

}  // namespace

ImplicitEquation ImplicitEquationOf(const ex &xs, const ex &ys, const ex &t)
{
    ImplicitEquation result;
    try {
        if (!xs.has(t) && !ys.has(t)) {
            result.problem = "a single point";
            return result;
        }
        const GiNaC::symbol u("u");
        const GiNaC::symbol w("w");
        const ex hx = HalfAngle(xs, t, u).normal(), hy = HalfAngle(ys, t, u).normal();
        const ex ex_ = Exponential(xs, t, w).normal(), ey = Exponential(ys, t, w).normal();
        ex qx, qy, v;
        if (IsRational(hx, u) && IsRational(hy, u)) {
            qx = hx, qy = hy, v = u;
        } else if (IsRational(ex_, w) && IsRational(ey, w)) {
            qx = ex_, qy = ey, v = w;
        } else if (IsRational(xs.normal(), t) && IsRational(ys.normal(), t)) {
            qx = xs.normal(), qy = ys.normal(), v = t;
        } else {
            result.problem = "not algebraic";
            return result;
        }
        const GiNaC::symbol &parameter = GiNaC::ex_to<GiNaC::symbol>(v);
        const ex nx = qx.numer_denom(), ny = qy.numer_denom();
        const ex first = (result.x * nx.op(1) - nx.op(0)).expand();
        const ex second = (result.y * ny.op(1) - ny.op(0)).expand();
        if (first.degree(parameter) + second.degree(parameter) > MostEliminationDegree) {
            result.problem = "too large";
            return result;
        }
        const ex eliminated = first.degree(v) == 0    ? first
                              : second.degree(v) == 0 ? second
                                                      : GiNaC::resultant(first, second, v);
        const ex factored = GiNaC::factor(eliminated.expand());
        const ex factors = GiNaC::is_a<GiNaC::mul>(factored) ? factored : ex(GiNaC::lst{factored});
        for (size_t i = 0; i < factors.nops(); ++i) {
            ex candidate = factors.op(i);
            if (GiNaC::is_a<GiNaC::power>(candidate))
                candidate = candidate.op(0);
            if (GiNaC::is_a<GiNaC::numeric>(candidate) || (!candidate.has(result.x) && !candidate.has(result.y)))
                continue;
            if (VanishesOnTheCurve(candidate, xs, ys, result.x, result.y, t)) {
                // Integer coefficients without a common factor.
                const ex expanded = candidate.expand();
                result.equation = (expanded / expanded.integer_content()).expand();
                // Written with a positive first term.
                if (PrintedFormula(result.equation, FormulaFormat::Text)[0] == '-')
                    result.equation = (-result.equation).expand();
                result.found = true;
                return result;
            }
        }
        result.problem = "no factor vanishes on the curve";
    } catch (const std::exception &) {
        result.problem = "too large";
    }
    return result;
}

std::vector<ImplicitEquation> ImplicitEquations(const std::vector<ExactFormula> &formulas)
{
    std::vector<ImplicitEquation> equations;
    for (const ExactFormula &f : formulas) {
        ImplicitEquation equation;
        if (f.known)
            equation = ImplicitEquationOf(f.x, f.y, f.t);
        else
            equation.problem = "too large";
        equations.push_back(equation);
    }
    return equations;
}

std::string PrintedEquations(const std::vector<ExactFormula> &formulas, const std::vector<ImplicitEquation> &equations,
                             FormulaFormat format)
{
    std::string text = "implicit equations:\n";
    for (size_t i = 0; i < equations.size() && i < formulas.size(); ++i) {
        const ImplicitEquation &equation = equations[i];
        text += formulas[i].name + ": ";
        text += equation.found ? PrintedFormula(equation.equation, format) + " = 0\n"
                               : "no implicit equation: " + equation.problem + "\n";
    }
    return text;
}
