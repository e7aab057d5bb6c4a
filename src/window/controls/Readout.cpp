// The readout: the pointer's world position, and the values of each layer at
// the selected point, as the picture of this frame shows them.
#include <QLabel>
#include <QStringList>

#include "model/NumberText.h"
#include "window/MainWindow.h"

void MainWindow::ShowReadout()
{
    // The pointer's line stays, blank, while the pointer is away, so the
    // lines below it keep their places.
    QStringList lines;
    lines << (pointerOverPicture ? QStringLiteral("Pointer ( ") + FloatToStr(float(pointerX)) + QStringLiteral(" , ") +
                                       FloatToStr(float(pointerY)) + QStringLiteral(" )")
                                 : QString());
    lines << ReadoutLines(layers, scene);
    const QString text = lines.join(QLatin1Char('\n'));
    if (Readout->text() != text) {
        Readout->setText(text);
        Readout->setAccessibleDescription(text);
    }
}
