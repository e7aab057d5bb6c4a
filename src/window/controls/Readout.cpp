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
    // The label shows the digits the picture resolves, the tooltip every digit.
    const auto text = [this](const ReadableDigits &digits) {
        QStringList lines;
        lines << (pointerOverPicture ? QStringLiteral("Pointer ( ") + digits.Text(pointerX) + QStringLiteral(" , ") +
                                           digits.Text(pointerY) + QStringLiteral(" )")
                                     : QString());
        lines << ReadoutLines(layers, scene, digits);
        return lines.join(QLatin1Char('\n'));
    };
    const QString shown = text({drawnGeometry.unitPixels});
    if (Readout->text() != shown) {
        Readout->setText(shown);
        Readout->setToolTip(text({}));
        Readout->setAccessibleDescription(Readout->toolTip());
    }
}
