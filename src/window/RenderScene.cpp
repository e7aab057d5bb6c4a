#include "window/RenderScene.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>

#include "drawing/DrawFrame.h"
#include "maths/Curves.h"
#include "model/NumberText.h"
#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

Frame ReadFrame(const TForm1 &form)
{
    const TPictureBox &picture = *form.Picture;
    Frame frame;
    frame.client = {form.ClientWidth(), form.ClientHeight()};
    frame.framebuffer = picture.defaultFramebufferObject();
    frame.pictureWidth = picture.width();
    frame.pictureHeight = picture.height();
    frame.pixelRatio = picture.devicePixelRatioF();
    frame.grid = form.gridCheck->isChecked();
    frame.tangentAndNormal = form.tangentNormalCheck->isChecked();
    frame.selectedPoint = form.selectedPointCheck->isChecked();
    frame.singularTangents = form.singularTangentsCheck->isChecked();
    frame.animation = form.animationCheck->isChecked();
    frame.curve = form.SelectedCurve();
    frame.fontListBase = form.fontListBase;
    frame.decimalPoint = QLocale().decimalPoint().at(0).unicode();
    frame.traceHandling = picture.traceHandling;
    return frame;
}

void SelectedPointFromTrackBar(TForm1 &form)
{
    form.selectedPointTrack->SetMax(HundredthsOf(plot.tMax));
    form.selectedPointTrack->SetMin(HundredthsOf(plot.tMin));
    plot.currentT = float(double(form.selectedPointTrack->Position()) * 0.01);
}

Frame PrepareFrame(TForm1 &form)
{
    const Frame frame = ReadFrame(form);
    if (ShowsConstruction(frame))
        SelectedPointFromTrackBar(form);
    return frame;
}

void RenderScene(TForm1 &form)
{
    const Frame frame = PrepareFrame(form);
    DrawFrame(frame, form.Picture->layers);
    SetCaption(form.pedalPointValueLabel, QStringLiteral("( ") + FloatToStr(plot.pedalX) + QStringLiteral(" , ") +
                                              FloatToStr(plot.pedalY) + QStringLiteral(" )"));
    SetCaption(form.selectedTValueLabel, QStringLiteral(" t = ") + FloatToStr(plot.currentT));
    form.ShowReadout();
}

LayerInputs FrameInputs(const TForm1 &form, bool lineSmoothing)
{
    const Frame frame = ReadFrame(form);
    LayerInputs inputs = CurveLayerInputs(frame, lineSmoothing);
    inputs.insert(inputs.end(),
                  {plot.gridXFrom, plot.gridXTo, plot.gridYFrom, plot.gridYTo, plot.currentT, plot.pedalX, plot.pedalY,
                   plot.footNumerator, plot.footDenominator, plot.footX, plot.footY, double(plot.euclideanPlane),
                   double(frame.tangentAndNormal), double(frame.selectedPoint), double(frame.singularTangents),
                   double(frame.animation), double(form.selectedPointTrack->Min()),
                   double(form.selectedPointTrack->Max()), double(form.selectedPointTrack->Position())});
    return inputs;
}
