#pragma once

#include <QImage>
#include <memory>

// An OpenGL context of its own with a framebuffer of the picture's size
// (colour and depth), that needs no window and no display: Mesa's
// surfaceless EGL. For pictures written from the command line.
class OffscreenContext {
public:
    // Throws std::runtime_error when no such context can be made.
    OffscreenContext(int width, int height);
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext &) = delete;
    OffscreenContext &operator=(const OffscreenContext &) = delete;

    // The context is current from its making until released; a process that
    // draws into other contexts too binds it for each picture.
    void Bind();
    void Release();

    unsigned Framebuffer() const;
    // The framebuffer's pixels, top row first.
    QImage Pixels() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts;
};
