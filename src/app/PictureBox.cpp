#include "app/PictureBox.h"

#include <QMouseEvent>
#include <QSurfaceFormat>

#include "app/Form1.h"
#include "app/GlSetup.h"
#include "app/RenderScene.h"

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
}

void TPictureBox::initializeGL()
{
    form->FormCreate();
}

void TPictureBox::resizeGL(int, int)
{
    form->FormResize();
}

void TPictureBox::paintGL()
{
    // Qt sets a widget-sized viewport before every paint; the picture keeps
    // the client-sized one.
    SetupViewport(form->ClientWidth(), form->ClientHeight(), height(), devicePixelRatioF());
    RenderScene(*form);
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
