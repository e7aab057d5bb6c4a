#include "maths/ExactFormulas.h"

#include "maths/CurveFormulas.h"
#include "maths/Curves.h"
#include "maths/FormulaParser.h"
#include "maths/RelativeFormulas.h"

namespace {

using GiNaC::ex;

// An exact expression of the curve's parameter: the scalar the definitions
// of the relatives are written for.
struct Exact {
    ex value;
    ex t;
};

Exact operator+(const Exact &a, const Exact &b)
{
    return {a.value + b.value, a.t};
}

Exact operator-(const Exact &a, const Exact &b)
{
    return {a.value - b.value, a.t};
}

Exact operator*(const Exact &a, const Exact &b)
{
    return {a.value * b.value, a.t};
}

Exact operator/(const Exact &a, const Exact &b)
{
    return {a.value / b.value, a.t};
}

// The definitions scale by 2 and by the plane's sign: whole numbers, kept exact.
Exact operator*(double k, const Exact &a)
{
    return {GiNaC::numeric(int(k)) * a.value, a.t};
}

// Exact formulas grow with every derivative (an iterated pedal takes one a
// stage) and simplifying a large one takes GiNaC minutes: past this many
// nodes a formula is "too large to write out", said at once.
constexpr size_t LargestExactFormula = 3000;

struct TooLarge {};

void Bounded(const ex &e)
{
    if (TreeSize(e, LargestExactFormula) > LargestExactFormula)
        throw TooLarge{};
}

Exact Derivative(const Exact &a)
{
    Bounded(a.value);
    return {a.value.diff(GiNaC::ex_to<GiNaC::symbol>(a.t)), a.t};
}

// Over a common denominator, and small enough to print. Where sines and
// cosines of one argument meet, sin^2 = 1 - cos^2 often cancels the
// denominator (the circle's sin^2 + cos^2), and sinh^2 = cosh^2 - 1 the
// hyperbola's: the shorter form is kept.
bool Simplified(const Exact &a, ex &out)
{
    Bounded(a.value);
    out = a.value.normal();
    const GiNaC::wildcard w;
    const ex squares[] = {GiNaC::pow(GiNaC::sin(w), 2) == 1 - GiNaC::pow(GiNaC::cos(w), 2),
                          GiNaC::pow(GiNaC::sinh(w), 2) == GiNaC::pow(GiNaC::cosh(w), 2) - 1};
    for (const ex &square : squares) {
        const ex shorter = out.subs(square, GiNaC::subs_options::algebraic).normal();
        if (TreeSize(shorter, LargestDerivative) < TreeSize(out, LargestDerivative))
            out = shorter;
    }
    return TreeSize(out, LargestDerivative) <= LargestDerivative;
}

// The formula `make` builds, simplified; unknown where it grows too large.
template <class Make>
ExactFormula FormulaOf(const std::string &name, const ex &t, Make make)
{
    ExactFormula formula;
    formula.name = name;
    formula.t = t;
    try {
        const relative_formulas::Point<Exact> p = make();
        formula.known = Simplified(p.x, formula.x) && Simplified(p.y, formula.y);
    } catch (const TooLarge &) {
        formula.known = false;
    } catch (const std::exception &) {
        formula.known = false;  // exact arithmetic beyond range, or a division by zero
    }
    return formula;
}

std::string NameOf(RelativeKind kind, int stages)
{
    static const char *const names[] = {"contrapedal",    "orthotomic", "catacaustic",
                                        "negative pedal", "evolute",    "iterated pedal"};
    std::string name = names[int(kind)];
    if (kind == RelativeKind::IteratedPedal)
        name += " (n = " + std::to_string(stages) + ")";
    return name;
}

}  // namespace

std::vector<ExactFormula> SceneFormulas(const Scene &scene)
{
    std::vector<ExactFormula> formulas;
    if (!scene.curve)
        return formulas;
    const CurveFormulas &curve = *scene.curve->formulas;
    const ex t = curve.Variable();
    const relative_formulas::Point<Exact> q{{Rationalized(curve.X()), t}, {Rationalized(curve.Y()), t}};
    const relative_formulas::Point<Exact> p{{ExactOfShortestText(scene.pedalX), t},
                                            {ExactOfShortestText(scene.pedalY), t}};
    const double e = relative_formulas::PlaneSign(scene.plane);
    formulas.push_back(FormulaOf("curve", t, [&] { return q; }));
    formulas.push_back(FormulaOf("pedal curve", t, [&] { return relative_formulas::Pedal(q, p, e); }));
    for (RelativeKind kind : EveryRelative) {
        if (!scene.Shows(RelativeId(kind)))
            continue;
        const Relative relative = RelativeIn(kind, scene);
        formulas.push_back(
            FormulaOf(NameOf(kind, relative.stages), t, [&] { return relative_formulas::Of(q, relative, p, e); }));
    }
    return formulas;
}

std::string PrintedFormulas(const std::vector<ExactFormula> &formulas, FormulaFormat format)
{
    std::string text;
    for (const ExactFormula &f : formulas) {
        text += f.name + ": ";
        text += f.known ? "x = " + PrintedFormula(f.x, format) + ", y = " + PrintedFormula(f.y, format)
                        : std::string("too large to write out");
        text += "\n";
    }
    return text;
}
