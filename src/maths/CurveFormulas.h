#pragma once

#include <memory>
#include <string>
#include <vector>

#include "maths/CurveJet.h"

namespace GiNaC {
class ex;
class symbol;
}  // namespace GiNaC

// The derivatives of a curve at one parameter, in double: [0] is the point
// Q(t), [k] the k-th derivative. `defined` is false where a formula has no
// finite value there.
struct PlaneJet {
    bool defined = false;
    std::vector<PlanePoint> derivatives;
};

// The one interface every curve answers, built-in or typed: its formulas
// x(t), y(t) and their derivatives to any order. A derivative is worked out
// symbolically the first time its order is asked for and compiled; later
// jets of that order only evaluate.
class CurveFormulas {
public:
    // The formulas in the formula language, of the variable t; null with the
    // reason where one is refused.
    static std::shared_ptr<const CurveFormulas> Parse(const std::string &x, const std::string &y, std::string &error);
    // The same from parsed expressions of `t`.
    CurveFormulas(const GiNaC::ex &x, const GiNaC::ex &y, const GiNaC::symbol &t);
    ~CurveFormulas();
    CurveFormulas(const CurveFormulas &) = delete;
    CurveFormulas &operator=(const CurveFormulas &) = delete;

    // Q and its derivatives up to `order`; an order whose derivative grows
    // too large to work out leaves the jet undefined.
    PlaneJet JetAt(double t, int order) const;

    struct Parts;

private:
    std::unique_ptr<Parts> parts;
};
