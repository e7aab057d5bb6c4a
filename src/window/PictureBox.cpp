#include "window/PictureBox.h"

#include <GL/gl.h>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSurfaceFormat>
#include <QWheelEvent>

#include "drawing/GlSetup.h"

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture"));
    // Every paint covers the whole widget with the frame.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button still refresh the origin.
    setMouseTracking(true);
    // A click gives it the keyboard: the arrow keys move P, Home resets the view.
    setFocusPolicy(Qt::ClickFocus);
}

PictureBox::~PictureBox()
{
    if (!isValid())
        return;
    // The saved layers are framebuffers of the picture's context.
    surface.MakeCurrent();
    layers = LayerCache();
    surface.DoneCurrent();
}

bool PictureBox::isValid() const
{
    return surface.IsCreated();
}

void PictureBox::makeCurrent()
{
    if (isValid())
        surface.MakeCurrent();
}

void PictureBox::doneCurrent()
{
    if (isValid())
        surface.DoneCurrent();
}

unsigned PictureBox::defaultFramebufferObject() const
{
    return surface.Framebuffer();
}

// The context is made when the picture first has a size to show, and lives as
// long as the picture.
bool PictureBox::Initialize()
{
    if (isValid())
        return true;
    if (size().isEmpty() || noContext)
        return false;
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    if (!surface.Create(format)) {
        noContext = true;  // asked once: the display will not offer one later
        qWarning("Lumetra: no OpenGL context for the picture");
        return false;
    }
    surface.MakeCurrent();
    calls.created();
    FitFramebuffer();
    surface.DoneCurrent();
    return true;
}

void PictureBox::FitFramebuffer()
{
    const QSize devicePixels = size() * devicePixelRatioF();
    // A picture squeezed to nothing keeps its last framebuffer.
    if (devicePixels.isEmpty() || surface.FramebufferSize() == devicePixels)
        return;
    surface.Resize(devicePixels);
    frameIsCurrent = false;
    calls.resized();
}

void PictureBox::showEvent(QShowEvent *)
{
    Initialize();
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    if (!isVisible() || size().isEmpty() || !Initialize())
        return;
    // A new framebuffer of the new size, drawn at once.
    PaintFrameNow();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!Initialize()) {
        painter.fillRect(rect(), palette().window());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("The picture needs OpenGL, which this display does not offer."));
        return;
    }
    painter.drawImage(0, 0, ShownPixels());
}

QImage PictureBox::grabFramebuffer()
{
    if (!Initialize())
        return QImage();
    return ShownPixels();
}

QImage PictureBox::ShownPixels()
{
    surface.MakeCurrent();
    // The screen's pixel ratio may have changed since the last frame.
    FitFramebuffer();
    if (!frameIsCurrent)
        PaintFrame();
    QImage pixels = surface.Pixels();
    surface.DoneCurrent();
    pixels.setDevicePixelRatio(devicePixelRatioF());
    return pixels;
}

void PictureBox::RenderNow()
{
    ++redrawCount;
    if (!isValid())
        return;  // not shown yet: the first paint draws
    // Nothing has changed since the last frame: this frame would be the same
    // picture, which the screen shows.
    if (frameIsCurrent && calls.frameInputs() == inputsOfFrame)
        return;
    PaintFrameNow();
    update();
}

void PictureBox::PaintFrameNow()
{
    surface.MakeCurrent();
    FitFramebuffer();
    PaintFrame();
    surface.DoneCurrent();
}

void PictureBox::Invalidate()
{
    frameIsCurrent = false;
}

void PictureBox::PaintFrame()
{
    // The picture keeps the client-sized viewport, whatever drew last.
    const ClientSize client = calls.clientSize();
    SetupViewport(client.width, client.height, height(), devicePixelRatioF());
    calls.renderScene();
    inputsOfFrame = calls.frameInputs();
    frameIsCurrent = true;
    ++frameCount;
}

void PictureBox::mousePressEvent(QMouseEvent *event)
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

void PictureBox::mouseMoveEvent(QMouseEvent *event)
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

void PictureBox::wheelEvent(QWheelEvent *event)
{
    // 120 eighths of a degree make one notch; a touchpad sends parts of one.
    const double notches = event->angleDelta().y() / 120.0;
    const QPoint p = event->position().toPoint();
    calls.wheel(p.x(), p.y(), notches);
    event->accept();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
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
        QWidget::keyPressEvent(event);
    }
}

void PictureBox::leaveEvent(QEvent *event)
{
    calls.pointerLeft();
    QWidget::leaveEvent(event);
}
