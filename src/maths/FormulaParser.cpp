#include "maths/FormulaParser.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace {

using GiNaC::ex;

// A fault found while reading; `what` is the whole message.
struct FormulaFault {
    std::string what;
};

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Positions are counted in characters from 1, as the user sees them.
size_t CharacterNumber(const std::string &text, size_t byteIndex)
{
    size_t number = 1;
    for (size_t i = 0; i < byteIndex && i < text.size(); ++i)
        number += IsContinuationByte(text[i]) ? 0 : 1;
    return number;
}

// The whole (UTF-8) character that starts at byteIndex.
std::string CharacterAt(const std::string &text, size_t byteIndex)
{
    size_t end = byteIndex + 1;
    while (end < text.size() && IsContinuationByte(text[end]))
        ++end;
    return text.substr(byteIndex, end - byteIndex);
}

// A character for a message: in quotes, or as its code where it would not
// show or, like NUL, would cut the message short.
std::string Quoted(const std::string &character)
{
    const auto byte = static_cast<unsigned char>(character[0]);
    if (character.size() > 1 || (byte >= 0x20 && byte != 0x7f))
        return "'" + character + "'";
    static const char digits[] = "0123456789ABCDEF";
    return std::string("control character U+00") + digits[byte >> 4] + digits[byte & 15];
}

// A function of the language: its GiNaC form, and its double form for
// constant arguments.
struct Function {
    const char *name;
    ex (*symbolic)(const ex &);
    double (*numeric)(double);
};

ex Sqrt(const ex &a)
{
    return GiNaC::sqrt(a);
}
ex Abs(const ex &a)
{
    return GiNaC::abs(a);
}
ex Sin(const ex &a)
{
    return GiNaC::sin(a);
}
ex Cos(const ex &a)
{
    return GiNaC::cos(a);
}
ex Tan(const ex &a)
{
    return GiNaC::tan(a);
}
ex Asin(const ex &a)
{
    return GiNaC::asin(a);
}
ex Acos(const ex &a)
{
    return GiNaC::acos(a);
}
ex Atan(const ex &a)
{
    return GiNaC::atan(a);
}
ex Sinh(const ex &a)
{
    return GiNaC::sinh(a);
}
ex Cosh(const ex &a)
{
    return GiNaC::cosh(a);
}
ex Tanh(const ex &a)
{
    return GiNaC::tanh(a);
}
ex Exp(const ex &a)
{
    return GiNaC::exp(a);
}
ex Log(const ex &a)
{
    return GiNaC::log(a);
}

const Function *FunctionNamed(const std::string &name)
{
    static const Function functions[] = {
        {"sin", Sin, [](double x) { return std::sin(x); }},    {"cos", Cos, [](double x) { return std::cos(x); }},
        {"tan", Tan, [](double x) { return std::tan(x); }},    {"asin", Asin, [](double x) { return std::asin(x); }},
        {"acos", Acos, [](double x) { return std::acos(x); }}, {"atan", Atan, [](double x) { return std::atan(x); }},
        {"sinh", Sinh, [](double x) { return std::sinh(x); }}, {"cosh", Cosh, [](double x) { return std::cosh(x); }},
        {"tanh", Tanh, [](double x) { return std::tanh(x); }}, {"exp", Exp, [](double x) { return std::exp(x); }},
        {"log", Log, [](double x) { return std::log(x); }},    {"sqrt", Sqrt, [](double x) { return std::sqrt(x); }},
        {"abs", Abs, [](double x) { return std::fabs(x); }}};
    for (const Function &function : functions) {
        if (name == function.name)
            return &function;
    }
    return nullptr;
}

// The double value of a real number, where e is one.
bool IsNumber(const ex &e, double &value)
{
    if (!GiNaC::is_a<GiNaC::numeric>(e) || !GiNaC::ex_to<GiNaC::numeric>(e).is_real())
        return false;
    value = GiNaC::ex_to<GiNaC::numeric>(e).to_double();
    return true;
}

// No curve needs more; t^1e6 is already flat to the eye from 0 to 0.99.
constexpr double LargestExponent = 1e6;

bool IsZero(const ex &e)
{
    double value = 1;
    return IsNumber(e, value) && value == 0;
}

// Recursive descent over
//   sum     = term { ("+" | "-") term }
//   term    = unary { ("*" | "/") unary }
//   unary   = "-" unary | "+" unary | power
//   power   = primary [ "^" unary ]          (right-associative)
//   primary = number | name | name "(" sum ")" | "(" sum ")"
class Reader {
public:
    Reader(const std::string &formula, const GiNaC::symbol &symbol, std::initializer_list<const char *> names)
        : text(formula), variable(symbol), variableNames(names)
    {
    }

    ex Formula()
    {
        SkipBlanks();
        if (position == text.size())
            throw FormulaFault{"empty formula"};
        const ex value = Sum();
        if (position < text.size())
            throw FormulaFault{text[position] == ')' ? At("unmatched ')'", position) : Unexpected()};
        return value;
    }

private:
    const std::string &text;
    const GiNaC::symbol &variable;
    std::initializer_list<const char *> variableNames;
    size_t position = 0;
    int depth = 0;

    // Counts one level of nesting for as long as it lives.
    struct Level {
        Reader &reader;
        Level(Reader &r, size_t at) : reader(r)
        {
            if (++reader.depth > MaxFormulaDepth)
                throw FormulaFault{reader.At("nested deeper than " + std::to_string(MaxFormulaDepth), at)};
        }
        ~Level() { --reader.depth; }
    };

    void SkipBlanks()
    {
        while (position < text.size() && std::isspace(static_cast<unsigned char>(text[position])))
            ++position;
    }

    bool Take(char c)
    {
        SkipBlanks();
        if (position < text.size() && text[position] == c) {
            ++position;
            return true;
        }
        return false;
    }

    std::string At(const std::string &message, size_t byteIndex) const
    {
        return message + " at " + std::to_string(CharacterNumber(text, byteIndex));
    }

    std::string Unexpected() const
    {
        if (position >= text.size())
            return At("missing operand", position);
        return At("unexpected " + Quoted(CharacterAt(text, position)), position);
    }

    // Constants are combined in double, as every value is evaluated: GiNaC's
    // own arbitrary-precision arithmetic would work long on 9^9^9^9 and
    // still give no double. A constant without a finite value is a fault of
    // the operator or function at `at`.
    template <class Symbolic, class Numeric>
    ex Combine(size_t at, const ex &a, const ex &b, Symbolic symbolic, Numeric numeric)
    {
        double x = 0, y = 0;
        if (IsNumber(a, x) && IsNumber(b, y))
            return Constant(at, numeric(x, y));
        try {
            return symbolic(a, b);
        } catch (const std::exception &) {
            throw FormulaFault{At("no value", at)};
        }
    }

    ex Constant(size_t at, double value)
    {
        if (std::isnan(value))
            throw FormulaFault{At("no value", at)};
        if (!std::isfinite(value))
            throw FormulaFault{At("number out of range", at)};
        return GiNaC::numeric(value);
    }

    ex Sum()
    {
        ex value = Term();
        for (;;) {
            SkipBlanks();
            const size_t at = position;
            if (Take('+')) {
                value = Combine(at, value, Term(), std::plus<ex>(), std::plus<double>());
            } else if (Take('-')) {
                value = Combine(at, value, Term(), std::minus<ex>(), std::minus<double>());
            } else {
                return value;
            }
        }
    }

    ex Term()
    {
        ex value = Unary();
        for (;;) {
            SkipBlanks();
            const size_t at = position;
            if (Take('*')) {
                value = Combine(at, value, Unary(), std::multiplies<ex>(), std::multiplies<double>());
            } else if (Take('/')) {
                const ex divisor = Unary();
                // GiNaC would throw here, and leak what it had made.
                if (IsZero(divisor))
                    throw FormulaFault{At("division by zero", at)};
                value = Combine(at, value, divisor, std::divides<ex>(), std::divides<double>());
            } else {
                return value;
            }
        }
    }

    ex Unary()
    {
        SkipBlanks();
        const size_t at = position;
        if (Take('-')) {
            Level level(*this, at);
            return Combine(at, GiNaC::numeric(-1), Unary(), std::multiplies<ex>(), std::multiplies<double>());
        }
        if (Take('+')) {
            Level level(*this, at);
            return Unary();
        }
        return Power();
    }

    ex Power()
    {
        const ex base = Primary();
        SkipBlanks();
        const size_t at = position;
        if (!Take('^'))
            return base;
        Level level(*this, at);
        const ex exponent = Unary();
        // 0^t has no value for t <= 0 and no derivative anywhere GiNaC could
        // work out without throwing.
        if (IsZero(base) && !GiNaC::is_a<GiNaC::numeric>(exponent))
            throw FormulaFault{At("no value", at)};
        // GiNaC raises a constant factor of the base to the power at once; a
        // huge exponent would take it beyond even CLN's range.
        double power = 0;
        if (IsNumber(exponent, power) && !GiNaC::is_a<GiNaC::numeric>(base) && std::fabs(power) > LargestExponent)
            throw FormulaFault{At("exponent out of range", at)};
        return Combine(
            at, base, exponent, [](const ex &b, const ex &e) { return GiNaC::pow(b, e); },
            [](double b, double e) { return std::pow(b, e); });
    }

    ex Primary()
    {
        SkipBlanks();
        if (position >= text.size())
            throw FormulaFault{Unexpected()};
        const char c = text[position];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
            return Number();
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_')
            return Name();
        if (c == '(') {
            Level level(*this, position++);
            const ex inside = Sum();
            Close();
            return inside;
        }
        throw FormulaFault{Unexpected()};
    }

    void Close()
    {
        if (!Take(')'))
            throw FormulaFault{At("missing ')'", position)};
    }

    // Digits with an optional fraction and an optional exponent; an "e" not
    // followed by digits is the constant e, and ends the number before it.
    ex Number()
    {
        const size_t start = position;
        auto digits = [&] {
            while (position < text.size() && std::isdigit(static_cast<unsigned char>(text[position])))
                ++position;
        };
        digits();
        if (position < text.size() && text[position] == '.') {
            ++position;
            digits();
        }
        if (position == start + 1 && text[start] == '.')
            throw FormulaFault{At("unexpected '.'", start)};
        if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
            size_t after = position + 1;
            if (after < text.size() && (text[after] == '+' || text[after] == '-'))
                ++after;
            if (after < text.size() && std::isdigit(static_cast<unsigned char>(text[after]))) {
                position = after;
                digits();
            }
        }
        double value = 0;
        const auto [end, fault] = std::from_chars(text.data() + start, text.data() + position, value);
        if (fault != std::errc() || end != text.data() + position || !std::isfinite(value))
            throw FormulaFault{At("number out of range", start)};
        return GiNaC::numeric(value);
    }

    ex Name()
    {
        const size_t start = position;
        while (position < text.size() &&
               (std::isalnum(static_cast<unsigned char>(text[position])) || text[position] == '_'))
            ++position;
        const std::string name = text.substr(start, position - start);
        if (const Function *function = FunctionNamed(name)) {
            if (!Take('('))
                throw FormulaFault{At("missing '(' after '" + name + "'", position)};
            Level level(*this, start);
            const ex argument = Sum();
            Close();
            return Combine(
                start, argument, GiNaC::numeric(0),
                [function](const ex &a, const ex &) { return function->symbolic(a); },
                [function](double a, double) { return function->numeric(a); });
        }
        for (const char *variableName : variableNames) {
            if (name == variableName)
                return variable;
        }
        if (name == "pi")
            return GiNaC::numeric(M_PI);
        if (name == "e")
            return GiNaC::numeric(M_E);
        throw FormulaFault{At("unknown name '" + name + "'", start)};
    }
};

}  // namespace

FormulaParse ParseFormula(const std::string &text, const GiNaC::symbol &variable,
                          std::initializer_list<const char *> variableNames)
{
    FormulaParse parse;
    if (CharacterNumber(text, text.size()) - 1 > size_t(MaxFormulaLength)) {
        parse.error = "longer than " + std::to_string(MaxFormulaLength) + " characters";
        return parse;
    }
    try {
        parse.expression = Reader(text, variable, variableNames).Formula();
        parse.ok = true;
    } catch (const FormulaFault &fault) {
        parse.error = fault.what;
    } catch (const std::exception &) {
        parse.error = "no value";
    }
    return parse;
}

size_t TreeSize(const GiNaC::ex &e, size_t limit)
{
    size_t size = 1;
    for (size_t i = 0; i < e.nops() && size <= limit; ++i)
        size += TreeSize(e.op(i), limit - size);
    return size;
}
