#pragma once

#include <cmath>

// Every trace samples t := f32(t + 0.0001) from tMin while t < tMax. A range
// on which that sequence would stall (|t| >= 2048) or run past the budget
// gets SampleBudget evenly spaced samples instead, so no frame can hang.
constexpr int SampleBudget = 400000;
constexpr double SampleStep = 0.0001;

// Number of samples of the exact sequence, or -1 when it stalls or exceeds the budget.
int ExactSampleCount(float tMin, float tMax);

template <class Visit>
void ForEachSample(float tMin, float tMax, Visit &&visit)
{
    if (!(tMin < tMax))
        return;
    if (ExactSampleCount(tMin, tMax) >= 0) {
        for (float t = tMin; t < tMax; t = float(double(t) + SampleStep))
            visit(t);
        return;
    }
    const double span = double(tMax) - double(tMin);
    for (int k = 0; k < SampleBudget; ++k)
        visit(float(double(tMin) + span * k / SampleBudget));
}
