// The formula language of typed curves, read through the curves built from it.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

#include "maths/TypedCurve.h"

namespace {

TypedCurveBuild Graph(const std::string &formula)
{
    return BuildTypedCurve({TypedKind::Graph, formula, "", 0, 1});
}

std::string Repeated(const std::string &piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::string Nested(int depth)
{
    return Repeated("(", depth) + "t" + Repeated(")", depth);
}

bool EndsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(FormulaErrors, MessagesNameTheFaultAndItsPlace)
{
    const struct {
        std::string text, error;
    } cases[] = {
        {"sni(t)", "unknown name 'sni' at 1"},
        {"2*t + sni(t)", "unknown name 'sni' at 7"},
        {"sin(t", "missing ')' at 6"},
        {"((t+1)*2", "missing ')' at 9"},
        {"", "empty formula"},
        {"1e400", "number out of range at 1"},
        {"t+1e400", "number out of range at 3"},
        {Nested(101), "nested deeper than 100 at 101"},
        {"t" + Repeated("*1", 499) + "00", "longer than 1000 characters"},
        {Repeated("\xCF\x80", 1001), "longer than 1000 characters"},
    };
    for (const auto &c : cases) {
        const TypedCurveBuild build = Graph(c.text);
        EXPECT_FALSE(build.curve) << c.text;
        EXPECT_EQ(build.field, 0) << c.text;
        EXPECT_EQ(build.error, c.error) << c.text;
    }
}

TEST(FormulaErrors, PositionsCountCharactersNotBytes)
{
    const std::string pi = "\xCF\x80";  // two bytes in UTF-8, one character
    const std::string shortError = Graph("t+" + pi).error;
    EXPECT_TRUE(EndsWith(shortError, " at 3")) << shortError;
    EXPECT_NE(shortError.find(pi), std::string::npos) << shortError;
    // 1000 characters, 1001 bytes: not too long, the fault is the last character.
    const std::string longError = Graph("t" + std::string(998, ' ') + pi).error;
    EXPECT_TRUE(EndsWith(longError, " at 1000")) << longError;
}

TEST(FormulaErrors, TheFieldAndKindDecideWhichNamesAreKnown)
{
    const struct {
        TypedCurveText text;
        int field;
        std::string error;
    } cases[] = {
        {{TypedKind::Parametric, "t", "cos(t) + sni(t)", 0, 1}, 1, "unknown name 'sni' at 10"},
        {{TypedKind::Parametric, "x", "t", 0, 1}, 0, "unknown name 'x' at 1"},
        {{TypedKind::Parametric, "t", "x", 0, 1}, 1, "unknown name 'x' at 1"},
        {{TypedKind::Polar, "x", "", 0, 1}, 0, "unknown name 'x' at 1"},
    };
    for (const auto &c : cases) {
        const TypedCurveBuild build = BuildTypedCurve(c.text);
        EXPECT_FALSE(build.curve) << c.text.first << " / " << c.text.second;
        EXPECT_EQ(build.field, c.field) << c.text.first << " / " << c.text.second;
        EXPECT_EQ(build.error, c.error) << c.text.first << " / " << c.text.second;
    }
}

TEST(FormulaValues, PrecedenceConstantsAndLimitsOfGraphs)
{
    const double e3 = std::exp(3.0);
    const struct {
        std::string text;
        double y, dy, ddy;  // f(3), f'(3), f''(3), by hand
    } cases[] = {
        {"-t^2", -9, -6, -2},
        {"-2^2", -4, 0, 0},
        {"2^3^2", 512, 0, 0},  // 2^9
        {"2^-1", 0.5, 0, 0},
        {"1/2/4", 0.125, 0, 0},
        {"1 - 2 - 3", -4, 0, 0},
        {"(1+2)*t", 9, 3, 0},
        {"2.5e-1*t", 0.75, 0.25, 0},
        {"x^2 + t", 12, 7, 2},
        {"pi*t", 3 * M_PI, M_PI, 0},
        {"e^t", e3, e3, e3},
        {"e", M_E, 0, 0},
        {"abs(t - 5)", 2, -1, 0},
        {Nested(100), 3, 1, 0},
        {"t" + Repeated("*1", 499) + "0", 30, 10, 0},  // 1000 characters: 10t
    };
    for (const auto &c : cases) {
        const TypedCurveBuild build = Graph(c.text);
        ASSERT_TRUE(build.curve) << c.text << ": " << build.error;
        const CurveJet jet = build.curve->At(3);
        ASSERT_TRUE(jet.defined) << c.text;
        EXPECT_DOUBLE_EQ(jet.x, 3) << c.text;
        EXPECT_DOUBLE_EQ(jet.dx, 1) << c.text;
        EXPECT_DOUBLE_EQ(jet.ddx, 0) << c.text;
        EXPECT_NEAR(jet.y, c.y, 1e-12 * std::fabs(c.y)) << c.text;
        EXPECT_NEAR(jet.dy, c.dy, 1e-12 * (1 + std::fabs(c.dy))) << c.text;
        EXPECT_NEAR(jet.ddy, c.ddy, 1e-12 * (1 + std::fabs(c.ddy))) << c.text;
    }
}

TEST(FormulaValues, FunctionsAndTheirDerivatives)
{
    const TypedCurveBuild build =
        BuildTypedCurve({TypedKind::Parametric, "sin(t)+cos(t)+tan(t)+asin(t)+acos(t)+atan(t)",
                         "sinh(t)+cosh(t)+tanh(t)+exp(t)+log(t)+sqrt(t)+abs(t-1)", 0, 1});
    ASSERT_TRUE(build.curve) << build.error;
    const double t = 0.3, s = std::sin(t), c = std::cos(t), sh = std::sinh(t), ch = std::cosh(t);
    const double x = s + c + std::tan(t) + std::asin(t) + std::acos(t) + std::atan(t);
    const double y = sh + ch + std::tanh(t) + std::exp(t) + std::log(t) + std::sqrt(t) + (1 - t);
    // asin' + acos' = 0; |t - 1|' = -1 below 1.
    const double dx = c - s + 1 / (c * c) + 1 / (1 + t * t);
    const double dy = ch + sh + 1 / (ch * ch) + std::exp(t) + 1 / t + 0.5 / std::sqrt(t) - 1;
    const double ddx = -s - c + 2 * std::tan(t) / (c * c) - 2 * t / ((1 + t * t) * (1 + t * t));
    const double ddy = sh + ch - 2 * std::tanh(t) / (ch * ch) + std::exp(t) - 1 / (t * t) - 0.25 / std::pow(t, 1.5);
    const CurveJet jet = build.curve->At(t);
    ASSERT_TRUE(jet.defined);
    const double got[] = {jet.x, jet.y, jet.dx, jet.dy, jet.ddx, jet.ddy};
    const double want[] = {x, y, dx, dy, ddx, ddy};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-12 * std::fabs(want[i])) << "component " << i;
}

TEST(FormulaValues, HugePowersNeitherHangNorGiveValues)
{
    const auto start = std::chrono::steady_clock::now();
    for (const char *text : {"9^9^9^9", "2^1e300", "(2*t)^1e300", "t^9^9^9"}) {
        const TypedCurveBuild build = Graph(text);
        // Refused, or built with no finite value where the power overflows.
        if (build.curve)
            EXPECT_FALSE(build.curve->At(1.5).defined) << text;
        else
            EXPECT_FALSE(build.error.empty()) << text;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
