#include "window/PictureBox.h"

#include <GL/gl.h>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSurfaceFormat>
#include <QWheelEvent>

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
    // A click gives it the keyboard: the arrow keys move P, Home resets the view.
    setFocusPolicy(Qt::ClickFocus);
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
    lastPointer = p;
    calls.mouseDown(p.x(), p.y());
}

namespace {

// A middle drag, or a left drag with Shift, moves the view; a plain left drag moves P.
bool Pans(const QMouseEvent *event)
{
    const Qt::MouseButtons held = event->buttons();
    return held.testFlag(Qt::MiddleButton) ||
           (held.testFlag(Qt::LeftButton) && event->modifiers().testFlag(Qt::ShiftModifier));
}

}  // namespace

void TPictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    const QPoint moved = p - lastPointer;
    lastPointer = p;
    calls.pointerMoved(p.x(), p.y());
    if (Pans(event))
        calls.pan(moved.x(), moved.y());
    else
        calls.mouseMove(p.x(), p.y(), event->buttons().testFlag(Qt::LeftButton));
}

void TPictureBox::wheelEvent(QWheelEvent *event)
{
    // 120 eighths of a degree make one notch; a touchpad sends parts of one.
    const double notches = event->angleDelta().y() / 120.0;
    const QPoint p = event->position().toPoint();
    calls.wheel(p.x(), p.y(), notches);
    event->accept();
}

void TPictureBox::keyPressEvent(QKeyEvent *event)
{
    const int pixels = event->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        return calls.arrowKey(-pixels, 0);
    case Qt::Key_Right:
        return calls.arrowKey(pixels, 0);
    case Qt::Key_Up:
        return calls.arrowKey(0, -pixels);
    case Qt::Key_Down:
        return calls.arrowKey(0, pixels);
    case Qt::Key_Home:  // where the menu's shortcut has not taken it already
        return calls.resetView();
    default:
        QOpenGLWidget::keyPressEvent(event);
    }
}

void TPictureBox::leaveEvent(QEvent *event)
{
    calls.pointerLeft();
    QOpenGLWidget::leaveEvent(event);
}
