#include "window/SessionExport.h"

#include <QLocale>
#include <stdexcept>

#include "drawing/DrawFrame.h"
#include "drawing/GlSetup.h"
#include "drawing/LayerCache.h"
#include "drawing/OffscreenContext.h"
#include "drawing/OutlineFont.h"
#include "drawing/PlotArea.h"
#include "drawing/StandardLayers.h"
#include "drawing/VectorFrame.h"
#include "drawing/WindowLayout.h"
#include "maths/Curves.h"
#include "maths/TypedCurve.h"
#include "window/PictureExport.h"
#include "window/SessionFile.h"

namespace {

[[noreturn]] void Refuse(const QString &reason)
{
    throw std::runtime_error(reason.toStdString());
}

// The window that holds a picture of this size: the panels keep their sizes.
ClientSize ClientFor(QSize picture)
{
    return {picture.width() + PanelsWidth, picture.height() + PanelsHeight};
}

QSize PictureOf(const Session &session)
{
    return {session.clientWidth - PanelsWidth, session.clientHeight - PanelsHeight};
}

PictureFormat FormatOfOutput(const QString &output)
{
    if (!HasPictureExtension(output))
        Refuse(QStringLiteral("'%1' does not end in .png, .svg or .pdf").arg(output));
    return PictureFormatOf(output);
}

// The frame as the window would draw it, into the offscreen framebuffer at
// one device pixel per logical pixel.
Frame OffscreenFrame(const Scene &scene, const LayerList &layers, QSize picture, ClientSize client)
{
    Frame frame;
    frame.scene = scene;
    frame.layers = &layers;
    frame.client = client;
    frame.pictureWidth = picture.width();
    frame.pictureHeight = picture.height();
    frame.pixelRatio = 1;
    frame.at = GeometryOf(client, scene, FrameGeometry(), 1);
    frame.decimalPoint = QLocale().decimalPoint().at(0).unicode();
    return frame;
}

}  // namespace

void ExportPicture(const OpenedSession &opened, const QString &output, QSize pictureSize)
{
    const PictureFormat format = FormatOfOutput(output);
    const QSize picture = pictureSize.isEmpty() ? PictureOf(opened.session) : pictureSize;
    if (picture.width() < 1 || picture.height() < 1)
        Refuse(QStringLiteral("the session's window leaves the picture no pixels"));
    const ClientSize client = ClientFor(picture);
    const QString view = ViewProblem(opened.session, client);
    if (!view.isEmpty())
        Refuse(QStringLiteral("at %1x%2 pixels %3").arg(picture.width()).arg(picture.height()).arg(view));

    OffscreenContext context(picture.width(), picture.height());
    // What a picture's own context gets when it is made: projection and font lists.
    SetupProjection(client.width, client.height);
    SetupViewport(client.width, client.height, picture.height(), 1);
    const LayerList layers = StandardLayers();
    Frame frame = OffscreenFrame(SceneOfOpened(opened), layers, picture, client);
    frame.framebuffer = context.Framebuffer();
    frame.fontListBase = BuildOutlineFont(QString());
    LayerCache cache;
    cache.enabled = false;
    DrawFrame(frame, cache);
    if (format == PictureFormat::Png)
        SavePicture(context.Pixels(), output);
    else
        SaveVectorPicture(CaptureVectorFrame(frame, cache), output, format);
    DeleteOutlineFont(frame.fontListBase);
}
