#include "drawing/FramebufferPixels.h"

#include <GL/gl.h>

QImage ReadFramebufferPixels(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    // Format_RGB32 is one 0xAARRGGBB word a pixel, which the GL writes without
    // conversion; one pass turns the rows (the GL's run bottom up) and makes
    // every pixel opaque, as the screen shows it.
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, image.bits());
    for (int top = 0, bottom = height - 1; top <= bottom; ++top, --bottom) {
        auto *upper = reinterpret_cast<quint32 *>(image.scanLine(top));
        auto *lower = reinterpret_cast<quint32 *>(image.scanLine(bottom));
        for (int x = 0; x < width; ++x) {
            const quint32 pixel = upper[x] | 0xff000000u;
            upper[x] = lower[x] | 0xff000000u;
            lower[x] = pixel;
        }
    }
    return image;
}
