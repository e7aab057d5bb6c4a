#pragma once

#include <ginac/ginac.h>
#include <string>
#include <vector>

#include "maths/ExactFormulas.h"

// The implicit equation F(x, y) = 0 of a curve given by exact formulas x(t),
// y(t) that are rational in t, in cos t and sin t (through u = tan(t/2)), or
// in cosh t, sinh t and e^t (through w = e^t): the resultant of x Dx - Nx and y Dy - Ny in the parameter,
// factored, keeping the factor the curve's own points satisfy, with integer
// coefficients. Checked on samples of the curve before it is given.
struct ImplicitEquation {
    bool found = false;
    GiNaC::ex equation;  // F(x, y), to be read as F = 0
    GiNaC::symbol x{"x"}, y{"y"};
    std::string problem;  // "not algebraic", "too large"
};

// Curves whose two equations in the parameter have degrees adding up to
// more than this are refused as too large: elimination grows with the
// product of the degrees.
constexpr int MostEliminationDegree = 16;

ImplicitEquation ImplicitEquationOf(const GiNaC::ex &x, const GiNaC::ex &y, const GiNaC::ex &t);

// The implicit equation of each formula; "too large" for one not worked out.
std::vector<ImplicitEquation> ImplicitEquations(const std::vector<ExactFormula> &formulas);
// "implicit equations:" and a line for each formula, in one form.
std::string PrintedEquations(const std::vector<ExactFormula> &formulas, const std::vector<ImplicitEquation> &equations,
                             FormulaFormat format);
