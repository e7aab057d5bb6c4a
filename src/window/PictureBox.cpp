#include "window/PictureBox.h"

#include <GL/gl.h>
#include <QCheckBox>
#include <QMouseEvent>
#include <QSurfaceFormat>

#include "drawing/GlSetup.h"
#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/RenderScene.h"
#include "window/controls/Adapters.h"

LayerInputs FrameInputs(const TForm1 &form, bool lineSmoothing)
{
    const Frame frame = ReadFrame(form);
    LayerInputs inputs = CurveLayerInputs(frame, lineSmoothing);
    inputs.insert(inputs.end(),
                  {plot.gridXFrom, plot.gridXTo, plot.gridYFrom, plot.gridYTo, plot.currentT, plot.pedalX, plot.pedalY,
                   plot.footNumerator, plot.footDenominator, plot.footX, plot.footY, double(plot.euclideanPlane),
                   double(frame.tangentAndNormal), double(frame.selectedPoint), double(frame.singularTangents),
                   double(frame.animation), double(form.TrackBar1->Min()), double(form.TrackBar1->Max()),
                   double(form.TrackBar1->Position())});
    return inputs;
}

TPictureBox::TPictureBox(TForm1 *owner) : QOpenGLWidget(owner), form(owner)
{
    setObjectName(QStringLiteral("Picture"));
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    setFormat(format);
    // Moves without a button still refresh the origin.
    setMouseTracking(true);
    // The framebuffer keeps its frame between paints, so a paint event for a
    // frame already drawn only shows it.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
}

void TPictureBox::initializeGL()
{
    form->FormCreate();
}

void TPictureBox::resizeGL(int, int)
{
    frameIsCurrent = false;
    form->FormResize();
}

void TPictureBox::paintGL()
{
    if (!frameIsCurrent)
        PaintFrame();
}

void TPictureBox::RenderNow()
{
    ++redrawCount;
    if (!isValid())
        return;  // not shown yet: the first paint draws
    // The last frame left its inputs as it found them and nothing has changed
    // since: this frame would be the same picture, which the screen shows.
    if (frameIsCurrent && inputsBeforeFrame == inputsAfterFrame &&
        FrameInputs(*form, lineSmoothing) == inputsAfterFrame)
        return;
    makeCurrent();
    PaintFrame();
    doneCurrent();
    update();
}

void TPictureBox::Invalidate()
{
    frameIsCurrent = false;
}

void TPictureBox::PaintFrame()
{
    // The toolkit sets a widget-sized viewport; the picture keeps the
    // client-sized one.
    SetupViewport(form->ClientWidth(), form->ClientHeight(), height(), devicePixelRatioF());
    inputsBeforeFrame = FrameInputs(*form, glIsEnabled(GL_LINE_SMOOTH));
    RenderScene(*form);
    lineSmoothing = glIsEnabled(GL_LINE_SMOOTH);
    inputsAfterFrame = FrameInputs(*form, lineSmoothing);
    frameIsCurrent = true;
    ++frameCount;
}

void TPictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    RunHandler([&] { form->FormMouseDown(p.x(), p.y()); });
}

void TPictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    const bool leftHeld = event->buttons().testFlag(Qt::LeftButton);
    RunHandler([&] { form->FormMouseMove(p.x(), p.y(), leftHeld); });
}
