#pragma once

#include <memory>
#include <vector>

#include "maths/CurveFormulas.h"
#include "maths/RelativeFormulas.h"
#include "maths/RelativeKind.h"
#include "maths/TaylorSeries.h"
#include "model/Scene.h"

struct CurveRow;

// A curve near a parameter, as the Taylor series of its coordinates.
using SeriesPoint = relative_formulas::Point<TaylorSeries>;

// The derivatives of Q a relative needs, beyond its point.
int DerivativesNeeded(const Relative &relative);

// The relative near t of a curve given near t; one order shorter for each
// derivative the relative takes.
SeriesPoint RelativeOf(const SeriesPoint &curve, const Relative &relative, Plane plane, double px, double py);
// The pedal curve (F) near t, the first stage of the iterated pedal.
SeriesPoint PedalOf(const SeriesPoint &curve, Plane plane, double px, double py);

// A relative at one parameter: its point and velocity, where it has them.
struct RelativeSample {
    bool defined;
    double x, y;
    double vx, vy;
};
RelativeSample RelativeAt(const CurveRow &curve, const Scene &scene, const Relative &relative, double t);

// A relative's points at the samples of the scene's range, each worked out
// when asked for, from the curve's jets of the range (worked out once per
// curve and range): a trace asks for as many as its pixels need.
struct RelativePoint {
    bool defined;
    double x, y;
};
class RelativeTrace {
public:
    RelativeTrace(const CurveRow &curve, const Scene &scene, const Relative &relative);
    // False where the curve's derivatives cannot be worked out: no points.
    bool Known() const { return table != nullptr; }
    size_t Count() const { return table ? table->t.size() : 0; }
    float T(size_t i) const { return table->t[i]; }
    RelativePoint At(size_t i) const;
    // The parameters where the relative's velocity vanishes (its cusps): where
    // its points at these ascending sample indices turn back, refined on its
    // exact velocity to well within 1e-9 in t. At most MostSingularPoints.
    std::vector<double> Cusps(const std::vector<size_t> &indices, const std::vector<RelativePoint> &points) const;

private:
    const CurveRow &curve;
    const Scene &scene;
    Relative relative;
    std::shared_ptr<const JetTable> table;
};
constexpr int MostSingularPoints = 1000;

// Every sample's point, and the cusps found among them.
std::vector<RelativePoint> RelativeSamples(const CurveRow &curve, const Scene &scene, const Relative &relative);
std::vector<double> SingularParameters(const CurveRow &curve, const Scene &scene, const Relative &relative,
                                       const std::vector<RelativePoint> &samples);
