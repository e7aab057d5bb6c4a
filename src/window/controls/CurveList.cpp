// The curve list: a choice gives the curve its parameter range; opening the
// list sets -5..5 at once. Neither redraws; the next tick shows the change.
#include <QLineEdit>

#include "maths/Curves.h"
#include "model/NumberText.h"
#include "window/MainWindow.h"
#include "window/controls/Adapters.h"

namespace {

void ShowRange(MainWindow &form)
{
    Scene &scene = form.scene;
    ShowInField(form.tMinEdit, FloatToStr(scene.tMin));
    ShowInField(form.tMaxEdit, FloatToStr(scene.tMax));
    // Min first, then Max; the track carries the other end along, so the
    // range ends as [trunc(100 tMin), trunc(100 tMax)] in either order.
    scene.track.SetMin(HundredthsOf(scene.tMin));
    scene.track.SetMax(HundredthsOf(scene.tMax));
    form.ShowTrack();
}

}  // namespace

void MainWindow::CurveListChange()
{
    const std::shared_ptr<const CurveRow> curve = SelectedCurve();
    if (!curve) {
        if (curveList->currentIndex() == curveList->count() - 1)
            OwnCurveClick();  // the last item, "Own curve..."
        ShowRange(*this);
        return;
    }
    shownCurve = curveList->currentIndex();
    scene.curve = curve;
    scene.tMin = curve->tMin;
    scene.tMax = curve->tMax;
    ShowRange(*this);
}

void MainWindow::CurveListDropDown()
{
    scene.tMin = -5;
    scene.tMax = 5;
    ShowRange(*this);
}
