#pragma once

#include <QImage>

// The bound framebuffer's pixels (width x height from its origin), top row
// first, as an opaque image.
QImage ReadFramebufferPixels(int width, int height);
