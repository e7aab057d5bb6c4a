// The timer: a bounce of the selected point between the ends of the range,
// and a redraw on every tick.
#include <QCheckBox>

#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/controls/Adapters.h"

void TForm1::TimerTick()
{
    const double s = float(double(plot.tStep) * 100);
    if (animationCheck->isChecked()) {
        const int position = selectedPointTrack->Position();
        if (plot.animationForward) {
            // Each end is shown on two ticks: the turn itself does not move.
            if (position == selectedPointTrack->Max())
                plot.animationForward = false;
            else
                selectedPointTrack->SetPositionTruncated(position + s);
        } else {
            if (position == selectedPointTrack->Min())
                plot.animationForward = true;
            else
                selectedPointTrack->SetPositionTruncated(position - s);
        }
    }
    Redraw();
}
