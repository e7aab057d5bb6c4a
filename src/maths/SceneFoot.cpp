#include "maths/SceneFoot.h"

#include "maths/Curves.h"
#include "maths/TypedCurve.h"
#include "maths/TypedPedal.h"
#include "model/Scene.h"

Foot FootAt(const CurveRow &curve, const Scene &scene, float t)
{
    if (curve.typed)
        return FootOfJet(curve.typed->At(double(t)), scene.plane, scene.pedalX, scene.pedalY);
    return ComputeFoot(curve.kind, scene.plane, scene.pedalX, scene.pedalY, t);
}
