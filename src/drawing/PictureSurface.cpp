#include "drawing/PictureSurface.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include "drawing/FramebufferPixels.h"

PictureSurface::PictureSurface() = default;

PictureSurface::~PictureSurface()
{
    if (!context)
        return;
    // The framebuffer goes with the context it was made in.
    MakeCurrent();
    framebuffer.reset();
    DoneCurrent();
}

bool PictureSurface::Create(const QSurfaceFormat &format)
{
    auto newContext = std::make_unique<QOpenGLContext>();
    newContext->setFormat(format);
    if (!newContext->create())
        return false;
    auto newSurface = std::make_unique<QOffscreenSurface>();
    newSurface->setFormat(newContext->format());
    newSurface->create();
    if (!newSurface->isValid())
        return false;
    context = std::move(newContext);
    surface = std::move(newSurface);
    return true;
}

bool PictureSurface::IsCreated() const
{
    return context != nullptr;
}

void PictureSurface::MakeCurrent()
{
    context->makeCurrent(surface.get());
    if (framebuffer)
        framebuffer->bind();
}

void PictureSurface::DoneCurrent()
{
    context->doneCurrent();
}

void PictureSurface::Resize(QSize devicePixels)
{
    framebuffer.reset();  // before the new one: only one picture's memory at a time
    // Colour and depth, as the frames have always had them.
    framebuffer =
        std::make_unique<QOpenGLFramebufferObject>(devicePixels, QOpenGLFramebufferObject::CombinedDepthStencil);
    framebuffer->bind();
}

unsigned PictureSurface::Framebuffer() const
{
    return framebuffer ? framebuffer->handle() : 0;
}

QSize PictureSurface::FramebufferSize() const
{
    return framebuffer ? framebuffer->size() : QSize();
}

QImage PictureSurface::Pixels() const
{
    const QSize size = FramebufferSize();
    return ReadFramebufferPixels(size.width(), size.height());
}
