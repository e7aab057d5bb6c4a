// Exact formulas of the pedal curve and its relatives, as a paper prints
// them: each printed form of three curves against a hand-written string,
// closed forms, and the text form read back as an own curve.
#include <cmath>
#include <gtest/gtest.h>

#include "SceneSupport.h"

#include "maths/Curves.h"
#include "maths/ExactFormulas.h"
#include "maths/Relatives.h"
#include "maths/TypedCurve.h"

namespace {

// The pedal curve's line of the formulas.
std::string PedalLine(const Scene &scene, FormulaFormat format)
{
    const std::vector<ExactFormula> formulas = SceneFormulas(scene);
    EXPECT_EQ(formulas.size(), 2u);
    return PrintedFormulas({formulas[1]}, format);
}

TEST(ExactFormulas, EachFormatOfThreeCurves)
{
    // The unit circle from (1, 0): the cardioid (cos t + sin^2 t, sin t - sin t cos t).
    const Scene circle = SceneOf(BuiltIn(0), Plane::Euclidean, 1, 0);
    EXPECT_EQ(PedalLine(circle, FormulaFormat::Text),
              "pedal curve: x = -cos(t)^2 + cos(t) + 1, y = -cos(t)*sin(t) + sin(t)\n");
    EXPECT_EQ(PedalLine(circle, FormulaFormat::Latex),
              "pedal curve: x = -\\cos\\left(t\\right)^{2} + \\cos\\left(t\\right) + 1, "
              "y = -\\cos\\left(t\\right) \\sin\\left(t\\right) + \\sin\\left(t\\right)\n");
    EXPECT_EQ(PedalLine(circle, FormulaFormat::Mathematica),
              "pedal curve: x = -Cos[t]^2 + Cos[t] + 1, y = -Cos[t]*Sin[t] + Sin[t]\n");
    EXPECT_EQ(PedalLine(circle, FormulaFormat::Sympy),
              "pedal curve: x = -cos(t)**2 + cos(t) + 1, y = -cos(t)*sin(t) + sin(t)\n");

    // The ellipse (2 cos t, sin t) from (0.3, 0): 0.3 enters as 3/10, so
    // x = (2c + 6/5 - 6/5 c^2) / (4 - 3c^2), y = s (4 - 3c/5) / (4 - 3c^2), over 5.
    const Scene ellipse = SceneOf(BuiltIn(1), Plane::Euclidean, 0.3f, 0);
    EXPECT_EQ(PedalLine(ellipse, FormulaFormat::Text),
              "pedal curve: x = (6*cos(t)^2 - 10*cos(t) - 6)/(15*cos(t)^2 - 20), "
              "y = (3*cos(t)*sin(t) - 20*sin(t))/(15*cos(t)^2 - 20)\n");
    EXPECT_EQ(PedalLine(ellipse, FormulaFormat::Latex),
              "pedal curve: x = \\frac{6 \\cos\\left(t\\right)^{2} - 10 \\cos\\left(t\\right) - 6}"
              "{15 \\cos\\left(t\\right)^{2} - 20}, y = \\frac{3 \\cos\\left(t\\right) \\sin\\left(t\\right) - 20 "
              "\\sin\\left(t\\right)}{15 \\cos\\left(t\\right)^{2} - 20}\n");
    EXPECT_EQ(PedalLine(ellipse, FormulaFormat::Mathematica),
              "pedal curve: x = (6*Cos[t]^2 - 10*Cos[t] - 6)/(15*Cos[t]^2 - 20), "
              "y = (3*Cos[t]*Sin[t] - 20*Sin[t])/(15*Cos[t]^2 - 20)\n");
    EXPECT_EQ(PedalLine(ellipse, FormulaFormat::Sympy),
              "pedal curve: x = (6*cos(t)**2 - 10*cos(t) - 6)/(15*cos(t)**2 - 20), "
              "y = (3*cos(t)*sin(t) - 20*sin(t))/(15*cos(t)**2 - 20)\n");

    // In the Minkowski plane the hyperbola (cosh t, sinh t) is its own pedal curve about the origin.
    const Scene hyperbola = SceneOf(BuiltIn(3), Plane::Minkowski, 0, 0);
    EXPECT_EQ(PedalLine(hyperbola, FormulaFormat::Text), "pedal curve: x = cosh(t), y = sinh(t)\n");
    EXPECT_EQ(PedalLine(hyperbola, FormulaFormat::Mathematica), "pedal curve: x = Cosh[t], y = Sinh[t]\n");
}

TEST(ExactFormulas, ClosedFormsOfTheParabola)
{
    // (t, t^2) about its focus (0, 1/4): the vertex tangent y = 0, met at t/2.
    Scene scene = SceneOf(Typed("t", "t^2"), Plane::Euclidean, 0, 0.25f);
    EXPECT_EQ(PedalLine(scene, FormulaFormat::Text), "pedal curve: x = t/2, y = 0\n");
    // Its evolute (-4 t^3, 1/2 + 3 t^2).
    scene.Show("evolute", true);
    const std::vector<ExactFormula> formulas = SceneFormulas(scene);
    ASSERT_EQ(formulas.size(), 3u);
    EXPECT_EQ(PrintedFormulas({formulas[2]}, FormulaFormat::Text), "evolute: x = -4*t^3, y = (6*t^2 + 1)/2\n");
    EXPECT_EQ(PrintedFormulas({formulas[2]}, FormulaFormat::Sympy), "evolute: x = -4*t**3, y = (6*t**2 + 1)/2\n");
}

// The text form, typed back as an own curve, is the exact pedal curve again.
TEST(ExactFormulas, TheTextFormReadsBackAsTheSameCurve)
{
    for (const Plane plane : {Plane::Euclidean, Plane::Minkowski}) {
        const Scene scene = SceneOf(BuiltIn(1), plane, 0.3f, -0.7f);
        const ExactFormula pedal = SceneFormulas(scene)[1];
        ASSERT_TRUE(pedal.known);
        const auto typed = Typed(PrintedFormula(pedal.x, FormulaFormat::Text).c_str(),
                                 PrintedFormula(pedal.y, FormulaFormat::Text).c_str());
        const GiNaC::ex t = scene.curve->formulas->Variable();
        auto exact = [&](const GiNaC::ex &e, double at) {
            return GiNaC::ex_to<GiNaC::numeric>(e.subs(t == at).evalf()).to_double();
        };
        for (double at : {-2.5, -1.0, 0.2, 0.9, 2.8}) {
            const PlaneJet back = JetAt(*typed, at, 0);
            ASSERT_TRUE(back.defined);
            EXPECT_NEAR(back.derivatives[0].x, exact(pedal.x, at), 1e-12);
            EXPECT_NEAR(back.derivatives[0].y, exact(pedal.y, at), 1e-12);
            // And it is the pedal curve the picture draws (from P in single precision).
            const RelativeSample f = RelativeAt(*scene.curve, scene, {RelativeKind::IteratedPedal, 1}, at);
            EXPECT_NEAR(back.derivatives[0].x, f.x, 1e-6);
        }
    }
}

// A formula that grows past what can be simplified in moments is said to be
// too large at once: the fifth pedal of the ellipse.
TEST(ExactFormulas, AFormulaTooLargeToSimplifyIsSaidToBe)
{
    Scene scene = SceneOf(BuiltIn(1), Plane::Euclidean, 0.5f, 0.3f);
    scene.Show("iteratedPedal", true);
    scene.pedalStages = 5;
    const std::vector<ExactFormula> formulas = SceneFormulas(scene);
    ASSERT_EQ(formulas.size(), 3u);
    EXPECT_TRUE(formulas[1].known);
    EXPECT_FALSE(formulas[2].known);
    EXPECT_EQ(PrintedFormulas({formulas[2]}, FormulaFormat::Text), "iterated pedal (n = 5): too large to write out\n");
}

}  // namespace
