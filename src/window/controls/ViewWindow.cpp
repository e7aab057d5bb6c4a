// The view window: four spinners move its edges by half a unit; the wheel
// zooms it about the pointer, a middle (or Shift + left) drag pans it, and
// Home puts it back to -3..3.
#include <QFontMetrics>
#include <QLabel>
#include <cmath>

#include "drawing/ViewZoom.h"
#include "model/NumberText.h"
#include "window/MainWindow.h"
#include "window/controls/Adapters.h"

namespace {

// The room of an edge's label: from its left end to its spinner.
constexpr int EdgeLabelRoom = 33;

// An edge's value in its label. A value longer than the room (a zoomed or
// panned view has many digits) is cut short with an ellipsis rather than run
// under its spinner; the whole value is the label's tooltip.
void ShowEdge(QLabel *label, float edge, const ReadableDigits &digits)
{
    const QString text = digits.Text(edge);
    const QFontMetrics metrics(label->font());
    SetCaption(label, metrics.horizontalAdvance(text) <= EdgeLabelRoom
                          ? text
                          : metrics.elidedText(text, Qt::ElideRight, EdgeLabelRoom));
    label->setToolTip(FloatToStr(edge));
}

void MoveEdge(float &edge, bool next)
{
    edge = float(double(edge) + (next ? 0.5 : -0.5));
}

}  // namespace

void MainWindow::XMinSpinnerClick(bool next)
{
    MoveEdge(scene.xMin, next);
    ShowViewEdges();
    Redraw();
}

void MainWindow::XMaxSpinnerClick(bool next)
{
    MoveEdge(scene.xMax, next);
    ShowViewEdges();
    Redraw();
}

void MainWindow::YMinSpinnerClick(bool next)
{
    MoveEdge(scene.yMin, next);
    ShowViewEdges();
    Redraw();
}

void MainWindow::YMaxSpinnerClick(bool next)
{
    MoveEdge(scene.yMax, next);
    ShowViewEdges();
    Redraw();
}

namespace {

ViewWindow ViewOf(const Scene &scene)
{
    return {scene.xMin, scene.xMax, scene.yMin, scene.yMax};
}

}  // namespace

// A new view window: stored, shown in the edge labels, drawn.
void MainWindow::SetViewWindow(const ViewWindow &view)
{
    scene.xMin = view.xMin;
    scene.xMax = view.xMax;
    scene.yMin = view.yMin;
    scene.yMax = view.yMax;
    ShowViewEdges();
    Redraw();
}

void MainWindow::ShowViewEdges()
{
    const ReadableDigits digits{Geometry().unitPixels};
    ShowEdge(xMinValueLabel, scene.xMin, digits);
    ShowEdge(xMaxValueLabel, scene.xMax, digits);
    ShowEdge(yMinValueLabel, scene.yMin, digits);
    ShowEdge(yMaxValueLabel, scene.yMax, digits);
}

// One notch away from the user zooms out by 1.25, towards the user in by as
// much; a touchpad's part of a notch zooms in proportion.
void MainWindow::PictureWheel(int x, int y, double notches)
{
    ViewWindow zoomed;
    if (notches != 0 &&
        ZoomedView({ClientWidth(), ClientHeight()}, ViewOf(scene), x, y, std::pow(1.25, -notches), zoomed))
        SetViewWindow(zoomed);
}

void MainWindow::PicturePan(int dx, int dy)
{
    ViewWindow panned;
    if ((dx != 0 || dy != 0) && PannedView(ViewOf(scene), dx, dy, Geometry().unitPixels, panned))
        SetViewWindow(panned);
}

void MainWindow::ResetViewClick()
{
    SetViewWindow({-3, 3, -3, 3});
}
