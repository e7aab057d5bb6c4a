#include "app/RenderScene.h"

#include <QCheckBox>
#include <QLabel>
#include <GL/gl.h>

#include "app/Form1.h"
#include "app/LayerCache.h"
#include "app/NumberText.h"
#include "app/PictureBox.h"
#include "app/PlotState.h"
#include "controls/Adapters.h"
#include "frame/Primitives.h"
#include "pedal/Pedal.h"

namespace {

// The curve list's index, read afresh for each layer that needs it.
float CurveIndex(const TForm1 &form)
{
    return float(form.ComboBox1->currentIndex());
}

}  // namespace

void RenderScene(TForm1 &form)
{
    // Steps 1 to 7: clear, drawing area, grid or axes, curve, lightlike
    // markers, pedal curve; restored from their saved picture when unchanged.
    DrawBackgroundLayers(form, form.Picture->layers);
    if (form.CheckBox2->isChecked() || form.CheckBox3->isChecked() || form.CheckBox7->isChecked())
        DrawPedalConstruction(CurveIndex(form));
    if (form.CheckBox4->isChecked())
        DrawSingularTangents(CurveIndex(form));
    DrawPedalPoint();
    SetCaption(form.Label28, QStringLiteral("( ") + FloatToStr(plot.pedalX) + QStringLiteral(" , ") +
                                 FloatToStr(plot.pedalY) + QStringLiteral(" )"));
    SetCaption(form.Label7, QStringLiteral(" t = ") + FloatToStr(plot.currentT));
    glFlush();
}
