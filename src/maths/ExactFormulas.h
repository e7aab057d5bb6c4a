#pragma once

#include <string>
#include <vector>

#include "maths/FormulaPrinter.h"
#include "model/Scene.h"

// The exact parametric formulas of what a scene shows, in its plane: the
// curve, its pedal curve from P (P as the exact rational of the decimal text
// the user sees: 0.3 is 3/10) and each relative shown. Common denominators,
// collected terms; no floating-point noise.
struct ExactFormula {
    std::string name;    // "curve", "pedal curve", "evolute", ...
    bool known = false;  // false: too large to work out
    GiNaC::ex x, y;
    GiNaC::ex t;  // their variable
};
std::vector<ExactFormula> SceneFormulas(const Scene &scene);

// The same, printed: "name: x = ..., y = ..." a line each.
std::string PrintedFormulas(const std::vector<ExactFormula> &formulas, FormulaFormat format);
