#pragma once

#include <ginac/ginac.h>
#include <string>

// Exact formulas written for people and for other programs: the program's
// own formula language (which the "Own curve" dialog reads back), LaTeX,
// Mathematica and SymPy.
enum class FormulaFormat { Text, Latex, Mathematica, Sympy };

std::string PrintedFormula(const GiNaC::ex &e, FormulaFormat format);

// The formula language reads every number as a double ("1/6" becomes
// 0.1666...); this gives each such number back as the simplest rational that
// is the same double (1/6, 3/10, 16667/100000), and pi's multiples as
// multiples of pi.
GiNaC::ex Rationalized(const GiNaC::ex &e);

// The exact rational of a number's shortest decimal text: 0.3f is 3/10.
GiNaC::ex ExactOfShortestText(float value);
