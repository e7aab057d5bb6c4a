// The parameter samples every trace uses: the exact single-precision sequence
// from tMin in steps of 0.0001, and the bounded fallback where it would stall
// or run too long.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "maths/Sampling.h"

namespace {

const double Pi = 3.14159265358979323846;

struct CountCase {
    const char *what;
    float tMin, tMax;
    int expected;
};

TEST(ExactSampleCount, DefaultRangesOfTheCurves)
{
    const CountCase cases[] = {
        {"circle and ellipse", 0.0f, float(2 * Pi), 62820},
        {"hyperbola", -float(Pi), float(Pi), 62851},
        {"parabola", -10.0f, 10.0f, 199874},
        {"graphs to the fifth power", -5.0f, 5.0f, 100010},
        {"sixth powers", -3.0f, 3.0f, 60017},
    };
    for (const CountCase &c : cases)
        EXPECT_EQ(ExactSampleCount(c.tMin, c.tMax), c.expected) << c.what;
}

TEST(ExactSampleCount, EmptyRanges)
{
    const CountCase cases[] = {
        {"equal ends", 1.0f, 1.0f, 0},
        {"reversed ends", 2.0f, 1.0f, 0},
        {"reversed far apart", 5000.0f, -5000.0f, 0},
        {"zero width at zero", 0.0f, 0.0f, 0},
    };
    for (const CountCase &c : cases)
        EXPECT_EQ(ExactSampleCount(c.tMin, c.tMax), c.expected) << c.what;
}

TEST(ExactSampleCount, ShortRangesAreExact)
{
    // One sample: the start itself, when tMax is not reached by one step.
    EXPECT_EQ(ExactSampleCount(1.0f, std::nextafter(1.0f, 2.0f)), 1);
    EXPECT_EQ(ExactSampleCount(0.0f, float(0.0001)), 1);
    // Thirty-eight units of parameter still fit the budget; forty do not
    // quite (the steps near |t| = 20 are a little shorter than 0.0001).
    const int count = ExactSampleCount(-19.0f, 19.0f);
    EXPECT_GT(count, 370000);
    EXPECT_LE(count, SampleBudget);
    EXPECT_EQ(ExactSampleCount(-20.0f, 20.0f), -1);
}

TEST(ExactSampleCount, StallingOrOverlongRangesAreRefused)
{
    const CountCase cases[] = {
        {"stalls at 2048", 2047.5f, 2048.5f, -1},           {"stalls from the start", 2100.0f, 2200.0f, -1},
        {"stalls below -2048", -2200.0f, -2100.0f, -1},     {"a million each way", -1e6f, 1e6f, -1},
        {"sixty units exceed the budget", 0.0f, 60.0f, -1}, {"a hundred units", 0.0f, 100.0f, -1},
    };
    for (const CountCase &c : cases)
        EXPECT_EQ(ExactSampleCount(c.tMin, c.tMax), c.expected) << c.what;
}

std::vector<float> Samples(float tMin, float tMax)
{
    std::vector<float> visited;
    ForEachSample(tMin, tMax, [&](float t) { visited.push_back(t); });
    return visited;
}

TEST(ForEachSample, ExactSequenceStepsByTenThousandths)
{
    const std::vector<float> s = Samples(-3.0f, 3.0f);
    ASSERT_EQ(s.size(), 60017u);
    EXPECT_EQ(s.front(), -3.0f);
    EXPECT_LT(s.back(), 3.0f);
    for (size_t i = 1; i < s.size(); ++i) {
        const double step = double(s[i]) - double(s[i - 1]);
        ASSERT_GT(step, 0.0001 * 0.99) << i;
        ASSERT_LT(step, 0.0001 * 1.01) << i;
    }
    // The next sample would no longer be below tMax.
    EXPECT_GE(double(s.back()) + 0.0001 * 1.01, 3.0);
}

TEST(ForEachSample, EmptyRangeVisitsNothing)
{
    EXPECT_TRUE(Samples(1.0f, 1.0f).empty());
    EXPECT_TRUE(Samples(3.0f, -3.0f).empty());
}

struct BudgetCase {
    const char *what;
    float tMin, tMax;
};

TEST(ForEachSample, RefusedRangesGetTheBudgetEvenlySpaced)
{
    const BudgetCase cases[] = {
        {"beyond 2048", 2000.0f, 2100.0f},
        {"below -2048", -2100.0f, -2000.0f},
        {"a million each way", -1e6f, 1e6f},
        {"sixty units", 0.0f, 60.0f},
    };
    for (const BudgetCase &c : cases) {
        const std::vector<float> s = Samples(c.tMin, c.tMax);
        ASSERT_EQ(int(s.size()), SampleBudget) << c.what;
        EXPECT_EQ(s.front(), c.tMin) << c.what;
        const double spacing = (double(c.tMax) - double(c.tMin)) / SampleBudget;
        bool inOrder = true, inRange = true;
        for (size_t i = 1; i < s.size(); ++i) {
            inOrder = inOrder && s[i] >= s[i - 1];
            inRange = inRange && s[i] < c.tMax;
        }
        EXPECT_TRUE(inOrder) << c.what;
        EXPECT_TRUE(inRange) << c.what;
        // The last sample is one spacing short of tMax (to single precision).
        EXPECT_NEAR(double(s.back()), double(c.tMax) - spacing, spacing + std::abs(double(c.tMax)) * 1e-7) << c.what;
    }
}

}  // namespace
