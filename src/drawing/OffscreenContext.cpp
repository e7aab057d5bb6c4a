#include "drawing/OffscreenContext.h"

#define EGL_EGLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <cstring>
#include <stdexcept>
#include <string>

#include "drawing/FramebufferPixels.h"

struct OffscreenContext::Parts {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLContext context = EGL_NO_CONTEXT;
    GLuint framebuffer = 0;
    GLuint colour = 0;
    GLuint depth = 0;
    int width = 0;
    int height = 0;
};

namespace {

[[noreturn]] void Fail(const char *what)
{
    throw std::runtime_error(std::string("no OpenGL context for the picture: ") + what);
}

EGLDisplay SurfacelessDisplay()
{
    const char *extensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!extensions || !strstr(extensions, "EGL_MESA_platform_surfaceless"))
        Fail("EGL has no surfaceless platform");
    const EGLDisplay display = eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
        Fail("EGL could not be initialised");
    return display;
}

// Desktop OpenGL in its compatibility profile: immediate mode and display lists.
EGLContext CompatibilityContext(EGLDisplay display)
{
    if (!eglBindAPI(EGL_OPENGL_API))
        Fail("EGL offers no desktop OpenGL");
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, 0, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configs = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &configs) || configs < 1)
        config = nullptr;  // surfaceless contexts may do without a configuration
    const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                        EGL_NONE};
    const EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (context == EGL_NO_CONTEXT)
        Fail("EGL could not create a context");
    return context;
}

}  // namespace

OffscreenContext::OffscreenContext(int width, int height) : parts(std::make_unique<Parts>())
{
    parts->width = width;
    parts->height = height;
    parts->display = SurfacelessDisplay();
    parts->context = CompatibilityContext(parts->display);
    if (!eglMakeCurrent(parts->display, EGL_NO_SURFACE, EGL_NO_SURFACE, parts->context))
        Fail("the context could not be made current");
    glGenFramebuffers(1, &parts->framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, parts->framebuffer);
    glGenRenderbuffers(1, &parts->colour);
    glBindRenderbuffer(GL_RENDERBUFFER, parts->colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, parts->colour);
    glGenRenderbuffers(1, &parts->depth);
    glBindRenderbuffer(GL_RENDERBUFFER, parts->depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, parts->depth);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        Fail("the framebuffer is incomplete");
}

OffscreenContext::~OffscreenContext()
{
    eglMakeCurrent(parts->display, EGL_NO_SURFACE, EGL_NO_SURFACE, parts->context);
    glDeleteFramebuffers(1, &parts->framebuffer);
    glDeleteRenderbuffers(1, &parts->colour);
    glDeleteRenderbuffers(1, &parts->depth);
    eglMakeCurrent(parts->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(parts->display, parts->context);
    eglTerminate(parts->display);
}

void OffscreenContext::Bind()
{
    if (!eglMakeCurrent(parts->display, EGL_NO_SURFACE, EGL_NO_SURFACE, parts->context))
        Fail("the context could not be made current");
    glBindFramebuffer(GL_FRAMEBUFFER, parts->framebuffer);
}

void OffscreenContext::Release()
{
    eglMakeCurrent(parts->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
}

unsigned OffscreenContext::Framebuffer() const
{
    return parts->framebuffer;
}

QImage OffscreenContext::Pixels() const
{
    return ReadFramebufferPixels(parts->width, parts->height);
}
