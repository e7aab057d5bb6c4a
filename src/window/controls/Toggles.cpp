// Display toggles redraw; the two plane boxes act as an exclusive pair.
#include <QCheckBox>

#include "model/PlotState.h"
#include "window/Form1.h"

void TForm1::CheckBox1Click()
{
    Redraw();
}

void TForm1::CheckBox2Click()
{
    Redraw();
}

void TForm1::CheckBox3Click()
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

void TForm1::CheckBox5Click()
{
    const bool checked = CheckBox5->isChecked();
    SelectPlane(checked, CheckBox6, !checked);
    Redraw();
}

void TForm1::CheckBox6Click()
{
    const bool checked = CheckBox6->isChecked();
    SelectPlane(!checked, CheckBox5, !checked);
    Redraw();
}
