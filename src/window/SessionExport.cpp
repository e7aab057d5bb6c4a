#include "window/SessionExport.h"

#include <stdexcept>

#include "drawing/DrawFrame.h"
#include "drawing/GlSetup.h"
#include "drawing/OffscreenContext.h"
#include "drawing/OutlineFont.h"
#include "drawing/VectorFrame.h"
#include "drawing/WindowLayout.h"
#include "window/Form1.h"
#include "window/PictureExport.h"
#include "window/RenderScene.h"
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

QSize PictureOf(const TForm1 &form)
{
    return {form.ClientWidth() - PanelsWidth, form.ClientHeight() - PanelsHeight};
}

PictureFormat FormatOfOutput(const QString &output)
{
    if (!HasPictureExtension(output))
        Refuse(QStringLiteral("'%1' does not end in .png, .svg or .pdf").arg(output));
    return PictureFormatOf(output);
}

// The frame as the window would draw it, into the offscreen framebuffer at
// one device pixel per logical pixel.
Frame OffscreenFrame(TForm1 &form, QSize picture, ClientSize client, unsigned framebuffer)
{
    Frame frame = PrepareFrame(form);
    frame.client = client;
    frame.framebuffer = framebuffer;
    frame.pictureWidth = picture.width();
    frame.pictureHeight = picture.height();
    frame.pixelRatio = 1;
    return frame;
}

}  // namespace

void ExportPicture(TForm1 &form, const QString &output, QSize pictureSize)
{
    const PictureFormat format = FormatOfOutput(output);
    const QSize picture = pictureSize.isEmpty() ? PictureOf(form) : pictureSize;
    if (picture.width() < 1 || picture.height() < 1)
        Refuse(QStringLiteral("the session's window leaves the picture no pixels"));
    const ClientSize client = ClientFor(picture);
    const QString view = ViewProblem(form.CaptureSession(), client);
    if (!view.isEmpty())
        Refuse(QStringLiteral("at %1x%2 pixels %3").arg(picture.width()).arg(picture.height()).arg(view));
    form.resize(client.width, client.height);

    OffscreenContext context(picture.width(), picture.height());
    // What the picture's own context gets when it is made: projection and font lists.
    form.FormCreate();
    SetupViewport(client.width, client.height, picture.height(), 1);
    LayerCache cache;
    cache.enabled = false;
    const Frame frame = OffscreenFrame(form, picture, client, context.Framebuffer());
    // A window redraws every tick: what it shows is the second frame, whose
    // grid is drawn with the line smoothing the construction left on.
    DrawFrame(frame, cache);
    DrawFrame(frame, cache);
    if (format == PictureFormat::Png)
        SavePicture(context.Pixels(), output);
    else
        SaveVectorPicture(CaptureVectorFrame(frame, cache), output, format);
    DeleteOutlineFont(form.fontListBase);
}
