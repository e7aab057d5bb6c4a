#include "window/SessionExport.h"

#include <QFileInfo>
#include <stdexcept>

#include "drawing/DrawFrame.h"
#include "drawing/GlSetup.h"
#include "drawing/OffscreenContext.h"
#include "drawing/OutlineFont.h"
#include "drawing/WindowLayout.h"
#include "window/Form1.h"
#include "window/PictureExport.h"
#include "window/RenderScene.h"

namespace {

[[noreturn]] void Refuse(const QString &reason)
{
    throw std::runtime_error(reason.toStdString());
}

// The window that holds a picture of this size: the panels keep their sizes.
ClientSize ClientFor(QSize picture)
{
    return {picture.width() + RightPanelWidth, picture.height() + ParameterPanelHeight + PedalPanelHeight};
}

QSize PictureOf(const TForm1 &form)
{
    return {form.ClientWidth() - RightPanelWidth, form.ClientHeight() - ParameterPanelHeight - PedalPanelHeight};
}

void CheckOutput(const QString &output)
{
    if (QFileInfo(output).suffix().toLower() != QLatin1String("png"))
        Refuse(QStringLiteral("'%1' does not end in .png").arg(output));
}

// The frame as the window would draw it, into the offscreen framebuffer at
// one device pixel per logical pixel.
Frame OffscreenFrame(TForm1 &form, QSize picture, ClientSize client, unsigned framebuffer)
{
    Frame frame = ReadFrame(form);
    frame.client = client;
    frame.framebuffer = framebuffer;
    frame.pictureWidth = picture.width();
    frame.pictureHeight = picture.height();
    frame.pixelRatio = 1;
    if (ShowsConstruction(frame))
        SelectedPointFromTrackBar(form);
    return frame;
}

}  // namespace

void ExportPicture(TForm1 &form, const QString &output, QSize pictureSize)
{
    CheckOutput(output);
    const QSize picture = pictureSize.isEmpty() ? PictureOf(form) : pictureSize;
    if (picture.width() < 1 || picture.height() < 1)
        Refuse(QStringLiteral("the session's window leaves the picture no pixels"));
    const ClientSize client = ClientFor(picture);
    form.resize(client.width, client.height);

    OffscreenContext context(picture.width(), picture.height());
    SetupProjection(client.width, client.height);
    SetupViewport(client.width, client.height, picture.height(), 1);
    form.fontListBase = BuildOutlineFont(QString());
    LayerCache cache;
    cache.enabled = false;
    const Frame frame = OffscreenFrame(form, picture, client, context.Framebuffer());
    // A window redraws every tick: what it shows is the second frame, whose
    // grid is drawn with the line smoothing the construction left on.
    DrawFrame(frame, cache);
    DrawFrame(frame, cache);
    SavePicture(context.Pixels(), output);
    DeleteOutlineFont(form.fontListBase);
}
