// The readout: the pointer's world position, and the construction's values at
// the selected point, as the picture of this frame shows them.
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <cmath>

#include "drawing/Pedal.h"
#include "maths/Curves.h"
#include "maths/Foot.h"
#include "maths/TypedCurve.h"
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
QString CausalType(const CurveJet &jet)
{
    const double square = jet.dx * jet.dx - jet.dy * jet.dy;
    if (square > 0)
        return QStringLiteral("Spacelike tangent");
    if (square < 0)
        return QStringLiteral("Timelike tangent");
    return QStringLiteral("Lightlike tangent");
}

// Euclidean signed curvature (x'y'' - y'x'') / (x'^2 + y'^2)^(3/2).
QString Curvature(const CurveJet &jet)
{
    const double speedSquared = jet.dx * jet.dx + jet.dy * jet.dy;
    if (speedSquared == 0)
        return QString();  // no direction, no curvature
    const double k = (jet.dx * jet.ddy - jet.dy * jet.ddx) / (speedSquared * std::sqrt(speedSquared));
    return QStringLiteral("Curvature ") + FloatToStr(float(k));
}

}  // namespace

void TForm1::ShowReadout()
{
    // The pointer's line stays, blank, while the pointer is away, so the
    // lines below it keep their places.
    QStringList lines;
    lines << (pointerOverPicture ? PointText("Pointer", pointerX, pointerY) : QString());

    const CurveRow *row = SelectedCurve();
    const CurveJet jet = row ? JetOfRow(*row, plot.currentT) : CurveJet();
    if (jet.defined) {
        const Plane plane = SelectedPlane();
        const Foot foot = FootAt(row, plot.currentT);
        lines << PointText("Q", jet.x, jet.y) << PointText("V", jet.dx, jet.dy)
              << (foot.hasPoint ? PointText("F", foot.x, foot.y) : QStringLiteral("F: no foot"))
              << (plane == Plane::Minkowski ? CausalType(jet) : Curvature(jet));
    } else if (row) {
        lines << QStringLiteral("No value at this t");
    }

    const QString text = lines.join(QLatin1Char('\n'));
    if (Readout->text() != text) {
        Readout->setText(text);
        Readout->setAccessibleDescription(text);
    }
}
