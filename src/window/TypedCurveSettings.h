#pragma once

#include <memory>
#include <vector>

class TypedCurve;

// The typed curves the curve list offers after the built-in ones, newest
// first, remembered across runs in the user's settings.
using TypedCurves = std::vector<std::shared_ptr<const TypedCurve>>;
constexpr int RememberedCurves = 8;

// The remembered curves that still build; anything unreadable is left out.
TypedCurves LoadTypedCurves();
void SaveTypedCurves(const TypedCurves &curves);
// Puts the curve first; the same formulas and range further down go, and the
// list keeps the newest RememberedCurves.
void Remember(TypedCurves &curves, const std::shared_ptr<const TypedCurve> &curve);
