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

// The jets of every sample of a range (the samples every trace follows):
// derivatives 0 .. order of each.
struct JetTable {
    float tMin = 0, tMax = 0;
    int order = 0;
    std::vector<float> t;
    std::vector<double> values;  // sample i, derivative k: x at 2 (i (order + 1) + k), y after it
    PlanePoint At(size_t i, int k) const
    {
        const size_t at = 2 * (i * size_t(order + 1) + size_t(k));
        return {values[at], values[at + 1]};
    }
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
    // The jets of a range's samples to at least `order`, worked out when the
    // range or a higher order is first asked for and kept until another
    // range is; null where that order cannot be worked out.
    std::shared_ptr<const JetTable> TableFor(float tMin, float tMax, int order) const;

    // The formulas and their variable, for exact work on them.
    GiNaC::ex X() const;
    GiNaC::ex Y() const;
    GiNaC::ex Variable() const;

    struct Parts;

private:
    std::unique_ptr<Parts> parts;
};
