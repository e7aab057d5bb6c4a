#include "app/RenderScene.h"

#include <QCheckBox>
#include <QLabel>
#include <GL/gl.h>

#include "app/Form1.h"
#include "app/NumberText.h"
#include "app/PlotState.h"
#include "controls/Adapters.h"
#include "curves/Trace.h"
#include "frame/Grid.h"
#include "frame/PlotArea.h"
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
    glClearColor(0.94f, 0.94f, 0.94f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawPlotArea();
    UpdateOrigin();
    if (form.CheckBox1->isChecked())
        DrawGrid();
    else
        DrawAxes();
    TraceCurve(CurveIndex(form));
    if (plot.minkowskiPlane)
        DrawLightlikePoints(CurveIndex(form));
    DrawPedalCurve(CurveIndex(form));
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
