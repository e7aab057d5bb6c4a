// The foot of a steep typed curve, against the textbook F = Q + lambda V
// evaluated with 200 digits: where Q is huge and F is not, a foot computed
// as Q + lambda V in double cancels to nonsense.
#include <gtest/gtest.h>

#include <cmath>
#include <ginac/ginac.h>

#include "maths/TypedCurve.h"
#include "maths/TypedPedal.h"

namespace {

// The double t as the exact rational it is.
GiNaC::numeric Exactly(double t)
{
    int exponent = 0;
    const double mantissa = std::frexp(t, &exponent);
    const auto whole = static_cast<long long>(std::ldexp(mantissa, 53));
    return GiNaC::numeric(whole) * GiNaC::numeric(2).power(exponent - 53);
}

struct PrecisePoint {
    double x, y;
};

// The Euclidean foot from P onto the tangent of the graph y = f(x) at x = t.
PrecisePoint PreciseFoot(const GiNaC::ex &f, const GiNaC::symbol &x, double t, double px, double py)
{
    const GiNaC::numeric at = Exactly(t);
    const GiNaC::ex y = f.subs(x == at).evalf();
    const GiNaC::ex slope = f.diff(x).subs(x == at).evalf();
    const GiNaC::ex lambda = ((px - at) + (py - y) * slope) / (1 + slope * slope);
    return {GiNaC::ex_to<GiNaC::numeric>((at + lambda).evalf()).to_double(),
            GiNaC::ex_to<GiNaC::numeric>((y + lambda * slope).evalf()).to_double()};
}

TEST(SteepFoot, HoldsWhereTheCurveIsHuge)
{
    const long oldDigits = GiNaC::Digits;
    GiNaC::Digits = 200;
    const GiNaC::symbol x("x");
    struct Case {
        const char *formula;
        GiNaC::ex exact;
        double from, to;
    } cases[] = {
        // Q up to 3.5e19: the true pedal curve runs along y = 1.
        {"exp(x)", GiNaC::exp(x), 30, 45},
        // Q from 1e13 to 1e153.
        {"exp(exp(exp(x)))", GiNaC::exp(GiNaC::exp(GiNaC::exp(x))), 1.23, 1.77},
    };
    for (const Case &c : cases) {
        const auto curve = BuildTypedCurve({TypedKind::Graph, c.formula, "", float(c.from), float(c.to)}).curve;
        ASSERT_TRUE(curve) << c.formula;
        int checked = 0;
        for (int k = 0; k <= 40; ++k) {
            const double t = c.from + (c.to - c.from) * k / 40;
            const Foot foot = FootOfJet(curve->At(t), Plane::Euclidean, 1, 1);
            const PrecisePoint truth = PreciseFoot(c.exact, x, t, 1, 1);
            ASSERT_TRUE(foot.hasPoint) << c.formula << " at " << t;
            EXPECT_NEAR(foot.x, truth.x, 1e-5 * std::max(1.0, std::fabs(truth.x))) << c.formula << " at " << t;
            EXPECT_NEAR(foot.y, truth.y, 1e-5 * std::max(1.0, std::fabs(truth.y))) << c.formula << " at " << t;
            ++checked;
        }
        EXPECT_EQ(checked, 41);
    }
    GiNaC::Digits = oldDigits;
}

}  // namespace
