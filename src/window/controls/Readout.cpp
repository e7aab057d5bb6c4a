// The readout: the pointer's world position, and the construction's values at
// the selected point, as the picture of this frame shows them.
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <cmath>

#include "drawing/Pedal.h"
#include "maths/Curves.h"
#include "maths/Foot.h"
#include "model/NumberText.h"
#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/controls/Adapters.h"

namespace {

QString PointText(const char *name, double x, double y)
{
    return QString::fromLatin1(name) + QStringLiteral(" ( ") + FloatToStr(float(x)) + QStringLiteral(" , ") +
           FloatToStr(float(y)) + QStringLiteral(" )");
}

// Minkowski: the sign of <V, V> = x'^2 - y'^2 from the tangent as drawn, so a
// lightlike tangent here is one without a foot.
QString CausalType(const CurvePoint &v)
{
    const double square = double(v.x) * double(v.x) - double(v.y) * double(v.y);
    if (square > 0)
        return QStringLiteral("Spacelike tangent");
    if (square < 0)
        return QStringLiteral("Timelike tangent");
    return QStringLiteral("Lightlike tangent");
}

// Euclidean signed curvature (x'y'' - y'x'') / (x'^2 + y'^2)^(3/2).
QString Curvature(CurveKind kind, float t, const CurvePoint &v)
{
    const double vx = double(v.x);
    const double vy = double(v.y);
    const double speedSquared = vx * vx + vy * vy;
    if (speedSquared == 0)
        return QString();  // no direction, no curvature
    const PlaneVectorD a = CurveSecondDerivative(kind, double(t));
    const double k = (vx * a.y - vy * a.x) / (speedSquared * std::sqrt(speedSquared));
    return QStringLiteral("Curvature ") + FloatToStr(float(k));
}

}  // namespace

void TForm1::ShowReadout()
{
    // The pointer's line stays, blank, while the pointer is away, so the
    // lines below it keep their places.
    QStringList lines;
    lines << (pointerOverPicture ? PointText("Pointer", pointerX, pointerY) : QString());

    if (const CurveRow *row = CurveAt(ComboBox1->currentIndex())) {
        const float t = plot.currentT;
        const Plane plane = SelectedPlane();
        const CurvePoint q = CurvePosition(row->kind, t);
        const CurvePoint v = CurveTangent(row->kind, t);
        const Foot foot = ComputeFoot(row->kind, plane, plot.pedalX, plot.pedalY, t);
        lines << PointText("Q", q.x, q.y) << PointText("V", v.x, v.y)
              << (foot.hasPoint ? PointText("F", foot.x, foot.y) : QStringLiteral("F: no foot"))
              << (plane == Plane::Minkowski ? CausalType(v) : Curvature(row->kind, t, v));
    }

    const QString text = lines.join(QLatin1Char('\n'));
    if (Readout->text() != text) {
        Readout->setText(text);
        Readout->setAccessibleDescription(text);
    }
}
