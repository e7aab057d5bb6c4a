// The pedal point P: typed in, or dragged with the left button.
#include <QLineEdit>

#include "drawing/PlotArea.h"
#include "model/NumberText.h"
#include "model/PlotState.h"
#include "window/Form1.h"

void TForm1::Button1Click()
{
    plot.pedalX = StrToFloat(Edit1->text());
    plot.pedalY = StrToFloat(Edit2->text());
    Redraw();
}

void TForm1::FormMouseDown(int x, int y)
{
    plot.mouseX = x;
    plot.mouseY = y;
}

void TForm1::FormMouseMove(int x, int y, bool leftButtonHeld)
{
    UpdateOrigin({ClientWidth(), ClientHeight()});
    if (!leftButtonHeld)
        return;
    // With no scale there is no world point under the cursor: P stays.
    if (plot.unitPixels == 0)
        return;
    plot.pedalX = float((x - double(plot.originX)) / plot.unitPixels);
    plot.pedalY = float(-(y - double(plot.originY)) / plot.unitPixels);
    Redraw();
}
