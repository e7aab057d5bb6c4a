#include "maths/SessionCurve.h"

#include "maths/Curves.h"
#include "maths/TypedCurve.h"

namespace {

struct KindPair {
    SessionCurveKind session;
    TypedKind typed;
};
constexpr KindPair Kinds[] = {{SessionCurveKind::Parametric, TypedKind::Parametric},
                              {SessionCurveKind::Graph, TypedKind::Graph},
                              {SessionCurveKind::Polar, TypedKind::Polar}};

TypedKind TypedKindOf(SessionCurveKind kind)
{
    for (const KindPair &k : Kinds) {
        if (k.session == kind)
            return k.typed;
    }
    return TypedKind::Parametric;
}

SessionCurveKind SessionKindOf(TypedKind kind)
{
    for (const KindPair &k : Kinds) {
        if (k.typed == kind)
            return k.session;
    }
    return SessionCurveKind::Parametric;
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
