#include "window/SessionExport.h"

#include <stdexcept>

#include "drawing/WindowLayout.h"
#include "window/OffscreenPicture.h"
#include "window/PictureExport.h"
#include "window/SessionFile.h"

namespace {

[[noreturn]] void Refuse(const QString &reason)
{
    throw std::runtime_error(reason.toStdString());
}

PictureFormat FormatOfOutput(const QString &output)
{
    if (!HasPictureExtension(output))
        Refuse(QStringLiteral("'%1' does not end in .png, .svg or .pdf").arg(output));
    return PictureFormatOf(output);
}

}  // namespace

QSize PictureSizeOf(const Session &session)
{
    return {session.clientWidth - PanelsWidth, session.clientHeight - PanelsHeight};
}

void ExportPicture(const OpenedSession &opened, const QString &output, QSize pictureSize)
{
    const PictureFormat format = FormatOfOutput(output);
    const QSize picture = pictureSize.isEmpty() ? PictureSizeOf(opened.session) : pictureSize;
    if (picture.width() < 1 || picture.height() < 1)
        Refuse(QStringLiteral("the session's window leaves the picture no pixels"));
    const ClientSize client = OffscreenPicture::ClientFor(picture);
    const QString view = ViewProblem(opened.session, client);
    if (!view.isEmpty())
        Refuse(QStringLiteral("at %1x%2 pixels %3").arg(picture.width()).arg(picture.height()).arg(view));

    OffscreenPicture offscreen(picture);
    const Scene scene = SceneOfOpened(opened);
    if (format == PictureFormat::Png)
        SavePicture(offscreen.Draw(scene), output);
    else
        SaveVectorPicture(offscreen.Shapes(scene), output, format);
}
