#include "window/TypedCurveSettings.h"

#include <cmath>

#include "maths/TypedCurve.h"
#include "window/UserSettings.h"

namespace {

const QString Group = QStringLiteral("typedCurves");

bool SameCurve(const TypedCurveText &a, const TypedCurveText &b)
{
    return a.kind == b.kind && a.first == b.first && a.second == b.second && a.tMin == b.tMin && a.tMax == b.tMax;
}

// Only the kinds there are: a settings file edited by hand may hold anything.
bool KindFrom(int stored, TypedKind &kind)
{
    switch (stored) {
    case int(TypedKind::Parametric):
    case int(TypedKind::Graph):
    case int(TypedKind::Polar):
        kind = TypedKind(stored);
        return true;
    }
    return false;
}

}  // namespace

TypedCurves LoadTypedCurves()
{
    QSettings settings = UserSettings();
    TypedCurves curves;
    const int count = settings.beginReadArray(Group);
    for (int i = 0; i < count && int(curves.size()) < RememberedCurves; ++i) {
        settings.setArrayIndex(i);
        TypedCurveText text;
        bool kindRead = false, minRead = false, maxRead = false;
        if (!KindFrom(settings.value(QStringLiteral("kind")).toInt(&kindRead), text.kind) || !kindRead)
            continue;
        text.first = settings.value(QStringLiteral("first")).toString().toStdString();
        text.second = settings.value(QStringLiteral("second")).toString().toStdString();
        text.tMin = settings.value(QStringLiteral("tMin")).toFloat(&minRead);
        text.tMax = settings.value(QStringLiteral("tMax")).toFloat(&maxRead);
        if (!minRead || !maxRead || !std::isfinite(text.tMin) || !std::isfinite(text.tMax))
            continue;
        const TypedCurveBuild build = BuildTypedCurve(text);
        if (build.curve)
            curves.push_back(build.curve);
    }
    settings.endArray();
    return curves;
}

void SaveTypedCurves(const TypedCurves &curves)
{
    QSettings settings = UserSettings();
    settings.remove(Group);
    settings.beginWriteArray(Group, int(curves.size()));
    for (int i = 0; i < int(curves.size()); ++i) {
        const TypedCurveText &text = curves[size_t(i)]->Text();
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("kind"), int(text.kind));
        settings.setValue(QStringLiteral("first"), QString::fromStdString(text.first));
        settings.setValue(QStringLiteral("second"), QString::fromStdString(text.second));
        settings.setValue(QStringLiteral("tMin"), text.tMin);
        settings.setValue(QStringLiteral("tMax"), text.tMax);
    }
    settings.endArray();
}

void Remember(TypedCurves &curves, const std::shared_ptr<const TypedCurve> &curve)
{
    TypedCurves kept{curve};
    for (const auto &other : curves) {
        if (!SameCurve(other->Text(), curve->Text()) && int(kept.size()) < RememberedCurves)
            kept.push_back(other);
    }
    curves = kept;
}
