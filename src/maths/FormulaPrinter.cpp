#include "maths/FormulaPrinter.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "model/JsonText.h"

namespace {

using GiNaC::ex;

// How tightly an expression binds: a part binding less than its place needs
// is put in parentheses.
enum Binding { Loose = 0, SumLevel = 1, ProductLevel = 2, PowerLevel = 3, Atom = 4 };

struct Style {
    FormulaFormat format;

    bool Latex() const { return format == FormulaFormat::Latex; }

    std::string Open() const { return format == FormulaFormat::Mathematica ? "[" : "("; }
    std::string Close() const { return format == FormulaFormat::Mathematica ? "]" : ")"; }
    std::string Times() const { return Latex() ? " " : "*"; }
    std::string PowerSign() const { return format == FormulaFormat::Sympy ? "**" : "^"; }

    std::string FunctionName(const std::string &name) const
    {
        static const char *const names[][4] = {
            {"sin", "\\sin", "Sin", "sin"},         {"cos", "\\cos", "Cos", "cos"},
            {"tan", "\\tan", "Tan", "tan"},         {"asin", "\\arcsin", "ArcSin", "asin"},
            {"acos", "\\arccos", "ArcCos", "acos"}, {"atan", "\\arctan", "ArcTan", "atan"},
            {"sinh", "\\sinh", "Sinh", "sinh"},     {"cosh", "\\cosh", "Cosh", "cosh"},
            {"tanh", "\\tanh", "Tanh", "tanh"},     {"exp", "\\exp", "Exp", "exp"},
            {"log", "\\ln", "Log", "log"},          {"abs", "", "Abs", "Abs"},
        };
        for (const auto &row : names) {
            if (name == row[0])
                return row[int(format)];
        }
        return name;
    }
};

class Printer {
public:
    explicit Printer(FormulaFormat format) : style{format} {}

    std::string Print(const ex &e, Binding place)
    {
        Binding own = Atom;
        const std::string text = Bare(e, own);
        if (own >= place)
            return text;
        return style.Latex() ? "\\left(" + text + "\\right)" : "(" + text + ")";
    }

    Style style;

    std::string Bare(const ex &e, Binding &own)
    {
        if (GiNaC::is_a<GiNaC::add>(e))
            return Sum(e, own);
        if (GiNaC::is_a<GiNaC::mul>(e))
            return Product(e, own);
        if (GiNaC::is_a<GiNaC::power>(e))
            return Power(e, own);
        if (GiNaC::is_a<GiNaC::numeric>(e))
            return Number(GiNaC::ex_to<GiNaC::numeric>(e), own);
        if (GiNaC::is_a<GiNaC::function>(e))
            return Function(e);
        if (e == GiNaC::Pi)
            return style.Latex() ? "\\pi" : style.format == FormulaFormat::Mathematica ? "Pi" : "pi";
        std::ostringstream out;
        out << e;  // the variable
        return out.str();
    }

    // The degree of a term in all its variables, a function of t counting as one.
    static int Degree(const ex &e)
    {
        if (GiNaC::is_a<GiNaC::numeric>(e))
            return 0;
        if (GiNaC::is_a<GiNaC::mul>(e)) {
            int sum = 0;
            for (size_t i = 0; i < e.nops(); ++i)
                sum += Degree(e.op(i));
            return sum;
        }
        if (GiNaC::is_a<GiNaC::power>(e) && GiNaC::is_a<GiNaC::numeric>(e.op(1)) &&
            GiNaC::ex_to<GiNaC::numeric>(e.op(1)).is_pos_integer())
            return Degree(e.op(0)) * GiNaC::ex_to<GiNaC::numeric>(e.op(1)).to_int();
        return 1;
    }

    // The term a sum is printed with first.
    static ex FirstTerm(const ex &sum) { return Ordered(sum, true).front(); }

    // Whether a term is written with a leading minus, and the term without it.
    static bool Negative(const ex &term, ex &positive)
    {
        ex coefficient = term;
        if (GiNaC::is_a<GiNaC::mul>(term))
            coefficient = term.op(term.nops() - 1);  // GiNaC keeps a product's number last
        if (GiNaC::is_a<GiNaC::numeric>(coefficient) && GiNaC::ex_to<GiNaC::numeric>(coefficient).is_negative()) {
            positive = -term;
            return true;
        }
        positive = term;
        return false;
    }

    // GiNaC orders terms and factors by addresses that change from run to
    // run: a formula is printed in an order of its own, the same every time
    // (by the plain text of each part, numbers last in a sum).
    static std::vector<ex> Ordered(const ex &e, bool numbersLast)
    {
        std::vector<std::pair<std::string, ex>> keyed;
        for (size_t i = 0; i < e.nops(); ++i) {
            ex positive;
            Negative(e.op(i), positive);
            const bool number = GiNaC::is_a<GiNaC::numeric>(e.op(i));
            // In a sum, higher degrees first, as polynomials are written; then by text.
            const int degree = numbersLast ? 99 - std::min(Degree(positive), 98) : 0;
            const std::string key = (number == numbersLast ? "1" : "0") + std::to_string(100 + degree) +
                                    Printer(FormulaFormat::Text).Print(positive, Loose);
            keyed.emplace_back(key, e.op(i));
        }
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        std::vector<ex> parts;
        for (const auto &k : keyed)
            parts.push_back(k.second);
        return parts;
    }

    std::string Sum(const ex &e, Binding &own)
    {
        own = SumLevel;
        std::string text;
        const std::vector<ex> terms = Ordered(e, true);
        for (size_t i = 0; i < terms.size(); ++i) {
            ex positive;
            const bool negative = Negative(terms[i], positive);
            const std::string term = Print(positive, ProductLevel);
            if (i == 0)
                text = negative ? "-" + term : term;
            else
                text += (negative ? " - " : " + ") + term;
        }
        return text;
    }

    std::string Product(const ex &e, Binding &own)
    {
        ex positive;
        if (Negative(e, positive)) {
            own = SumLevel;
            return "-" + Print(positive, ProductLevel);
        }
        own = ProductLevel;
        // The number first, as people write it: 2*cos(t), not cos(t)*2.
        std::vector<ex> above, below;
        for (const ex &factor : Ordered(e, false)) {
            if (GiNaC::is_a<GiNaC::numeric>(factor)) {
                const GiNaC::numeric n = GiNaC::ex_to<GiNaC::numeric>(factor);
                if (n.numer() != 1)
                    above.insert(above.begin(), n.numer());
                if (n.denom() != 1)
                    below.insert(below.begin(), n.denom());
            } else if (GiNaC::is_a<GiNaC::power>(factor) && GiNaC::is_a<GiNaC::numeric>(factor.op(1)) &&
                       GiNaC::ex_to<GiNaC::numeric>(factor.op(1)).is_negative()) {
                below.push_back(GiNaC::pow(factor.op(0), -factor.op(1)));
            } else {
                above.push_back(factor);
            }
        }
        const std::string top = Factors(above.empty() ? std::vector<ex>{1} : above);
        if (below.empty())
            return top;
        if (style.Latex())
            return "\\frac{" + Factors(above.empty() ? std::vector<ex>{1} : above, Loose) + "}{" +
                   Factors(below, Loose) + "}";
        const std::string bottom = below.size() == 1 ? Print(below[0], PowerLevel) : "(" + Factors(below) + ")";
        return top + "/" + bottom;
    }

    std::string Factors(const std::vector<ex> &factors, Binding place = ProductLevel)
    {
        std::string text;
        for (const ex &f : factors)
            text += (text.empty() ? "" : style.Times()) + Print(f, factors.size() > 1 ? ProductLevel : place);
        return text;
    }

    std::string Power(const ex &e, Binding &own)
    {
        const ex base = e.op(0), exponent = e.op(1);
        if (exponent == GiNaC::numeric(1, 2))
            return Root(base);
        if (GiNaC::is_a<GiNaC::numeric>(exponent) && GiNaC::ex_to<GiNaC::numeric>(exponent).is_negative()) {
            own = ProductLevel;
            const std::string under = Print(GiNaC::pow(base, -exponent), style.Latex() ? Loose : PowerLevel);
            return style.Latex() ? "\\frac{1}{" + under + "}" : "1/" + under;
        }
        own = PowerLevel;
        if (style.Latex())
            return Print(base, Atom) + "^{" + Print(exponent, Loose) + "}";
        return Print(base, Atom) + style.PowerSign() + Print(exponent, Atom);
    }

    std::string Root(const ex &base)
    {
        if (style.Latex())
            return "\\sqrt{" + Print(base, Loose) + "}";
        const std::string name = style.format == FormulaFormat::Mathematica ? "Sqrt" : "sqrt";
        return name + style.Open() + Print(base, Loose) + style.Close();
    }

    std::string Number(const GiNaC::numeric &n, Binding &own)
    {
        if (n.is_integer()) {
            own = n.is_negative() ? SumLevel : Atom;
            return n.to_cl_N() == 0 ? "0" : ToText(n);
        }
        if (n.is_rational()) {
            own = ProductLevel;
            const std::string p = ToText(n.numer()), q = ToText(n.denom());
            if (style.Latex())
                return (n.is_negative() ? "-\\frac{" + p.substr(1) : "\\frac{" + p) + "}{" + q + "}";
            if (style.format == FormulaFormat::Sympy) {
                own = Atom;
                return "Rational(" + p + ", " + q + ")";
            }
            return p + "/" + q;
        }
        own = n.is_negative() ? SumLevel : Atom;
        std::ostringstream out;
        out.precision(17);
        out << n.to_double();
        return out.str();
    }

    static std::string ToText(const GiNaC::numeric &n)
    {
        std::ostringstream out;
        out << n;
        return out.str();
    }

    std::string Function(const ex &e)
    {
        const std::string name = GiNaC::ex_to<GiNaC::function>(e).get_name();
        const ex argument = e.op(0);
        if (style.Latex()) {
            if (name == "abs")
                return "\\left|" + Print(argument, Loose) + "\\right|";
            if (name == "exp")
                return "e^{" + Print(argument, Loose) + "}";
            return style.FunctionName(name) + "\\left(" + Print(argument, Loose) + "\\right)";
        }
        return style.FunctionName(name) + style.Open() + Print(argument, Loose) + style.Close();
    }
};

// The simplest fraction p/q (q at most `most`) that is exactly x as a double.
bool SimplestFraction(double x, long long most, long long &p, long long &q)
{
    // The convergents of x's continued fraction.
    long long p0 = 0, q0 = 1, p1 = 1, q1 = 0;
    double rest = x;
    for (int step = 0; step < 40; ++step) {
        const double whole = std::floor(rest);
        if (std::abs(whole) > 1e15)
            return false;
        const long long a = (long long)whole;
        const long long p2 = a * p1 + p0, q2 = a * q1 + q0;
        if (q2 > most)
            return false;
        if (double(p2) / double(q2) == x) {
            p = p2;
            q = q2;
            return true;
        }
        p0 = p1;
        q0 = q1;
        p1 = p2;
        q1 = q2;
        if (rest == whole)
            return false;
        rest = 1 / (rest - whole);
    }
    return false;
}

ex ExactOfDecimalText(const std::string &text)
{
    // mantissa digits, a point, and an exponent: [-]d[.ddd][e[-]dd]
    const size_t e = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, e);
    const int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    const size_t point = mantissa.find('.');
    std::string digits = mantissa;
    int scale = exponent;
    if (point != std::string::npos) {
        digits = mantissa.substr(0, point) + mantissa.substr(point + 1);
        scale -= int(mantissa.size() - point - 1);
    }
    const GiNaC::numeric value(digits.c_str());
    return scale >= 0 ? ex(value * GiNaC::pow(GiNaC::numeric(10), scale))
                      : ex(value / GiNaC::pow(GiNaC::numeric(10), -scale));
}

struct Rationalize : GiNaC::map_function {
    ex operator()(const ex &e) override
    {
        if (!GiNaC::is_a<GiNaC::numeric>(e))
            return e.map(*this);
        const GiNaC::numeric n = GiNaC::ex_to<GiNaC::numeric>(e);
        if (n.is_rational() || !n.is_real())
            return e;
        const double x = n.to_double();
        long long p = 0, q = 1;
        if (SimplestFraction(x, 10000000, p, q))
            return GiNaC::numeric(p) / GiNaC::numeric(q);
        if (SimplestFraction(x / M_PI, 1000, p, q) && double(p) / double(q) * M_PI == x)
            return GiNaC::numeric(p) / GiNaC::numeric(q) * GiNaC::Pi;
        std::ostringstream out;
        out.precision(17);
        out << x;
        return ExactOfDecimalText(out.str());
    }
};

}  // namespace

std::string PrintedFormula(const GiNaC::ex &e, FormulaFormat format)
{
    // Over one denominator, both sides expanded, the denominator's first
    // term positive: one form for one value, whatever GiNaC's order.
    const ex parts = e.numer_denom();
    ex numerator = parts.op(0).expand(), denominator = parts.op(1).expand();
    if (denominator != 1) {
        const ex first = GiNaC::is_a<GiNaC::add>(denominator) ? Printer::FirstTerm(denominator) : denominator;
        ex positive;
        if (Printer::Negative(first, positive)) {
            numerator = (-numerator).expand();
            denominator = (-denominator).expand();
        }
    }
    Printer printer(format);
    if (denominator == 1)
        return printer.Print(numerator, Loose);
    if (format == FormulaFormat::Latex)
        return "\\frac{" + printer.Print(numerator, Loose) + "}{" + printer.Print(denominator, Loose) + "}";
    return printer.Print(numerator, ProductLevel) + "/" + printer.Print(denominator, PowerLevel);
}

GiNaC::ex Rationalized(const GiNaC::ex &e)
{
    Rationalize map;
    return map(e);
}

GiNaC::ex ExactOfShortestText(float value)
{
    return ExactOfDecimalText(JsonNumber(value).toStdString());
}
