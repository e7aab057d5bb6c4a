// The pedal point P: typed in, dragged with the left button, or moved by
// pixels with the arrow keys; and the pointer's world position for the readout.
#include <QLineEdit>

#include "drawing/PlotArea.h"
#include "model/NumberText.h"
#include "model/PlotState.h"
#include "window/Form1.h"

void TForm1::PedalPointSetClick()
{
    plot.pedalX = StrToFloat(pedalXEdit->text());
    plot.pedalY = StrToFloat(pedalYEdit->text());
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
    const DoublePoint world = WindowToWorld(x, y);
    plot.pedalX = float(world.x);
    plot.pedalY = float(world.y);
    Redraw();
}

void TForm1::MovePedalPointBy(int dx, int dy)
{
    if (plot.unitPixels == 0)
        return;  // no scale: no world distance for a pixel
    plot.pedalX = float(double(plot.pedalX) + dx / double(plot.unitPixels));
    plot.pedalY = float(double(plot.pedalY) - dy / double(plot.unitPixels));
    Redraw();
}

void TForm1::PointerMoved(int x, int y)
{
    UpdateOrigin({ClientWidth(), ClientHeight()});
    pointerOverPicture = plot.unitPixels != 0;
    if (pointerOverPicture) {
        const DoublePoint world = WindowToWorld(x, y);
        pointerX = world.x;
        pointerY = world.y;
    }
    ShowReadout();
}

void TForm1::PointerLeft()
{
    pointerOverPicture = false;
    ShowReadout();
}
