#include "window/RenderScene.h"

#include <QLabel>
#include <QLocale>

#include "drawing/DrawFrame.h"
#include "drawing/PlotArea.h"
#include "model/NumberText.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

Frame ReadFrame(const MainWindow &form)
{
    const PictureBox &picture = *form.Picture;
    Frame frame;
    frame.scene = form.scene;
    frame.layers = &form.Layers();
    frame.client = {form.ClientWidth(), form.ClientHeight()};
    frame.framebuffer = picture.defaultFramebufferObject();
    frame.pictureWidth = picture.width();
    frame.pictureHeight = picture.height();
    frame.pixelRatio = picture.devicePixelRatioF();
    frame.at = form.Geometry();
    frame.fontListBase = form.fontListBase;
    frame.decimalPoint = QLocale().decimalPoint().at(0).unicode();
    frame.traceHandling = picture.traceHandling;
    return frame;
}

Frame PrepareFrame(MainWindow &form)
{
    TakeSelectedPoint(form.scene);
    return ReadFrame(form);
}

void RenderScene(MainWindow &form)
{
    const Frame frame = PrepareFrame(form);
    form.drawnGeometry = frame.at;
    DrawFrame(frame, form.Picture->layers);
    form.ShowTrack();
    SetCaption(form.pedalPointValueLabel, QStringLiteral("( ") + FloatToStr(form.scene.pedalX) + QStringLiteral(" , ") +
                                              FloatToStr(form.scene.pedalY) + QStringLiteral(" )"));
    SetCaption(form.selectedTValueLabel, QStringLiteral(" t = ") + FloatToStr(form.scene.currentT));
    form.ShowReadout();
}

LayerInputs FrameInputs(const MainWindow &form)
{
    const Frame frame = ReadFrame(form);
    LayerInputs inputs = LevelInputs(frame, LayerReuse::EveryFrame);
    const Scene &scene = frame.scene;
    inputs.insert(inputs.end(),
                  {scene.currentT, double(scene.track.min), double(scene.track.max), double(scene.track.position),
                   scene.pedalX, scene.pedalY, double(scene.plane == Plane::Minkowski), double(frame.framebuffer)});
    return inputs;
}
