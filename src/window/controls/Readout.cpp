// The readout: the pointer's world position, and the values of each layer at
// the selected point, as the picture of this frame shows them.
#include <QLabel>
#include <QStringList>

#include "model/NumberText.h"
#include "window/MainWindow.h"

void MainWindow::ShowReadout()
{
    // The values are worked out once; the label shows the digits the
    // picture resolves, the tooltip every digit. The pointer's line stays,
    // blank, while the pointer is away, so the lines below keep their places.
    ReadoutLines lines = ReadoutOf(layers, scene);
    lines.insert(lines.begin(),
                 pointerOverPicture ? ReadoutLine{QStringLiteral("Pointer"), {pointerX, pointerY}} : ReadoutLine());
    const auto text = [&lines](const ReadableDigits &digits) {
        QStringList texts;
        for (const ReadoutLine &line : lines)
            texts << line.Text(digits);
        return texts.join(QLatin1Char('\n'));
    };
    const QString shown = text({drawnGeometry.unitPixels});
    if (Readout->text() != shown)
        Readout->setText(shown);
    const QString full = text({});
    if (Readout->toolTip() != full) {
        Readout->setToolTip(full);
        Readout->setAccessibleDescription(full);
    }
}
