// The timer: a bounce of the selected point between the ends of the range,
// and a redraw on every tick.
#include <QCheckBox>

#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/controls/Adapters.h"

void TForm1::Timer1Timer()
{
    const double s = float(double(plot.tStep) * 100);
    if (CheckBox7->isChecked()) {
        const int position = TrackBar1->Position();
        if (plot.animationForward) {
            // Each end is shown on two ticks: the turn itself does not move.
            if (position == TrackBar1->Max())
                plot.animationForward = false;
            else
                TrackBar1->SetPositionTruncated(position + s);
        } else {
            if (position == TrackBar1->Min())
                plot.animationForward = true;
            else
                TrackBar1->SetPositionTruncated(position - s);
        }
    }
    Redraw();
}
