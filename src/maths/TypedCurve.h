#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "maths/CurveJet.h"
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

class TypedCurve : public JetSource {
public:
    TypedCurve(const TypedCurveText &text, std::shared_ptr<const TypedPrograms> programs,
               std::shared_ptr<const CurveFormulas> formulas);

    const TypedCurveText &Text() const { return text; }
    // The list entry: the curve's row, with this curve attached.
    const CurveRow &Row() const { return row; }
    // Unique for the program's run: tells one typed curve from another.
    int Serial() const { return serial; }

    CurveJet At(double t) const override;
    PlanePoint ThirdDerivative(double t) const override;

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

// A typed curve's row, shared as a scene holds its curve: it keeps the curve alive.
std::shared_ptr<const CurveRow> SharedRowOf(const std::shared_ptr<const TypedCurve> &curve);

// Parses and differentiates the formulas and compiles their evaluator.
TypedCurveBuild BuildTypedCurve(const TypedCurveText &text);

// Q, V and the second derivative of any curve of the list at t: a built-in
// curve's single-precision position and tangent (widened exactly) with its
// second derivative in double, a typed curve's values in double.
CurveJet JetOfRow(const CurveRow &row, float t);

// The list's text: "x = cos(t)^3, y = sin(t)^3", "y = x^2", "r = 1+cos(t)".
std::string TypedCurveName(const TypedCurveText &text);
