// Display toggles redraw; the two plane boxes act as an exclusive pair.
#include <QCheckBox>

#include "model/PlotState.h"
#include "window/Form1.h"

void TForm1::GridClick()
{
    Redraw();
}

void TForm1::TangentNormalClick()
{
    Redraw();
}

void TForm1::SelectedPointClick()
{
    Redraw();
}

namespace {

// The flags are written before the other box is touched, so a re-entrant
// click report from that box computes the same flags and stops there.
void SelectPlane(bool euclidean, QCheckBox *otherBox, bool otherChecked)
{
    plot.euclideanPlane = euclidean;
    plot.minkowskiPlane = !euclidean;
    if (otherBox->isChecked() != otherChecked)
        otherBox->setChecked(otherChecked);
}

}  // namespace

void TForm1::EuclideanClick()
{
    const bool checked = euclideanCheck->isChecked();
    SelectPlane(checked, minkowskiCheck, !checked);
    Redraw();
}

void TForm1::MinkowskiClick()
{
    const bool checked = minkowskiCheck->isChecked();
    SelectPlane(!checked, euclideanCheck, !checked);
    Redraw();
}
