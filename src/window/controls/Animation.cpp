// The timer: a bounce of the selected point between the ends of the range,
// and a redraw on every tick.
#include <QCheckBox>

#include "window/MainWindow.h"
#include "window/controls/Adapters.h"

void MainWindow::TimerTick()
{
    const double s = float(double(scene.tStep) * 100);
    if (scene.animation) {
        HundredthsTrack &track = scene.track;
        const int position = track.position;
        if (scene.animationForward) {
            // Each end is shown on two ticks: the turn itself does not move.
            if (position == track.max)
                scene.animationForward = false;
            else
                track.SetPositionTruncated(position + s);
        } else {
            if (position == track.min)
                scene.animationForward = true;
            else
                track.SetPositionTruncated(position - s);
        }
    }
    Redraw();
}
