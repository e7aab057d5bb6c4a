#pragma once

#include <ginac/ginac.h>
#include <string>

// The formula language of typed curves: numbers with "." as the decimal
// point in every locale, + - * / ^, parentheses, unary minus, the functions
// sin cos tan asin acos atan sinh cosh tanh exp log sqrt abs, the constants
// pi and e, and the variable. Our own reader rather than GiNaC's: it names
// the place of a fault, accepts no more than this language, and turns every
// number into a floating-point value, so no exact power such as 9^9^9 is
// ever worked out digit by digit.
constexpr int MaxFormulaLength = 1000;
constexpr int MaxFormulaDepth = 100;

struct FormulaParse {
    bool ok = false;
    std::string error;  // e.g. "unknown name 'sni' at 1", positions from 1
    GiNaC::ex expression;
};

// `variable` is what the names in `variableNames` (e.g. "t", or "t" and "x")
// stand for.
FormulaParse ParseFormula(const std::string &text, const GiNaC::symbol &variable,
                          std::initializer_list<const char *> variableNames);

// A derivative that grows past this many nodes is refused rather than worked
// on: a product of a hundred factors has a third derivative of millions of
// terms, which would freeze the window while the user types.
constexpr size_t LargestDerivative = 20000;
// The nodes of an expression's tree, counted up to a little past `limit`.
size_t TreeSize(const GiNaC::ex &e, size_t limit);
