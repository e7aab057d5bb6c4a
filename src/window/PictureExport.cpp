#include "window/PictureExport.h"

#include <QImageWriter>
#include <stdexcept>

#include "window/Form1.h"
#include "window/PictureBox.h"

QImage CurrentPicture()
{
    return Form1->Picture->grabFramebuffer();
}

void SavePicture(const QImage &picture, const QString &path)
{
    QImageWriter writer(path, "png");
    if (!writer.write(picture))
        throw std::runtime_error(QStringLiteral("The picture could not be saved to '%1': %2.")
                                     .arg(path, writer.errorString())
                                     .toStdString());
}
