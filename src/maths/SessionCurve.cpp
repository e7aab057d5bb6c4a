#include "maths/SessionCurve.h"

#include "maths/Curves.h"
#include "maths/TypedCurve.h"

namespace {

TypedKind TypedKindOf(SessionCurveKind kind)
{
    switch (kind) {
    case SessionCurveKind::Graph:
        return TypedKind::Graph;
    case SessionCurveKind::Polar:
        return TypedKind::Polar;
    default:
        return TypedKind::Parametric;
    }
}

SessionCurveKind SessionKindOf(TypedKind kind)
{
    switch (kind) {
    case TypedKind::Graph:
        return SessionCurveKind::Graph;
    case TypedKind::Polar:
        return SessionCurveKind::Polar;
    default:
        return SessionCurveKind::Parametric;
    }
}

}  // namespace

SessionCurveChoice ChooseSessionCurve(const SessionCurve &curve)
{
    SessionCurveChoice choice;
    if (curve.kind == SessionCurveKind::BuiltIn) {
        choice.builtInIndex = int(CurveNames().indexOf(curve.name));
        if (choice.builtInIndex < 0)
            choice.problem = "there is no built-in curve '" + curve.name.toStdString() + "'";
        return choice;
    }
    TypedCurveText text;
    text.kind = TypedKindOf(curve.kind);
    text.first = curve.first.toStdString();
    text.second = curve.second.toStdString();
    text.tMin = curve.tMin;
    text.tMax = curve.tMax;
    const TypedCurveBuild build = BuildTypedCurve(text);
    choice.typed = build.curve;
    if (!build.curve)
        choice.problem = std::string(build.field == 0 ? "the curve's first formula" : "the curve's second formula") +
                         " does not read: " + build.error;
    return choice;
}

SessionCurve SessionCurveOf(const CurveRow &row)
{
    SessionCurve curve;
    if (!row.typed) {
        curve.name = QString::fromLatin1(row.name);
        return curve;
    }
    const TypedCurveText &text = row.typed->Text();
    curve.kind = SessionKindOf(text.kind);
    curve.first = QString::fromStdString(text.first);
    curve.second = QString::fromStdString(text.second);
    curve.tMin = text.tMin;
    curve.tMax = text.tMax;
    return curve;
}
