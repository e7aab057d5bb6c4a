// The toggles of the layers and the plane boxes. Each layer with a toggle has
// a check box (the window's designed ones, or one in the group of layers)
// or, where the group is full, a checkable entry in the picture's menu; the
// two plane boxes act as an exclusive pair.
#include <QAction>
#include <QCheckBox>
#include <QSpinBox>

#include "window/MainWindow.h"
#include "window/PictureBox.h"

namespace {

// The designed check box of a layer, where the window has one. The singular
// tangents' box has no handler of its own: the next tick shows its change.
struct DesignedBox {
    const char *id;
    QCheckBox *box;
    bool redraws;
};

DesignedBox DesignedBoxOf(const MainWindow &form, const std::string &id)
{
    const DesignedBox boxes[] = {{"grid", form.gridCheck, true},
                                 {"tangentAndNormal", form.tangentNormalCheck, true},
                                 {"selectedPoint", form.selectedPointCheck, true},
                                 {"singularTangents", form.singularTangentsCheck, false}};
    for (const DesignedBox &box : boxes) {
        if (id == box.id)
            return box;
    }
    return {nullptr, nullptr, true};
}

}  // namespace

void MainWindow::SetLayers(LayerList list)
{
    layers = std::move(list);
    ConnectToggles();
    Redraw();
}

void MainWindow::ConnectToggles()
{
    for (const LayerToggle &toggle : toggles) {
        if (toggle.box)
            toggle.box->disconnect(this);
        if (toggle.box && toggle.box->parent() == layerGroup)
            delete toggle.box;
        delete toggle.entry;
    }
    if (!layerGroup)
        BuildLayerGroup();
    toggles.clear();
    for (const Layer &layer : layers) {
        if (!layer.HasToggle())
            continue;
        const std::string id = layer.id;
        DesignedBox designed = DesignedBoxOf(*this, id);
        if (!designed.box)
            designed.box = AddToLayerGroup(layer);
        LayerToggle toggle{id, designed.box, nullptr};
        if (toggle.box) {
            // The scene follows the box; a click redraws at once where the
            // box has a handler, otherwise the next frame shows the change.
            connect(toggle.box, &QCheckBox::toggled, this, [this, id](bool on) { scene.Show(id, on); });
            if (designed.redraws)
                connect(toggle.box, &QCheckBox::clicked, this,
                        [this, id](bool on) { RunHandler([&] { LayerToggled(id, on); }); });
        } else {
            toggle.entry = new QAction(layer.caption, Picture);
            toggle.entry->setCheckable(true);
            connect(toggle.entry, &QAction::triggered, this,
                    [this, id](bool on) { RunHandler([&] { LayerToggled(id, on); }); });
            Picture->addAction(toggle.entry);
        }
        toggles.push_back(toggle);
    }
    ShowToggles();
}

void MainWindow::LayerToggled(const std::string &id, bool on)
{
    scene.Show(id, on);
    ShowToggles();
    Redraw();
}

void MainWindow::ShowToggles()
{
    for (const LayerToggle &toggle : toggles) {
        const bool on = scene.Shows(toggle.id);
        if (toggle.box && toggle.box->isChecked() != on)
            toggle.box->setChecked(on);
        if (toggle.entry)
            toggle.entry->setChecked(on);
    }
    const bool minkowski = scene.plane == Plane::Minkowski;
    if (euclideanCheck->isChecked() == minkowski)
        euclideanCheck->setChecked(!minkowski);
    if (minkowskiCheck->isChecked() != minkowski)
        minkowskiCheck->setChecked(minkowski);
    if (animationCheck->isChecked() != scene.animation)
        animationCheck->setChecked(scene.animation);
    pedalStagesSpin->setValue(scene.pedalStages);
}

namespace {

// The plane is written before the other box is touched, so a re-entrant
// click report from that box computes the same plane and stops there.
void SelectPlane(Scene &scene, bool euclidean, QCheckBox *otherBox, bool otherChecked)
{
    scene.plane = euclidean ? Plane::Euclidean : Plane::Minkowski;
    if (otherBox->isChecked() != otherChecked)
        otherBox->setChecked(otherChecked);
}

}  // namespace

void MainWindow::EuclideanClick()
{
    const bool checked = euclideanCheck->isChecked();
    SelectPlane(scene, checked, minkowskiCheck, !checked);
    Redraw();
}

void MainWindow::MinkowskiClick()
{
    const bool checked = minkowskiCheck->isChecked();
    SelectPlane(scene, !checked, euclideanCheck, !checked);
    Redraw();
}
