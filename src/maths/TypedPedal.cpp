#include "maths/TypedPedal.h"

#include <algorithm>
#include <cmath>

#include "maths/SingularDirection.h"
#include "maths/TypedAnalysis.h"

namespace {

double Inner(Plane plane, double ax, double ay, double bx, double by)
{
    return plane == Plane::Minkowski ? ax * bx - ay * by : ax * bx + ay * by;
}

// The tangent line's direction: the tangent vector, or at a cusp, where it
// vanishes, the second derivative it turns into.
PlaneVector TangentDirection(const CurveJet &jet)
{
    if (IsCusp(jet))
        return {jet.ddx, jet.ddy};
    return {jet.dx, jet.dy};
}

// The foot of the perpendicular from P onto the line through Q along `along`,
// as P plus the component of Q - P along the line's normal N = (-e y, x)
// (e = 1 Euclidean, -1 Minkowski). Unlike Q + lambda V it does not cancel
// where Q is huge and the foot is not (a steep exponential's tangent lines
// pass near P). N is scaled by a power of two, exactly, so that no square
// overflows. False where the line is lightlike or the foot is not finite.
bool FootOnLine(Plane plane, PlaneVector q, PlaneVector along, PlaneVector p, PlaneVector &foot)
{
    const double largest = std::max(std::fabs(along.x), std::fabs(along.y));
    if (!(largest > 0) || !std::isfinite(largest))
        return false;
    // Scaling by a power of two changes no digit of the foot, so it is done
    // only where a square could leave the range of double.
    const int scale = largest > 1e-100 && largest < 1e100 ? 0 : -std::ilogb(largest);
    const double nx = std::ldexp(plane == Plane::Minkowski ? along.y : -along.y, scale);
    const double ny = std::ldexp(along.x, scale);
    const double normalSquare = Inner(plane, nx, ny, nx, ny);
    if (normalSquare == 0)
        return false;
    const double mu = Inner(plane, q.x - p.x, q.y - p.y, nx, ny) / normalSquare;
    foot = {p.x + mu * nx, p.y + mu * ny};
    return std::isfinite(foot.x) && std::isfinite(foot.y);
}

// S with the line through it along `direction`.
bool AddMark(double sx, double sy, PlaneVector direction, double reach, std::vector<SingularMark> &marks)
{
    const double length = std::hypot(direction.x, direction.y);
    if (!(length > 0) || !std::isfinite(length) || !std::isfinite(sx) || !std::isfinite(sy))
        return false;
    const double ux = direction.x / length * reach;
    const double uy = direction.y / length * reach;
    const float x = float(sx);
    const float y = float(sy);
    marks.push_back({x, y, {{x, y, float(sx + ux), float(sy + uy)}, {x, y, float(sx - ux), float(sy - uy)}}});
    return true;
}

}  // namespace

Foot FootOfJet(const CurveJet &jet, Plane plane, double px, double py)
{
    if (!jet.defined)
        return {0.0f, 0.0f, false, 0.0f, 0.0f};
    const double numerator = Inner(plane, px - jet.x, py - jet.y, jet.dx, jet.dy);
    const double denominator = Inner(plane, jet.dx, jet.dy, jet.dx, jet.dy);
    Foot foot{float(numerator), float(denominator), false, 0.0f, 0.0f};
    PlaneVector point{0, 0};
    if (FootOnLine(plane, {jet.x, jet.y}, {jet.dx, jet.dy}, {px, py}, point)) {
        foot.hasPoint = true;
        foot.x = float(point.x);
        foot.y = float(point.y);
    }
    return foot;
}

std::vector<SingularMark> TypedSingularMarksAt(const TypedCurve &curve, const TypedCurveSamples &samples, Plane plane,
                                               float pedalX, float pedalY, float t, double reach)
{
    const bool minkowski = plane == Plane::Minkowski;
    const double px = double(pedalX);
    const double py = double(pedalY);
    const double from = double(t) - SingularWindow;
    const double to = double(t) + SingularWindow;
    std::vector<SingularMark> marks;
    // Where the tangent line stops turning the foot stops: S is the foot there.
    for (double s : samples.flat) {
        if (s < from || s > to)
            continue;
        const CurveJet jet = curve.At(s);
        const PlaneVector u = TangentDirection(jet);
        PlaneVector foot{0, 0};
        if (!jet.defined || !FootOnLine(plane, {jet.x, jet.y}, u, {px, py}, foot))
            continue;  // a lightlike tangent line has no foot
        const PlaneVector direction = SingularTangentDirection(minkowski, {jet.x, jet.y}, u, {px, py});
        AddMark(foot.x, foot.y, direction, reach, marks);
    }
    // Where the curve passes through P every foot nearby is close to P: S is P.
    for (double s : PassagesThrough(curve, samples, px, py, from, to)) {
        const PlaneVector u = TangentDirection(curve.At(s));
        AddMark(px, py, SingularTangentDirection(minkowski, {px, py}, u, {px, py}), reach, marks);
    }
    return marks;
}
