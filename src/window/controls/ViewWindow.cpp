// The four spinners that move the edges of the view window by half a unit.
#include <QLabel>

#include "model/NumberText.h"
#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/controls/Adapters.h"

namespace {

void MoveEdge(float &edge, QLabel *label, bool next)
{
    edge = float(double(edge) + (next ? 0.5 : -0.5));
    SetCaption(label, FloatToStr(edge));
}

}  // namespace

void TForm1::UpDown2Click(bool next)
{
    MoveEdge(plot.xMin, Label2, next);
    Redraw();
}

void TForm1::UpDown3Click(bool next)
{
    MoveEdge(plot.xMax, Label3, next);
    Redraw();
}

void TForm1::UpDown4Click(bool next)
{
    MoveEdge(plot.yMin, Label4, next);
    Redraw();
}

void TForm1::UpDown5Click(bool next)
{
    MoveEdge(plot.yMax, Label5, next);
    Redraw();
}
