#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "maths/Curves.h"

struct TypedPrograms;

// A curve the user types: parametric (x(t), y(t)), a graph y = f(x) drawn
// with x = t, or polar r(t) drawn as (r cos t, r sin t). Its formulas are
// differentiated exactly once, when it is built; every value is computed in
// double.
enum class TypedKind { Parametric, Graph, Polar };

struct TypedCurveText {
    TypedKind kind = TypedKind::Parametric;
    std::string first;   // x(t), f(x) or r(t)
    std::string second;  // y(t); parametric curves only
    float tMin = 0;
    float tMax = 0;
};

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

class TypedCurve {
public:
    TypedCurve(const TypedCurveText &text, std::shared_ptr<const TypedPrograms> programs);

    const TypedCurveText &Text() const { return text; }
    // The list entry: the curve's row, with this curve attached.
    const CurveRow &Row() const { return row; }
    // Unique for the program's run: tells one typed curve from another.
    int Serial() const { return serial; }

    CurveJet At(double t) const;
    // (x''', y'''), for refining where the curvature numerator vanishes.
    PlanePoint ThirdDerivative(double t) const;

    // Samples and analysis of a range, made when the range is first asked
    // for and kept until another range is.
    std::shared_ptr<const TypedCurveSamples> SamplesFor(float tMin, float tMax) const;

private:
    TypedCurveText text;
    std::shared_ptr<const TypedPrograms> programs;
    std::string name;
    CurveRow row;
    int serial;
    mutable std::mutex cacheGuard;
    mutable std::shared_ptr<const TypedCurveSamples> cached;
};

struct TypedCurveBuild {
    std::shared_ptr<const TypedCurve> curve;  // null where a formula is refused
    int field = 0;                            // 0: first formula, 1: second
    std::string error;                        // e.g. "unknown name 'sni' at 1"
};

// Parses and differentiates the formulas and compiles their evaluator.
TypedCurveBuild BuildTypedCurve(const TypedCurveText &text);

// Q, V and the second derivative of any curve of the list at t: a built-in
// curve's single-precision position and tangent (widened exactly) with its
// second derivative in double, a typed curve's values in double.
CurveJet JetOfRow(const CurveRow &row, float t);

// The list's text: "x = cos(t)^3, y = sin(t)^3", "y = x^2", "r = 1+cos(t)".
std::string TypedCurveName(const TypedCurveText &text);
