#include "maths/Sampling.h"

namespace {
// While |t| < 2048 one step t := f32(t + 0.0001) moves t by at most
// 0.0001 plus half a unit in the last place, well under twice the step; from
// 2048 on it cannot move t at all. So a range longer than the budget's worth
// of double steps either stalls or needs more samples than the budget.
constexpr double LongestExactSpan = SampleBudget * (2.0 * SampleStep);
}  // namespace

int ExactSampleCount(float tMin, float tMax)
{
    if (!(tMin < tMax))
        return 0;
    if (double(tMax) - double(tMin) > LongestExactSpan)
        return -1;
    int count = 0;
    float t = tMin;
    while (t < tMax) {
        if (count == SampleBudget)
            return -1;
        ++count;
        const float next = float(double(t) + SampleStep);
        if (!(next > t))
            return -1;
        t = next;
    }
    return count;
}
