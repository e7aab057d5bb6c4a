// The view window: four spinners move its edges by half a unit; the wheel
// zooms it about the pointer, a middle (or Shift + left) drag pans it, and
// Home puts it back to -3..3.
#include <QFontMetrics>
#include <QLabel>
#include <cmath>

#include "drawing/ViewZoom.h"
#include "model/NumberText.h"
#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/controls/Adapters.h"

namespace {

// The room of an edge's label: from its left end to its spinner.
constexpr int EdgeLabelRoom = 33;

// An edge's value in its label. A value longer than the room (a zoomed or
// panned view has many digits) is cut short with an ellipsis rather than run
// under its spinner; the whole value is the label's tooltip.
void ShowEdge(QLabel *label, float edge)
{
    const QString text = FloatToStr(edge);
    const QFontMetrics metrics(label->font());
    SetCaption(label, metrics.horizontalAdvance(text) <= EdgeLabelRoom
                          ? text
                          : metrics.elidedText(text, Qt::ElideRight, EdgeLabelRoom));
    label->setToolTip(text);
}

void MoveEdge(float &edge, QLabel *label, bool next)
{
    edge = float(double(edge) + (next ? 0.5 : -0.5));
    ShowEdge(label, edge);
}

}  // namespace

void TForm1::XMinSpinnerClick(bool next)
{
    MoveEdge(plot.xMin, xMinValueLabel, next);
    Redraw();
}

void TForm1::XMaxSpinnerClick(bool next)
{
    MoveEdge(plot.xMax, xMaxValueLabel, next);
    Redraw();
}

void TForm1::YMinSpinnerClick(bool next)
{
    MoveEdge(plot.yMin, yMinValueLabel, next);
    Redraw();
}

void TForm1::YMaxSpinnerClick(bool next)
{
    MoveEdge(plot.yMax, yMaxValueLabel, next);
    Redraw();
}

namespace {

ViewWindow CurrentView()
{
    return {plot.xMin, plot.xMax, plot.yMin, plot.yMax};
}

}  // namespace

// A new view window: stored, shown in the edge labels, drawn.
void TForm1::SetViewWindow(const ViewWindow &view)
{
    plot.xMin = view.xMin;
    plot.xMax = view.xMax;
    plot.yMin = view.yMin;
    plot.yMax = view.yMax;
    ShowViewEdges();
    Redraw();
}

void TForm1::ShowViewEdges()
{
    ShowEdge(xMinValueLabel, plot.xMin);
    ShowEdge(xMaxValueLabel, plot.xMax);
    ShowEdge(yMinValueLabel, plot.yMin);
    ShowEdge(yMaxValueLabel, plot.yMax);
}

// One notch away from the user zooms out by 1.25, towards the user in by as
// much; a touchpad's part of a notch zooms in proportion.
void TForm1::PictureWheel(int x, int y, double notches)
{
    ViewWindow zoomed;
    if (notches != 0 &&
        ZoomedView({ClientWidth(), ClientHeight()}, CurrentView(), x, y, std::pow(1.25, -notches), zoomed))
        SetViewWindow(zoomed);
}

void TForm1::PicturePan(int dx, int dy)
{
    ViewWindow panned;
    if ((dx != 0 || dy != 0) && PannedView(CurrentView(), dx, dy, plot.unitPixels, panned))
        SetViewWindow(panned);
}

void TForm1::ResetViewClick()
{
    SetViewWindow({-3, 3, -3, 3});
}
