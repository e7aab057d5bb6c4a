#include "window/PictureExport.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <stdexcept>

#include "drawing/GlSetup.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
#include "window/RenderScene.h"
#include "window/VectorPdf.h"

QImage CurrentPicture(const MainWindow &form)
{
    return form.Picture->grabFramebuffer();
}

namespace {

[[noreturn]] void FailToSave(const QString &path, const QString &reason)
{
    throw std::runtime_error(
        QStringLiteral("The picture could not be saved to '%1': %2.").arg(path, reason).toStdString());
}

QString ExtensionOf(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Svg:
        return QStringLiteral("svg");
    case PictureFormat::Pdf:
        return QStringLiteral("pdf");
    default:
        return QStringLiteral("png");
    }
}

}  // namespace

void SavePicture(const QImage &picture, const QString &path)
{
    QImageWriter writer(path, "png");
    if (!writer.write(picture))
        FailToSave(path, writer.errorString());
}

bool HasPictureExtension(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("png") || suffix == QLatin1String("svg") || suffix == QLatin1String("pdf");
}

QString PictureFilters()
{
    return QStringLiteral("PNG images (*.png);;SVG pictures (*.svg);;PDF documents (*.pdf)");
}

PictureFormat PictureFormatOf(const QString &path, const QString &chosenFilter)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QString named = HasPictureExtension(path) ? QStringLiteral("*.") + suffix : chosenFilter.toLower();
    if (named.contains(QLatin1String("*.svg")))
        return PictureFormat::Svg;
    if (named.contains(QLatin1String("*.pdf")))
        return PictureFormat::Pdf;
    return PictureFormat::Png;
}

QString PicturePathFor(const QString &path, PictureFormat format)
{
    return HasPictureExtension(path) ? path : path + QLatin1Char('.') + ExtensionOf(format);
}

void SaveVectorPicture(const VectorPicture &picture, const QString &path, PictureFormat format)
{
    if (format == PictureFormat::Png)
        FailToSave(path, QStringLiteral("a PNG picture is written from the screen's pixels, not from shapes"));
    // The old file is replaced only once the new one is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        FailToSave(path, file.errorString());
    if (format == PictureFormat::Svg) {
        file.write(SvgDocument(picture));
    } else if (!WritePdf(picture, file)) {
        file.cancelWriting();
        FailToSave(path, QStringLiteral("the PDF could not be written"));
    }
    if (!file.commit())
        FailToSave(path, file.errorString());
}

VectorPicture CurrentVectorPicture(MainWindow &form)
{
    PictureBox &box = *form.Picture;
    if (!box.isValid())
        throw std::runtime_error("The picture is not shown yet, so there is nothing to save.");
    box.makeCurrent();
    const Frame frame = PrepareFrame(form);
    // A frame has the client-sized viewport, whatever drew last.
    SetupViewport(frame.client.width, frame.client.height, box.height(), frame.pixelRatio);
    try {
        VectorPicture picture = CaptureVectorFrame(frame, box.layers);
        box.doneCurrent();
        return picture;
    } catch (...) {
        box.doneCurrent();
        throw;
    }
}
