// Implicit equations of pedal curves by elimination, against classical ones.
#include <gtest/gtest.h>

#include "SceneSupport.h"

#include "maths/Curves.h"
#include "maths/ExactFormulas.h"
#include "maths/ImplicitEquation.h"
#include "maths/TypedCurve.h"

namespace {

using GiNaC::ex;

ImplicitEquation PedalEquation(const Scene &scene)
{
    const ExactFormula pedal = SceneFormulas(scene)[1];
    EXPECT_TRUE(pedal.known);
    return ImplicitEquationOf(pedal.x, pedal.y, scene.curve->formulas->Variable());
}

// F is a constant multiple of the expected polynomial.
void ExpectMultipleOf(const ImplicitEquation &found, const ex &expected)
{
    ASSERT_TRUE(found.found) << found.problem;
    const ex ratio = (found.equation / expected.expand()).normal();
    EXPECT_TRUE(GiNaC::is_a<GiNaC::numeric>(ratio)) << found.equation << " against " << expected;
}

TEST(ImplicitEquation, ClassicalPedalCurves)
{
    // The unit circle from (1, 0): the cardioid (x^2 + y^2 - x)^2 = (x - 1)^2 + y^2.
    ImplicitEquation f = PedalEquation(SceneOf(BuiltIn(0), Plane::Euclidean, 1, 0));
    ExpectMultipleOf(f, GiNaC::pow(f.x * f.x + f.y * f.y - f.x, 2) - GiNaC::pow(f.x - 1, 2) - f.y * f.y);

    // The ellipse (2 cos t, sin t) about its centre: (x^2 + y^2)^2 = 4 x^2 + y^2.
    f = PedalEquation(SceneOf(BuiltIn(1), Plane::Euclidean, 0, 0));
    ExpectMultipleOf(f, GiNaC::pow(f.x * f.x + f.y * f.y, 2) - 4 * f.x * f.x - f.y * f.y);

    // The parabola (t, t^2) about its focus (0, 1/4): the line y = 0.
    f = PedalEquation(SceneOf(Typed("t", "t^2"), Plane::Euclidean, 0, 0.25f));
    ExpectMultipleOf(f, f.y);

    // In the Minkowski plane the hyperbola (cosh t, sinh t) about the origin is
    // its own pedal curve: x^2 - y^2 = 1.
    f = PedalEquation(SceneOf(BuiltIn(3), Plane::Minkowski, 0, 0));
    ExpectMultipleOf(f, f.x * f.x - f.y * f.y - 1);
}

// Refused before any elimination starts, with the reason.
TEST(ImplicitEquation, RefusalsNameTheirReason)
{
    const ImplicitEquation transcendental = PedalEquation(SceneOf(Typed("t", "log(t)"), Plane::Euclidean, 0, 0));
    EXPECT_FALSE(transcendental.found);
    EXPECT_EQ(transcendental.problem, "not algebraic");
    EXPECT_EQ(PedalEquation(SceneOf(Typed("t", "exp(t)"), Plane::Euclidean, 0, 0)).problem, "not algebraic");
    const ImplicitEquation high = PedalEquation(SceneOf(Typed("t", "t^15 - t"), Plane::Euclidean, 0.5f, 0));
    EXPECT_FALSE(high.found);
    EXPECT_EQ(high.problem, "too large");
}

}  // namespace
