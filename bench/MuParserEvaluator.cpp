#include "MuParserEvaluator.h"

#include <cstdio>
#include <cstdlib>
#include <muParser.h>

namespace {

[[noreturn]] void Refuse(const GiNaC::ex &e, const char *why)
{
    std::ostringstream text;
    text << e;
    std::fprintf(stderr, "MuParserText: %s: %s\n", why, text.str().c_str());
    std::abort();
}

std::string Number(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return value < 0 ? "(" + std::string(text) + ")" : std::string(text);
}

std::string NumberText(const GiNaC::ex &e)
{
    const GiNaC::ex value = e.evalf();
    if (!GiNaC::is_a<GiNaC::numeric>(value) || !GiNaC::ex_to<GiNaC::numeric>(value).is_real())
        Refuse(e, "no real constant");
    return Number(GiNaC::ex_to<GiNaC::numeric>(value).to_double());
}

// muParser's names of GiNaC's functions: its "ln" is the natural logarithm
// (its "log" has meant base 10 in some versions).
std::string FunctionName(const GiNaC::ex &e)
{
    const std::string name = GiNaC::ex_to<GiNaC::function>(e).get_name();
    if (name == "log")
        return "ln";
    for (const char *same : {"sin", "cos", "tan", "asin", "acos", "atan", "sinh", "cosh", "tanh", "exp", "abs"}) {
        if (name == same)
            return name;
    }
    Refuse(e, "no muParser function");
}

std::string Joined(const GiNaC::ex &e, const char *operation, const GiNaC::symbol &variable)
{
    std::string text = "(";
    for (size_t i = 0; i < e.nops(); ++i)
        text += (i ? operation : "") + MuParserText(e.op(i), variable);
    return text + ")";
}

// The spellings a person would write: sqrt for the power 1/2, a quotient for -1.
std::string PowerText(const GiNaC::ex &e, const GiNaC::symbol &variable)
{
    const std::string base = MuParserText(e.op(0), variable);
    const GiNaC::ex exponent = e.op(1);
    if (exponent.is_equal(GiNaC::numeric(1, 2)) || exponent.is_equal(GiNaC::numeric(0.5)))
        return "sqrt(" + base + ")";
    if (exponent.is_equal(GiNaC::numeric(-1)))
        return "(1/" + base + ")";
    return "(" + base + "^" + MuParserText(exponent, variable) + ")";
}

}  // namespace

std::string MuParserText(const GiNaC::ex &e, const GiNaC::symbol &variable)
{
    if (GiNaC::is_a<GiNaC::numeric>(e) || GiNaC::is_a<GiNaC::constant>(e))
        return NumberText(e);
    if (GiNaC::is_a<GiNaC::symbol>(e)) {
        if (!e.is_equal(variable))
            Refuse(e, "unknown symbol");
        return "t";
    }
    if (GiNaC::is_a<GiNaC::add>(e))
        return Joined(e, "+", variable);
    if (GiNaC::is_a<GiNaC::mul>(e))
        return Joined(e, "*", variable);
    if (GiNaC::is_a<GiNaC::power>(e))
        return PowerText(e, variable);
    if (GiNaC::is_a<GiNaC::function>(e))
        return FunctionName(e) + "(" + MuParserText(e.op(0), variable) + ")";
    Refuse(e, "no muParser spelling");
}

MuParserEvaluator::MuParserEvaluator(const std::vector<GiNaC::ex> &outputs, const GiNaC::symbol &variable,
                                     double *parameters)
{
    for (const GiNaC::ex &output : outputs) {
        texts.push_back(MuParserText(output, variable));
        auto parser = std::make_unique<mu::Parser>();
        parser->DefineVar("t", parameters);
        parser->SetExpr(texts.back());
        parsers.push_back(std::move(parser));
    }
}

MuParserEvaluator::~MuParserEvaluator() = default;

void MuParserEvaluator::Run(int count, double *const *outputs)
{
    for (size_t k = 0; k < parsers.size(); ++k)
        parsers[k]->Eval(outputs[k], count);
}
