#pragma once

#include <memory>
#include <vector>

#include "maths/CurveFormulas.h"
#include "maths/TaylorSeries.h"
#include "model/Scene.h"

struct CurveRow;

// The pedal curve's relatives: curves made from the same curve, the same P
// and the same tangent lines, in either plane. With e = 1 (Euclidean) or -1
// (Minkowski), <u, v> = u1 v1 + e u2 v2, T = Q' and N = (-e y', x'):
//   contrapedal    C = Q + <P - Q, N> / <N, N> N   (foot on the normal line)
//   orthotomic     O = 2F - P                     (P mirrored in the tangent)
//   catacaustic    the evolute of the orthotomic (rays from P reflected)
//   negative pedal Z with <Z - Q, Q - P> = 0 and <Z - Q, T> = <T, Q - P>
//   evolute        E = Q + <T, T> / <Q'', N> N    (centres of curvature)
//   iterated pedal the pedal curve of the pedal curve, n times
// Where one divides by zero (a lightlike tangent or normal, an inflection,
// Q = P) it has no point.
enum class RelativeKind { Contrapedal, Orthotomic, Catacaustic, NegativePedal, Evolute, IteratedPedal };

struct Relative {
    RelativeKind kind;
    int stages = 1;  // the iterated pedal's n, 1 to 5
};

// A curve near a parameter, as the Taylor series of its coordinates.
struct SeriesPoint {
    TaylorSeries x, y;
};

// The derivatives of Q a relative needs, beyond its point.
int DerivativesNeeded(const Relative &relative);

// The relative near t of a curve given near t; one order shorter for each
// derivative the relative takes.
SeriesPoint RelativeOf(const SeriesPoint &curve, const Relative &relative, Plane plane, double px, double py);
// The pedal curve (F) near t, the first stage of the iterated pedal.
SeriesPoint PedalOf(const SeriesPoint &curve, Plane plane, double px, double py);

// One sample of a relative: its point and velocity, where it has them.
struct RelativeSample {
    bool defined;
    double x, y;
    double vx, vy;
};

// The relative at every sample of the scene's range and at one parameter.
// Empty where the curve's derivatives cannot be worked out.
std::vector<RelativeSample> RelativeSamples(const CurveRow &curve, const Scene &scene, const Relative &relative);
RelativeSample RelativeAt(const CurveRow &curve, const Scene &scene, const Relative &relative, double t);

// The parameters where a relative's velocity vanishes (its cusps): where the
// direction of travel turns back between two samples, refined to well
// within 1e-9 in t. At most MostSingularPoints, in order.
constexpr int MostSingularPoints = 1000;
std::vector<double> SingularParameters(const CurveRow &curve, const Scene &scene, const Relative &relative,
                                       const std::vector<RelativeSample> &samples);
