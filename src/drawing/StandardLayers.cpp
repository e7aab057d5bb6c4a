#include "drawing/StandardLayers.h"

#include <cmath>

#include "drawing/Frame.h"
#include "drawing/Grid.h"
#include "drawing/Pedal.h"
#include "drawing/Primitives.h"
#include "drawing/RelativeDrawing.h"
#include "drawing/Trace.h"
#include "maths/Curves.h"
#include "maths/Relatives.h"
#include "maths/SceneFoot.h"
#include "maths/TypedCurve.h"
#include "model/NumberText.h"

namespace {

// Tells every curve from every other: the built-in ones by their kind, a
// typed one by its serial number (an address may be reused by a later curve).
double CurveIdentity(const CurveRow *curve)
{
    if (!curve)
        return -1;
    return curve->typed ? 1000.0 + double(curve->typed->Serial()) : double(int(curve->kind));
}

LayerInputs GridInputs(const Frame &frame)
{
    return {double(frame.scene.Shows("grid")), double(SmoothsLines(frame)), double(frame.fontListBase),
            double(frame.decimalPoint)};
}

LayerInputs CurveInputs(const Frame &frame)
{
    return {CurveIdentity(frame.Curve()), frame.scene.tMin, frame.scene.tMax};
}

LayerInputs PlaneAndCurveInputs(const Frame &frame)
{
    LayerInputs inputs = CurveInputs(frame);
    inputs.push_back(double(frame.scene.plane == Plane::Minkowski));
    return inputs;
}

LayerInputs PedalInputs(const Frame &frame)
{
    LayerInputs inputs = PlaneAndCurveInputs(frame);
    inputs.insert(inputs.end(), {frame.scene.pedalX, frame.scene.pedalY});
    return inputs;
}

LayerInputs StagesInputs(const Frame &frame)
{
    LayerInputs inputs = PedalInputs(frame);
    inputs.push_back(frame.scene.pedalStages);
    return inputs;
}

bool Always(const Frame &)
{
    return true;
}

bool InMinkowskiPlane(const Frame &frame)
{
    return frame.scene.plane == Plane::Minkowski;
}

bool ShownInMinkowskiPlane(const Frame &frame)
{
    return InMinkowskiPlane(frame) && frame.scene.Shows("tangentType");
}

// The animation moves the selected point, so it shows it.
bool SelectedPointShown(const Frame &frame)
{
    return frame.scene.Shows("selectedPoint") || frame.scene.animation;
}

ReadoutLine Named(const QString &name)
{
    return {name, {}};
}

CurveJet SelectedJet(const Scene &scene)
{
    return scene.curve ? JetOfRow(*scene.curve, scene.currentT) : CurveJet();
}

ReadoutLines CurveReadout(const Scene &scene)
{
    const CurveJet jet = SelectedJet(scene);
    if (!jet.defined)
        return scene.curve ? ReadoutLines{Named(QStringLiteral("No value at this t"))} : ReadoutLines();
    return {{QStringLiteral("Q"), {jet.x, jet.y}}, {QStringLiteral("V"), {jet.dx, jet.dy}}};
}

ReadoutLines FootReadout(const Scene &scene)
{
    if (!SelectedJet(scene).defined)
        return {};
    const Foot foot = FootAt(*scene.curve, scene, scene.currentT);
    return {foot.hasPoint ? ReadoutLine{QStringLiteral("F"), {foot.x, foot.y}} : Named(QStringLiteral("F: no foot"))};
}

// Minkowski: the sign of <V, V> = x'^2 - y'^2 from the tangent as drawn, so a
// lightlike tangent here is one without a foot. Euclidean: the signed
// curvature (x'y'' - y'x'') / (x'^2 + y'^2)^(3/2).
ReadoutLines TangentReadout(const Scene &scene)
{
    const CurveJet jet = SelectedJet(scene);
    if (!jet.defined)
        return {};
    if (scene.plane == Plane::Minkowski) {
        const double square = jet.dx * jet.dx - jet.dy * jet.dy;
        if (square > 0)
            return {Named(QStringLiteral("Spacelike tangent"))};
        return {Named(square < 0 ? QStringLiteral("Timelike tangent") : QStringLiteral("Lightlike tangent"))};
    }
    const double speedSquared = jet.dx * jet.dx + jet.dy * jet.dy;
    if (speedSquared == 0)
        return {Named(QString())};  // no direction, no curvature
    const double k = (jet.dx * jet.ddy - jet.dy * jet.ddx) / (speedSquared * std::sqrt(speedSquared));
    return {{QStringLiteral("Curvature"), {k}}};
}

// A relative's point at the selected parameter, while its layer is shown.
template <RelativeKind Kind>
ReadoutLines RelativeReadout(const Scene &scene)
{
    static const char *const names[] = {"C", "O", "K", "Z", "E", "F"};
    if (!scene.curve || !scene.Shows(RelativeId(Kind)))
        return {};
    const Relative relative = RelativeIn(Kind, scene);
    std::string name = names[int(Kind)];
    if (Kind == RelativeKind::IteratedPedal)
        name += std::to_string(relative.stages);
    const RelativeSample s = RelativeAt(*scene.curve, scene, relative, double(scene.currentT));
    if (!s.defined)
        return {Named(QString::fromStdString(name) + QStringLiteral(": none here"))};
    return {{QString::fromStdString(name), {s.x, s.y}}};
}

}  // namespace

LayerList StandardLayers()
{
    const LayerColour grey{0.8f, 0.8f, 0.8f}, green{0, 0.45f, 0}, red{1, 0, 0}, purple{0.5f, 0.08f, 0.5f},
        orange{1, 0.8f, 0}, blue{0, 0, 1};
    // The relatives in the Okabe-Ito colours, told apart by colour-blind eyes too.
    const LayerColour skyBlue{0.337f, 0.706f, 0.914f}, vermillion{0.835f, 0.369f, 0}, okabeOrange{0.902f, 0.624f, 0},
        bluishGreen{0, 0.62f, 0.451f}, reddishPurple{0.8f, 0.475f, 0.655f}, okabeBlue{0, 0.447f, 0.698f};
    using R = LayerReuse;
    return {
        {"grid", QStringLiteral("Draw grid"), grey, R::WithCurve, GridInputs, Always, DrawGridOrAxes},
        {"curve", QString(), green, R::WithCurve, CurveInputs, nullptr, TraceCurve, CurveReadout},
        {"tangentType",
         QStringLiteral("Tangent type"),
         {0, 0, 0},
         R::WithCurve,
         PlaneAndCurveInputs,
         ShownInMinkowskiPlane,
         DrawTangentTypes},
        {"evolute", QStringLiteral("Evolute"), reddishPurple, R::WithCurve, PlaneAndCurveInputs, nullptr, DrawEvolute,
         RelativeReadout<RelativeKind::Evolute>, true, DrawEvoluteConstruction},
        {"lightlike", QString(), red, R::WithCurve, PlaneAndCurveInputs, InMinkowskiPlane, DrawLightlikePoints},
        {"pedal", QString(), red, R::WhileBelowStays, PedalInputs, nullptr, DrawPedalCurve, FootReadout},
        {"contrapedal", QStringLiteral("Contrapedal"), skyBlue, R::WhileBelowStays, PedalInputs, nullptr,
         DrawContrapedal, RelativeReadout<RelativeKind::Contrapedal>, true, DrawContrapedalConstruction},
        {"orthotomic", QStringLiteral("Orthotomic"), vermillion, R::WhileBelowStays, PedalInputs, nullptr,
         DrawOrthotomic, RelativeReadout<RelativeKind::Orthotomic>, true, DrawOrthotomicConstruction},
        {"catacaustic", QStringLiteral("Catacaustic"), okabeOrange, R::WhileBelowStays, PedalInputs, nullptr,
         DrawCatacaustic, RelativeReadout<RelativeKind::Catacaustic>, true, DrawCatacausticConstruction},
        {"negativePedal", QStringLiteral("Negative pedal"), bluishGreen, R::WhileBelowStays, PedalInputs, nullptr,
         DrawNegativePedal, RelativeReadout<RelativeKind::NegativePedal>, true, DrawNegativePedalConstruction},
        {"iteratedPedal", QStringLiteral("Iterated pedal"), okabeBlue, R::WhileBelowStays, StagesInputs, nullptr,
         DrawIteratedPedal, RelativeReadout<RelativeKind::IteratedPedal>, false, DrawIteratedPedalConstruction},
        {"selectedPoint", QStringLiteral("Draw selected point"), purple, R::EveryFrame, nullptr, SelectedPointShown,
         DrawSelectedPoint},
        {"tangentAndNormal", QStringLiteral("Draw tangent and normal line of the curve"), purple, R::EveryFrame,
         nullptr, nullptr, DrawTangentAndNormal, TangentReadout, true},
        {"singularTangents", QStringLiteral("Draw tangent line at singular point of pedal curve"), orange,
         R::EveryFrame, nullptr, nullptr, DrawSingularTangents, nullptr, true},
        {"pedalPoint", QString(), blue, R::EveryFrame, nullptr, nullptr, DrawPedalPoint},
    };
}
