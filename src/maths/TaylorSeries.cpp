#include "maths/TaylorSeries.h"

#include <algorithm>
#include <limits>

TaylorSeries TaylorSeries::Constant(double value, int order)
{
    TaylorSeries s;
    s.order = order;
    s.c[0] = value;
    return s;
}

double TaylorSeries::Derivative(int k) const
{
    double factorial = 1;
    for (int i = 2; i <= k; ++i)
        factorial *= i;
    return c[size_t(k)] * factorial;
}

TaylorSeries operator+(const TaylorSeries &a, const TaylorSeries &b)
{
    TaylorSeries s;
    s.order = std::min(a.order, b.order);
    for (int k = 0; k <= s.order; ++k)
        s.c[k] = a.c[k] + b.c[k];
    return s;
}

TaylorSeries operator-(const TaylorSeries &a, const TaylorSeries &b)
{
    return a + (-1.0) * b;
}

TaylorSeries operator*(double f, const TaylorSeries &a)
{
    TaylorSeries s = a;
    for (int k = 0; k <= s.order; ++k)
        s.c[k] *= f;
    return s;
}

TaylorSeries operator*(const TaylorSeries &a, const TaylorSeries &b)
{
    TaylorSeries s;
    s.order = std::min(a.order, b.order);
    for (int k = 0; k <= s.order; ++k)
        for (int i = 0; i <= k; ++i)
            s.c[k] += a.c[i] * b.c[k - i];
    return s;
}

TaylorSeries operator/(const TaylorSeries &a, const TaylorSeries &b)
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

TaylorSeries Derivative(const TaylorSeries &a)
{
    TaylorSeries d;
    d.order = std::max(a.order - 1, 0);
    for (int k = 0; k < a.order; ++k)
        d.c[k] = (k + 1) * a.c[k + 1];
    if (a.order == 0)
        d.c[0] = std::numeric_limits<double>::quiet_NaN();  // nothing left to differentiate
    return d;
}
