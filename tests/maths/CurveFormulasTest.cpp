// Every curve answers its derivatives to any order from its formulas: checked
// against the built-in curves' own single-precision formulas and against
// closed forms of higher derivatives.
#include <cmath>
#include <gtest/gtest.h>

#include "maths/Curves.h"
#include "maths/TypedCurve.h"

namespace {

TEST(CurveFormulas, BuiltInFormulasAgreeWithTheDrawnCurves)
{
    for (const CurveRow &row : CurveTable()) {
        for (float t : {-1.3f, -0.4f, 0.0f, 0.7f, 1.9f}) {
            const PlaneJet jet = JetAt(row, double(t), 1);
            ASSERT_TRUE(jet.defined) << row.name << " at " << t;
            const CurvePoint q = CurvePosition(row.kind, t);
            const CurvePoint v = CurveTangent(row.kind, t);
            auto near = [](double a, float b) { return std::abs(a - double(b)) <= 2e-6 * (1 + std::abs(a)); };
            // The drawn y = x^6/6 - x^4/4 rounds 1/6 to 0.16667; its tangent is exact.
            if (row.kind != CurveKind::FlatSextic) {
                EXPECT_TRUE(near(jet.derivatives[0].x, q.x) && near(jet.derivatives[0].y, q.y)) << row.name << " " << t;
            }
            EXPECT_TRUE(near(jet.derivatives[1].x, v.x) && near(jet.derivatives[1].y, v.y)) << row.name << " " << t;
        }
    }
}

TEST(CurveFormulas, HigherDerivativesMatchClosedForms)
{
    const long double pi = 3.141592653589793238462643383279502884L;
    const double t = 0.83;
    const PlaneJet circle = JetAt(*CurveAt(0), t, 7);
    ASSERT_EQ(circle.derivatives.size(), 8u);
    for (int k = 0; k <= 7; ++k) {
        EXPECT_NEAR(circle.derivatives[k].x, double(std::cos(t + k * pi / 2)), 1e-14) << k;
        EXPECT_NEAR(circle.derivatives[k].y, double(std::sin(t + k * pi / 2)), 1e-14) << k;
    }
    const PlaneJet sextic = JetAt(*CurveAt(7), 1.3, 7);
    EXPECT_EQ(sextic.derivatives[6].y, 720.0);
    EXPECT_EQ(sextic.derivatives[7].y, 0.0);
    EXPECT_EQ(sextic.derivatives[2].x, 0.0);
    // y = x^6/6 - x^4/4: y'''' = 60 x^2 - 6.
    EXPECT_NEAR(JetAt(*CurveAt(9), 1.3, 4).derivatives[4].y, 60 * 1.69 - 6, 1e-12);

    // A typed curve: (e^(2t), t^3) has x^(k) = 2^k e^(2t) and y''' = 6.
    const TypedCurveBuild typed = BuildTypedCurve({TypedKind::Parametric, "exp(2*t)", "t^3", 0, 1});
    ASSERT_TRUE(typed.curve) << typed.error;
    const PlaneJet jet = JetAt(typed.curve->Row(), 0.4, 5);
    for (int k = 0; k <= 5; ++k)
        EXPECT_NEAR(jet.derivatives[k].x, double(std::ldexp(std::exp(0.8L), k)), 1e-12 * std::ldexp(1.0, k)) << k;
    EXPECT_EQ(jet.derivatives[3].y, 6.0);
    EXPECT_EQ(jet.derivatives[4].y, 0.0);
}

TEST(CurveFormulas, UndefinedWhereAFormulaHasNoValue)
{
    const TypedCurveBuild polar = BuildTypedCurve({TypedKind::Polar, "sqrt(t)", "", 0, 1});
    ASSERT_TRUE(polar.curve) << polar.error;
    EXPECT_TRUE(JetAt(polar.curve->Row(), 0.5, 2).defined);
    EXPECT_FALSE(JetAt(polar.curve->Row(), -1, 0).defined);
    // The first derivative of sqrt has no value at 0.
    EXPECT_TRUE(JetAt(polar.curve->Row(), 0, 0).defined);
    EXPECT_FALSE(JetAt(polar.curve->Row(), 0, 1).defined);
}

}  // namespace
