#include "drawing/FootState.h"

#include "maths/Curves.h"
#include "maths/TypedCurve.h"
#include "maths/TypedPedal.h"
#include "model/PlotState.h"

Plane SelectedPlane()
{
    return plot.euclideanPlane ? Plane::Euclidean : Plane::Minkowski;
}

Foot FootAt(const CurveRow *curve, float t)
{
    if (!curve)
        return {plot.footNumerator, plot.footDenominator, false, plot.footX, plot.footY};
    if (curve->typed)
        return FootOfJet(curve->typed->At(double(t)), SelectedPlane(), plot.pedalX, plot.pedalY);
    return ComputeFoot(curve->kind, SelectedPlane(), plot.pedalX, plot.pedalY, t);
}

void StoreFoot(const Foot &foot)
{
    plot.footNumerator = foot.numerator;
    plot.footDenominator = foot.denominator;
    if (foot.hasPoint) {
        plot.footX = foot.x;
        plot.footY = foot.y;
    }
}
