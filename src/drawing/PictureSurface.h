#pragma once

#include <QImage>
#include <QSize>
#include <QSurfaceFormat>
#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

// The picture's OpenGL context and the framebuffer its frames are drawn into.
// The window shows the framebuffer's pixels read back into an image, so the
// toolkit need not compose the whole window with OpenGL for every frame shown
// (on a software renderer that cost 2.5 to 15 ms a frame; the read-back image
// is shown in 1.6).
class PictureSurface {
public:
    PictureSurface();
    ~PictureSurface();
    PictureSurface(const PictureSurface &) = delete;
    PictureSurface &operator=(const PictureSurface &) = delete;

    // False when no OpenGL context of this format can be made.
    bool Create(const QSurfaceFormat &format);
    bool IsCreated() const;
    // The context current, with the framebuffer (once there is one) bound.
    void MakeCurrent();
    void DoneCurrent();
    // A new framebuffer of this many device pixels, bound; its pixels are
    // undefined until a frame is drawn. The context must be current.
    void Resize(QSize devicePixels);
    unsigned Framebuffer() const;
    QSize FramebufferSize() const;  // empty before the first Resize
    // The framebuffer's pixels, top row first, opaque; the context must be current.
    QImage Pixels() const;

private:
    std::unique_ptr<QOpenGLContext> context;
    std::unique_ptr<QOffscreenSurface> surface;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer;
};
