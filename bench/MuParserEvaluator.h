#pragma once

#include <ginac/ginac.h>
#include <memory>
#include <string>
#include <vector>

namespace mu {
class Parser;
}

// The alternative evaluator measured against CurveProgram: muParser, one
// parser per output, each run in bulk over a whole array of parameters.
// Its expressions are GiNaC's printed in muParser's syntax.
class MuParserEvaluator {
public:
    // `parameters` is the bulk array that the variable reads, sample by sample.
    MuParserEvaluator(const std::vector<GiNaC::ex> &outputs, const GiNaC::symbol &variable, double *parameters);
    ~MuParserEvaluator();

    // outputs[k][i] receives output k at parameters[i], for i < count.
    void Run(int count, double *const *outputs);
    const std::string &Text(size_t output) const { return texts[output]; }

private:
    std::vector<std::string> texts;
    std::vector<std::unique_ptr<mu::Parser>> parsers;
};

// e in muParser's syntax, fully parenthesised; aborts on anything it cannot
// spell there.
std::string MuParserText(const GiNaC::ex &e, const GiNaC::symbol &variable);
