// Parameter range, selected point and step. The track bar is the store of the
// selected point in hundredths of t.
#include <QLineEdit>

#include "maths/Curves.h"
#include "model/NumberText.h"
#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/controls/Adapters.h"

void TForm1::RangeSetClick()
{
    plot.tMin = StrToFloat(tMinEdit->text());
    plot.tMax = StrToFloat(tMaxEdit->text());
    plot.currentT = plot.tMin;
    selectedPointTrack->SetMin(HundredthsOf(plot.tMin));
    selectedPointTrack->SetMax(HundredthsOf(plot.tMax));
    selectedPointTrack->SetPosition(HundredthsOf(plot.currentT));
    Redraw();
}

void TForm1::SelectedPointSetClick()
{
    plot.currentT = StrToFloat(selectedTEdit->text());
    selectedPointTrack->SetPosition(HundredthsOf(plot.currentT));
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

void TForm1::StepSpinnerClick(bool next)
{
    const float s = float(double(plot.tStep) * 100);
    // A next click at Max steps back, like a previous click.
    if (next && selectedPointTrack->Position() != selectedPointTrack->Max())
        StepPosition(selectedPointTrack, s);
    else if (selectedPointTrack->Position() != selectedPointTrack->Min())
        StepPosition(selectedPointTrack, -double(s));
    Redraw();
}

// The step is read on every keystroke. A step on its way ("", "-", "0,",
// "1e-") keeps the previous one without a word; a text no key can finish
// is reported at once.
void TForm1::StepEditChange()
{
    if (!IsStartOfNumber(stepEdit->text()))
        plot.tStep = StrToFloat(stepEdit->text());
}

// Leaving the field ends the typing: a step left unfinished is reported now.
void TForm1::StepEditExit()
{
    if (IsStartOfNumber(stepEdit->text()))
        plot.tStep = StrToFloat(stepEdit->text());  // fails, and says so
}
