#include "window/PictureBox.h"

#include <GL/gl.h>
#include <QMouseEvent>
#include <QSurfaceFormat>

#include "drawing/GlSetup.h"

TPictureBox::TPictureBox(QWidget *parent) : QOpenGLWidget(parent)
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
    calls.created();
}

void TPictureBox::resizeGL(int, int)
{
    frameIsCurrent = false;
    calls.resized();
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
    if (frameIsCurrent && inputsBeforeFrame == inputsAfterFrame && calls.frameInputs(lineSmoothing) == inputsAfterFrame)
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
    const ClientSize client = calls.clientSize();
    SetupViewport(client.width, client.height, height(), devicePixelRatioF());
    inputsBeforeFrame = calls.frameInputs(glIsEnabled(GL_LINE_SMOOTH));
    calls.renderScene();
    lineSmoothing = glIsEnabled(GL_LINE_SMOOTH);
    inputsAfterFrame = calls.frameInputs(lineSmoothing);
    frameIsCurrent = true;
    ++frameCount;
}

void TPictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    calls.mouseDown(p.x(), p.y());
}

void TPictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    const bool leftHeld = event->buttons().testFlag(Qt::LeftButton);
    calls.mouseMove(p.x(), p.y(), leftHeld);
}
