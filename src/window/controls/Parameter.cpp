// Parameter range, selected point and step. The track bar is the store of the
// selected point in hundredths of t.
#include <QLineEdit>

#include "maths/Curves.h"
#include "model/NumberText.h"
#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/controls/Adapters.h"

void TForm1::Button3Click()
{
    plot.tMin = StrToFloat(Edit4->text());
    plot.tMax = StrToFloat(Edit5->text());
    plot.currentT = plot.tMin;
    TrackBar1->SetMin(HundredthsOf(plot.tMin));
    TrackBar1->SetMax(HundredthsOf(plot.tMax));
    TrackBar1->SetPosition(HundredthsOf(plot.currentT));
    Redraw();
}

void TForm1::Button2Click()
{
    plot.currentT = StrToFloat(Edit3->text());
    TrackBar1->SetPosition(HundredthsOf(plot.currentT));
    Redraw();
}

namespace {

// Moves the position by s hundredths, truncated toward zero; the track bar clamps.
void StepPosition(TTrackBar *trackBar, double s)
{
    trackBar->SetPositionTruncated(trackBar->Position() + s);
    plot.currentT = float(trackBar->Position() * 0.01);
}

}  // namespace

void TForm1::UpDown1Click(bool next)
{
    const float s = float(double(plot.tStep) * 100);
    // A next click at Max steps back, like a previous click.
    if (next && TrackBar1->Position() != TrackBar1->Max())
        StepPosition(TrackBar1, s);
    else if (TrackBar1->Position() != TrackBar1->Min())
        StepPosition(TrackBar1, -double(s));
    Redraw();
}

// The step is read on every keystroke. A step on its way ("", "-", "0,",
// "1e-") keeps the previous one without a word; a text no key can finish
// is reported at once.
void TForm1::Edit6Change()
{
    if (!IsStartOfNumber(Edit6->text()))
        plot.tStep = StrToFloat(Edit6->text());
}

// Leaving the field ends the typing: a step left unfinished is reported now.
void TForm1::Edit6Exit()
{
    if (IsStartOfNumber(Edit6->text()))
        plot.tStep = StrToFloat(Edit6->text());  // fails, and says so
}
