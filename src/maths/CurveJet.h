#pragma once

#include <vector>

// The position, tangent and second derivative at one parameter; `defined`
// is false where a formula has no finite value there.
struct CurveJet {
    bool defined = false;
    double x = 0, y = 0;
    double dx = 0, dy = 0;
    double ddx = 0, ddy = 0;
};

struct PlanePoint {
    double x;
    double y;
};

// One sample of the parameter sequence every trace follows.
struct TypedSample {
    float t;
    CurveJet jet;
};

// What depends on the curve and its range but not on P: the samples, and
// the parameters of the lightlike points and of the flat points (where the
// tangent line stops turning, so the foot stops moving for every P).
struct TypedCurveSamples {
    float tMin = 0;
    float tMax = 0;
    std::vector<TypedSample> samples;
    std::vector<double> lightlike;  // at most MaxMarkers, ascending
    std::vector<PlanePoint> lightlikePoints;
    std::vector<double> flat;  // ascending
};

constexpr int MaxMarkers = 1000;

// What the analysis asks of a curve: its jet at a parameter, and its third
// derivative there.
class JetSource {
public:
    virtual ~JetSource() = default;
    virtual CurveJet At(double t) const = 0;
    // (x''', y'''), for refining where the curvature numerator vanishes.
    virtual PlanePoint ThirdDerivative(double t) const = 0;
};
