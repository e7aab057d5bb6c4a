// The timer: a step of the animation, where it runs, and a redraw on every tick.
#include "window/MainWindow.h"

void MainWindow::TimerTick()
{
    if (scene.animation)
        StepAnimation(scene);
    Redraw();
}
