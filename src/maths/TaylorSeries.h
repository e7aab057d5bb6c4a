#pragma once

#include <array>

// A function near a parameter t0 as its Taylor coefficients f^(k)(t0) / k!,
// k = 0 .. order: sums, products and quotients of such series give the
// derivatives of any expression of a curve's coordinates exactly (up to
// rounding), one order lost per derivative taken.
struct TaylorSeries {
    static constexpr int MaxOrder = 7;
    std::array<double, MaxOrder + 1> c{};
    int order = 0;

    static TaylorSeries Constant(double value, int order);
    double Value() const { return c[0]; }
    // The coefficient of f^(k) / k!, as the k-th derivative.
    double Derivative(int k) const;
};

TaylorSeries operator+(const TaylorSeries &a, const TaylorSeries &b);
TaylorSeries operator-(const TaylorSeries &a, const TaylorSeries &b);
TaylorSeries operator*(const TaylorSeries &a, const TaylorSeries &b);
TaylorSeries operator*(double s, const TaylorSeries &a);
// A quotient whose denominator vanishes at t0 has no value: NaN throughout.
TaylorSeries operator/(const TaylorSeries &a, const TaylorSeries &b);
// The series of the derivative, one order shorter.
TaylorSeries Derivative(const TaylorSeries &a);
