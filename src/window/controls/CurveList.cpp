// The curve list: a choice gives the curve its parameter range; opening the
// list sets -5..5 at once. Neither redraws; the next tick shows the change.
#include <QLineEdit>

#include "maths/Curves.h"
#include "model/NumberText.h"
#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/controls/Adapters.h"

namespace {

void ShowRange(TForm1 &form)
{
    ShowInField(form.tMinEdit, FloatToStr(plot.tMin));
    ShowInField(form.tMaxEdit, FloatToStr(plot.tMax));
    // Min first, then Max; the track bar carries the other end along, so the
    // range ends as [trunc(100 tMin), trunc(100 tMax)] in either order.
    form.selectedPointTrack->SetMin(HundredthsOf(plot.tMin));
    form.selectedPointTrack->SetMax(HundredthsOf(plot.tMax));
}

}  // namespace

void TForm1::CurveListChange()
{
    const CurveRow *curve = SelectedCurve();
    if (!curve) {
        if (curveList->currentIndex() == curveList->count() - 1)
            OwnCurveClick();  // the last item, "Own curve..."
        ShowRange(*this);
        return;
    }
    shownCurve = curveList->currentIndex();
    plot.tMin = curve->tMin;
    plot.tMax = curve->tMax;
    ShowRange(*this);
}

void TForm1::CurveListDropDown()
{
    plot.tMin = -5;
    plot.tMax = 5;
    ShowRange(*this);
}
