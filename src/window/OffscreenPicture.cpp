#include "window/OffscreenPicture.h"

#include <QLocale>

#include "drawing/DrawFrame.h"
#include "drawing/GlSetup.h"
#include "drawing/OutlineFont.h"
#include "drawing/PlotArea.h"
#include "drawing/VectorFrame.h"
#include "drawing/WindowLayout.h"

ClientSize OffscreenPicture::ClientFor(QSize picture)
{
    return {picture.width() + PanelsWidth, picture.height() + PanelsHeight};
}

OffscreenPicture::OffscreenPicture(QSize picture) : size(picture), context(picture.width(), picture.height())
{
    // What a picture's own context gets when it is made: projection and font lists.
    const ClientSize client = Client();
    SetupProjection(client.width, client.height);
    SetupViewport(client.width, client.height, picture.height(), 1);
    frame.layers = &layers;
    frame.client = client;
    frame.pictureWidth = picture.width();
    frame.pictureHeight = picture.height();
    frame.pixelRatio = 1;
    frame.framebuffer = context.Framebuffer();
    frame.fontListBase = BuildOutlineFont(QString());
    frame.decimalPoint = QLocale().decimalPoint().at(0).unicode();
    // Every picture is drawn whole: nothing is kept from one scene for the next.
    cache.enabled = false;
    context.Release();
}

OffscreenPicture::~OffscreenPicture()
{
    context.Bind();
    DeleteOutlineFont(frame.fontListBase);
}

void OffscreenPicture::Use(const Scene &scene)
{
    frame.scene = scene;
    frame.at = GeometryOf(frame.client, scene, FrameGeometry(), 1);
}

QImage OffscreenPicture::Draw(const Scene &scene)
{
    context.Bind();
    Use(scene);
    DrawFrame(frame, cache);
    QImage pixels = context.Pixels();
    context.Release();
    return pixels;
}

VectorPicture OffscreenPicture::Shapes(const Scene &scene)
{
    context.Bind();
    Use(scene);
    // Drawn first, as for the pixels: the feedback then meets the same GL state.
    DrawFrame(frame, cache);
    VectorPicture shapes = CaptureVectorFrame(frame, cache);
    context.Release();
    return shapes;
}
