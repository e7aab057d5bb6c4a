// The group of the layers the window has no designed box for (the pedal
// curve's relatives, and any layer added later): a column of check boxes in
// the free corner right of the two bottom panels, in the designed boxes'
// style, and the iterated pedal's number of stages beside its box.
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

#include "window/MainWindow.h"

namespace {

constexpr int GroupWidth = 178;
constexpr int RowHeight = 22;
constexpr int FirstRow = 28;

}  // namespace

void MainWindow::BuildLayerGroup()
{
    layerGroup = new QWidget(this);
    layerGroup->setObjectName(QStringLiteral("layerGroup"));
    auto *title = new QLabel(QStringLiteral("Relatives:"), layerGroup);
    title->setObjectName(QStringLiteral("layerGroupTitle"));
    title->setFont(pedalCurveTitleLabel->font());
    title->move(4, 4);
    title->setAccessibleName(title->text());
    pedalStagesSpin = new QSpinBox(layerGroup);
    pedalStagesSpin->setObjectName(QStringLiteral("pedalStagesSpin"));
    pedalStagesSpin->setRange(1, MostPedalStages);
    pedalStagesSpin->setValue(scene.pedalStages);
    pedalStagesSpin->setAccessibleName(QStringLiteral("Stages of the iterated pedal"));
    pedalStagesSpin->setToolTip(QStringLiteral("How many times the pedal curve is taken"));
    pedalStagesSpin->hide();
    connect(pedalStagesSpin, &QSpinBox::valueChanged, this, [this](int stages) {
        if (scene.pedalStages == stages)
            return;
        scene.pedalStages = stages;
        RunHandler([this] { Redraw(); });
    });
}

QCheckBox *MainWindow::AddToLayerGroup(const Layer &layer)
{
    const int row = int(layerGroup->findChildren<QCheckBox *>().size());
    const int top = FirstRow + row * RowHeight;
    if (top + RowHeight > PanelsHeight)
        return nullptr;  // no room left: the picture's menu takes it
    auto *box = new QCheckBox(layer.caption, layerGroup);
    box->setObjectName(QString::fromStdString(layer.id) + QStringLiteral("Check"));
    box->setFont(gridCheck->font());
    box->setAccessibleName(layer.caption);
    box->setGeometry(6, top, box->sizeHint().width(), 17);
    box->show();
    if (layer.id == "iteratedPedal") {
        pedalStagesSpin->setGeometry(box->geometry().right() + 6, top - 2, 40, 21);
        pedalStagesSpin->show();
    }
    return box;
}

void MainWindow::PlaceLayerGroup()
{
    layerGroup->setGeometry(ClientWidth() - GroupWidth, std::max(0, ClientHeight() - PanelsHeight), GroupWidth,
                            PanelsHeight);
    layerGroup->raise();
}
