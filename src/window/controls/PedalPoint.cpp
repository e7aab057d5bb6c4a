// The pedal point P: typed in, dragged with the left button, or moved by
// pixels with the arrow keys; and the pointer's world position for the readout.
#include <QLineEdit>

#include "drawing/PlotArea.h"
#include "model/NumberText.h"
#include "window/MainWindow.h"

void MainWindow::PedalPointSetClick()
{
    scene.pedalX = StrToFloat(pedalXEdit->text());
    scene.pedalY = StrToFloat(pedalYEdit->text());
    Redraw();
}

void MainWindow::FormMouseDown(int x, int y)
{
    mouseX = x;
    mouseY = y;
}

void MainWindow::FormMouseMove(int x, int y, bool leftButtonHeld)
{
    if (!leftButtonHeld)
        return;
    // With no scale there is no world point under the cursor: P stays.
    const FrameGeometry at = Geometry();
    if (at.unitPixels == 0)
        return;
    const DoublePoint world = WindowToWorld(at, x, y);
    scene.pedalX = float(world.x);
    scene.pedalY = float(world.y);
    Redraw();
}

void MainWindow::MovePedalPointBy(int dx, int dy)
{
    const float unit = Geometry().unitPixels;
    if (unit == 0)
        return;  // no scale: no world distance for a pixel
    scene.pedalX = float(double(scene.pedalX) + dx / double(unit));
    scene.pedalY = float(double(scene.pedalY) - dy / double(unit));
    Redraw();
}

void MainWindow::PointerMoved(int x, int y)
{
    const FrameGeometry at = Geometry();
    pointerOverPicture = at.unitPixels != 0;
    if (pointerOverPicture) {
        const DoublePoint world = WindowToWorld(at, x, y);
        pointerX = world.x;
        pointerY = world.y;
    }
    ShowReadout();
}

void MainWindow::PointerLeft()
{
    pointerOverPicture = false;
    ShowReadout();
}
