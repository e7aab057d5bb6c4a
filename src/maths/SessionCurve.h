#pragma once

#include <memory>
#include <string>

#include "model/Session.h"

struct CurveRow;
class TypedCurve;

// The curve a session names: a built-in one by its list text, or a typed one
// built from its formulas.
struct SessionCurveChoice {
    int builtInIndex = -1;                    // the list index of a built-in curve
    std::shared_ptr<const TypedCurve> typed;  // or the typed curve
    std::string problem;                      // neither: why, in a few words
};
SessionCurveChoice ChooseSessionCurve(const SessionCurve &curve);

// How a session names the curve of a list row.
SessionCurve SessionCurveOf(const CurveRow &row);
