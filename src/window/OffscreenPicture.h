#pragma once

#include <QImage>
#include <QSize>

#include "drawing/Frame.h"
#include "drawing/LayerCache.h"
#include "drawing/OffscreenContext.h"
#include "drawing/StandardLayers.h"
#include "drawing/VectorPicture.h"

// Pictures of scenes drawn by the drawing layer alone, in an OpenGL context
// of its own, exactly as the window of the same picture size draws them:
// the panels keep their sizes around the picture. The context is current
// only while a picture is drawn, so a window's own context may draw between
// two pictures.
class OffscreenPicture {
public:
    // Throws std::runtime_error where no context can be made.
    explicit OffscreenPicture(QSize picture);
    ~OffscreenPicture();
    OffscreenPicture(const OffscreenPicture &) = delete;
    OffscreenPicture &operator=(const OffscreenPicture &) = delete;

    // The window's client size around a picture of this size.
    static ClientSize ClientFor(QSize picture);
    ClientSize Client() const { return ClientFor(size); }

    QImage Draw(const Scene &scene);
    // The same picture's shapes, read back through GL feedback.
    VectorPicture Shapes(const Scene &scene);

private:
    void Use(const Scene &scene);
    QSize size;
    OffscreenContext context;
    LayerList layers = StandardLayers();
    Frame frame;
    LayerCache cache;
};
