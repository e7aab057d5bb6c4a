#include "maths/TypedPedal.h"

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
    if (denominator == 0)
        return foot;
    const double lambda = numerator / denominator;
    const double x = jet.x + lambda * jet.dx;
    const double y = jet.y + lambda * jet.dy;
    if (std::isfinite(x) && std::isfinite(y)) {
        foot.hasPoint = true;
        foot.x = float(x);
        foot.y = float(y);
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
        const double denominator = Inner(plane, u.x, u.y, u.x, u.y);
        if (!jet.defined || denominator == 0)
            continue;  // a lightlike tangent line has no foot
        const double lambda = Inner(plane, px - jet.x, py - jet.y, u.x, u.y) / denominator;
        const PlaneVector direction = SingularTangentDirection(minkowski, {jet.x, jet.y}, u, {px, py});
        AddMark(jet.x + lambda * u.x, jet.y + lambda * u.y, direction, reach, marks);
    }
    // Where the curve passes through P every foot nearby is close to P: S is P.
    for (double s : PassagesThrough(curve, samples, px, py, from, to)) {
        const PlaneVector u = TangentDirection(curve.At(s));
        AddMark(px, py, SingularTangentDirection(minkowski, {px, py}, u, {px, py}), reach, marks);
    }
    return marks;
}
