#pragma once

#include <algorithm>
#include <array>
#include <limits>

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

// Inline: a relative's point takes some fifty of these per sample, for every
// sample of the range, each time P moves.
inline TaylorSeries TaylorSeries::Constant(double value, int order)
{
    TaylorSeries s;
    s.order = order;
    s.c[0] = value;
    return s;
}

inline double TaylorSeries::Derivative(int k) const
{
    double factorial = 1;
    for (int i = 2; i <= k; ++i)
        factorial *= i;
    return c[size_t(k)] * factorial;
}

inline TaylorSeries operator+(const TaylorSeries &a, const TaylorSeries &b)
{
    TaylorSeries s;
    s.order = std::min(a.order, b.order);
    for (int k = 0; k <= s.order; ++k)
        s.c[k] = a.c[k] + b.c[k];
    return s;
}

inline TaylorSeries operator*(double f, const TaylorSeries &a)
{
    TaylorSeries s = a;
    for (int k = 0; k <= s.order; ++k)
        s.c[k] *= f;
    return s;
}

inline TaylorSeries operator-(const TaylorSeries &a, const TaylorSeries &b)
{
    return a + (-1.0) * b;
}

inline TaylorSeries operator*(const TaylorSeries &a, const TaylorSeries &b)
{
    TaylorSeries s;
    s.order = std::min(a.order, b.order);
    for (int k = 0; k <= s.order; ++k)
        for (int i = 0; i <= k; ++i)
            s.c[k] += a.c[i] * b.c[k - i];
    return s;
}

// A quotient whose denominator vanishes at t0 has no value: NaN throughout.
inline TaylorSeries operator/(const TaylorSeries &a, const TaylorSeries &b)
{
    TaylorSeries q;
    q.order = std::min(a.order, b.order);
    if (b.c[0] == 0) {
        q.c.fill(std::numeric_limits<double>::quiet_NaN());
        return q;
    }
    // a = q b, solved for q one coefficient at a time.
    for (int k = 0; k <= q.order; ++k) {
        double rest = a.c[k];
        for (int i = 0; i < k; ++i)
            rest -= q.c[i] * b.c[k - i];
        q.c[k] = rest / b.c[0];
    }
    return q;
}

// The series of the derivative, one order shorter.
inline TaylorSeries Derivative(const TaylorSeries &a)
{
    TaylorSeries d;
    d.order = std::max(a.order - 1, 0);
    for (int k = 0; k < a.order; ++k)
        d.c[k] = (k + 1) * a.c[k + 1];
    if (a.order == 0)
        d.c[0] = std::numeric_limits<double>::quiet_NaN();  // nothing left to differentiate
    return d;
}
