// Parameter range, selected point and step. The scene keeps the selected
// point in hundredths of t too, as its track bar shows it.
#include <QLineEdit>

#include "maths/Curves.h"
#include "model/NumberText.h"
#include "window/MainWindow.h"
#include "window/controls/Adapters.h"

void MainWindow::RangeSetClick()
{
    scene.tMin = StrToFloat(tMinEdit->text());
    scene.tMax = StrToFloat(tMaxEdit->text());
    scene.currentT = scene.tMin;
    scene.track.SetMin(HundredthsOf(scene.tMin));
    scene.track.SetMax(HundredthsOf(scene.tMax));
    scene.track.SetPosition(HundredthsOf(scene.currentT));
    Redraw();
}

void MainWindow::SelectedPointSetClick()
{
    scene.currentT = StrToFloat(selectedTEdit->text());
    scene.track.SetPosition(HundredthsOf(scene.currentT));
    Redraw();
}

namespace {

// Moves the position by s hundredths, truncated toward zero and clamped.
void StepPosition(Scene &scene, double s)
{
    scene.track.SetPositionTruncated(scene.track.position + s);
    scene.currentT = float(scene.track.position * 0.01);
}

}  // namespace

void MainWindow::StepSpinnerClick(bool next)
{
    const float s = float(double(scene.tStep) * 100);
    // A next click at Max steps back, like a previous click.
    if (next && scene.track.position != scene.track.max)
        StepPosition(scene, s);
    else if (scene.track.position != scene.track.min)
        StepPosition(scene, -double(s));
    Redraw();
}

// The step is read on every keystroke. A step on its way ("", "-", "0,",
// "1e-") keeps the previous one without a word; a text no key can finish
// is reported at once.
void MainWindow::StepEditChange()
{
    if (!IsStartOfNumber(stepEdit->text()))
        scene.tStep = StrToFloat(stepEdit->text());
}

// Leaving the field ends the typing: a step left unfinished is reported now.
void MainWindow::StepEditExit()
{
    if (IsStartOfNumber(stepEdit->text()))
        scene.tStep = StrToFloat(stepEdit->text());  // fails, and says so
}

void MainWindow::ShowTrack()
{
    const HundredthsTrack &track = scene.track;
    selectedPointTrack->setRange(track.min, track.max);
    selectedPointTrack->SetPosition(track.position);
}
