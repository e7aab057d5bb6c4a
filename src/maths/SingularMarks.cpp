#include "maths/SingularMarks.h"

#include <cmath>

#include "maths/SingularDirection.h"

namespace {

// The end of the run from `from` along m times `direction`.
float Along(float from, double m, float direction)
{
    return float(double(from) + m * double(direction));
}

WorldSegment SegmentAlong(float x, float y, double m, float vx, float vy)
{
    return {x, y, Along(x, m, vx), Along(y, m, vy)};
}

// S and its tangent line: S -> S + first V, then S -> S + second V.
SingularMark LineThrough(double sx, double sy, double vx, double vy, double first, double second)
{
    const float x = float(sx);
    const float y = float(sy);
    const float dx = float(vx);
    const float dy = float(vy);
    return {x, y, {SegmentAlong(x, y, first, dx, dy), SegmentAlong(x, y, second, dx, dy)}};
}

// Zero curvature at t = 0 with tangent y = 0: S is the foot (px, 0) in both
// planes, the line runs along (-py, px) (Minkowski) or (py, px) (Euclidean).
SingularMark FlatPoint(Plane plane, float pedalX, float pedalY)
{
    const double px = double(pedalX);
    const double py = double(pedalY);
    const double sign = plane == Plane::Minkowski ? -1.0 : 1.0;
    SingularMark mark{pedalX, 0.0f, {}};
    mark.segments.push_back({pedalX, 0.0f, float(px + sign * 20.0 * py), float(20.0 * px)});
    mark.segments.push_back({pedalX, 0.0f, float(px - sign * 20.0 * py), float(-20.0 * px)});
    // With P at the origin the directions above vanish: the foot runs up and down.
    if (pedalX == 0.0f && pedalY == 0.0f) {
        mark.segments.push_back({0.0f, 0.0f, 0.0f, 20.0f});
        mark.segments.push_back({0.0f, 0.0f, 0.0f, -20.0f});
    }
    return mark;
}

// Inflection of y = x^3 - 2x at t = 0, tangent y = -2x.
SingularMark Inflection(Plane plane, float pedalX, float pedalY)
{
    const double px = double(pedalX);
    const double py = double(pedalY);
    SingularMark mark;
    // With P at the origin the direction vanishes and the foot runs along the
    // normal: (-0.8 t^3, -0.4 t^3) in the Euclidean plane.
    WorldSegment originSegments[2];
    if (plane == Plane::Minkowski) {
        const double third = 1.0 / 3.0;
        mark = LineThrough((-px - 2.0 * py) * third, (2.0 * px + 4.0 * py) * third, -4.0 * px - 5.0 * py,
                           5.0 * px + 4.0 * py, 10.0, -10.0);
        originSegments[0] = {0.0f, 0.0f, 40.0f, -20.0f};
        originSegments[1] = {0.0f, 0.0f, -40.0f, 20.0f};
    } else {
        mark = LineThrough((px - 2.0 * py) * 0.2, (-2.0 * px + 4.0 * py) * 0.2, 4.0 * px - 3.0 * py,
                           -3.0 * px - 4.0 * py, 10.0, -10.0);
        originSegments[0] = {0.0f, 0.0f, 40.0f, 20.0f};
        originSegments[1] = {0.0f, 0.0f, -40.0f, -20.0f};
    }
    if (pedalX == 0.0f && pedalY == 0.0f)
        mark.segments.insert(mark.segments.end(), originSegments, originSegments + 2);
    return mark;
}

// Flat points of y = 0.16667 t^6 - 0.25 t^4 at t = +-sqrt 0.6. S has fixed
// coefficients of the foot there; the line's direction comes from the curve
// at that parameter, so it is the pedal curve's own tangent.
SingularMark FlatSexticPoint(bool positive, Plane plane, float pedalX, float pedalY)
{
    const double px = double(pedalX);
    const double py = double(pedalY);
    const double r = std::sqrt(0.6);
    const double t = positive ? r : -r;
    const double t3 = t * t * t;
    const double t4 = t3 * t;
    const double t5 = t4 * t;
    const PlaneVector q{t, 0.16667 * t5 * t - 0.25 * t4};
    const bool minkowski = plane == Plane::Minkowski;
    const PlaneVector v = SingularTangentDirection(minkowski, q, {1.0, t5 - t3}, {px, py});
    if (positive) {
        if (minkowski)
            return LineThrough(r + 1.0358 * px + 0.19267 * py - 0.79196, -0.054 - 0.1927 * px - 0.0358 * py + 0.1473,
                               v.x, v.y, -100.0, 100.0);
        return LineThrough(r + 0.966 * px - 0.18 * py - 0.758, -0.18 * px + 0.033 * py + 0.087, v.x, v.y, -100.0,
                           100.0);
    }
    if (minkowski)
        return LineThrough(-r + 1.0358 * px - 0.19267 * py + 0.79196, 0.1927 * px - 0.054 - 0.0358 * py + 0.1473, v.x,
                           v.y, -10.0, 10.0);
    return LineThrough(-r + 0.966 * px + 0.18 * py + 0.758, 0.18 * px + 0.033 * py + 0.087, v.x, v.y, -100.0, 100.0);
}

// The parameter windows: t = 0 exactly, or 0.75 (single) to 0.81 (double).
bool InWindow(SingularCase singular, float t)
{
    const double T = double(t);
    switch (singular) {
    case SingularCase::FlatAtZero:
    case SingularCase::InflectionAtZero:
        return t == 0.0f;
    case SingularCase::FlatAtPlus:
        return 0.75f <= t && T <= 0.81;
    case SingularCase::FlatAtMinus:
        return -0.81 <= T && t <= -0.75f;
    }
    return false;
}

SingularMark MarkOf(SingularCase singular, Plane plane, float pedalX, float pedalY)
{
    switch (singular) {
    case SingularCase::FlatAtZero:
        return FlatPoint(plane, pedalX, pedalY);
    case SingularCase::InflectionAtZero:
        return Inflection(plane, pedalX, pedalY);
    case SingularCase::FlatAtPlus:
        return FlatSexticPoint(true, plane, pedalX, pedalY);
    case SingularCase::FlatAtMinus:
        return FlatSexticPoint(false, plane, pedalX, pedalY);
    }
    return {};
}

}  // namespace

std::vector<SingularMark> SingularMarksAt(const CurveRow &curve, Plane plane, float pedalX, float pedalY, float t)
{
    std::vector<SingularMark> marks;
    for (SingularCase singular : curve.singular) {
        if (InWindow(singular, t))
            marks.push_back(MarkOf(singular, plane, pedalX, pedalY));
    }
    return marks;
}
