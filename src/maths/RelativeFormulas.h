#pragma once

#include "maths/RelativeKind.h"
#include "model/Scene.h"

// The definitions of the pedal curve and its relatives, written once for any
// scalar that adds, multiplies, divides and differentiates: Taylor series
// (numbers for the traces) and exact expressions (formulas for the user).
// e is 1 in the Euclidean plane and -1 in the Minkowski plane.
namespace relative_formulas {

template <class S>
struct Point {
    S x, y;
};

template <class S>
Point<S> Derivative(const Point<S> &p)
{
    return {Derivative(p.x), Derivative(p.y)};
}

template <class S>
Point<S> Minus(const Point<S> &a, const Point<S> &b)
{
    return {a.x - b.x, a.y - b.y};
}

// p + s v
template <class S>
Point<S> Along(const Point<S> &p, const S &s, const Point<S> &v)
{
    return {p.x + s * v.x, p.y + s * v.y};
}

template <class S>
S Inner(const Point<S> &u, const Point<S> &v, double e)
{
    return u.x * v.x + e * (u.y * v.y);
}

// N = (-e y', x'), with <N, T> = 0.
template <class S>
Point<S> Normal(const Point<S> &t, double e)
{
    return {(-e) * t.y, t.x};
}

// F = Q + <P - Q, T> / <T, T> T
template <class S>
Point<S> Pedal(const Point<S> &q, const Point<S> &p, double e)
{
    const Point<S> t = Derivative(q);
    return Along(q, Inner(Minus(p, q), t, e) / Inner(t, t, e), t);
}

// C = Q + <P - Q, N> / <N, N> N
template <class S>
Point<S> Contrapedal(const Point<S> &q, const Point<S> &p, double e)
{
    const Point<S> n = Normal(Derivative(q), e);
    return Along(q, Inner(Minus(p, q), n, e) / Inner(n, n, e), n);
}

// E = Q + <T, T> / <Q'', N> N
template <class S>
Point<S> Evolute(const Point<S> &q, double e)
{
    const Point<S> t = Derivative(q);
    const Point<S> n = Normal(t, e);
    return Along(q, Inner(t, t, e) / Inner(Derivative(t), n, e), n);
}

// Z with <Z - Q, Q - P> = 0 and <Z - Q, T> = <T, Q - P>, solved for Z - Q.
template <class S>
Point<S> NegativePedal(const Point<S> &q, const Point<S> &p, double e)
{
    const Point<S> t = Derivative(q);
    const Point<S> u = Minus(q, p);
    const S g = Inner(t, u, e);
    const S d = e * (u.x * t.y - u.y * t.x);
    return {q.x + ((-e) * (u.y * g)) / d, q.y + (u.x * g) / d};
}

template <class S>
Point<S> Of(const Point<S> &q, const Relative &relative, const Point<S> &p, double e)
{
    switch (relative.kind) {
    case RelativeKind::Contrapedal:
        return Contrapedal(q, p, e);
    case RelativeKind::Orthotomic: {
        const Point<S> f = Pedal(q, p, e);
        return {2.0 * f.x - p.x, 2.0 * f.y - p.y};
    }
    case RelativeKind::Catacaustic:
        return Evolute(Of(q, {RelativeKind::Orthotomic}, p, e), e);
    case RelativeKind::NegativePedal:
        return NegativePedal(q, p, e);
    case RelativeKind::Evolute:
        return Evolute(q, e);
    case RelativeKind::IteratedPedal: {
        Point<S> f = q;
        for (int stage = 0; stage < relative.stages; ++stage)
            f = Pedal(f, p, e);
        return f;
    }
    }
    return q;
}

inline double PlaneSign(Plane plane)
{
    return plane == Plane::Minkowski ? -1.0 : 1.0;
}

}  // namespace relative_formulas
