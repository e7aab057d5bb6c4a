#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "model/NumberText.h"

struct Frame;
struct Scene;

// What the layer cache compares to tell whether a saved picture still holds.
using LayerInputs = std::vector<double>;

// Which saved picture of the layer cache holds a layer: the layers that
// change seldom are restored instead of rasterised again. Layers are listed
// in this order: first those kept with the curve, then those kept while P
// stays, then those drawn every frame.
// One line of the readout: a name and its values, written "Q ( x , y )" for
// two values, "Curvature k" for one and the name alone for none. Values are
// worked out once and written as often as needed (to the digits the picture
// resolves, and in full).
struct ReadoutLine {
    QString name;
    std::vector<double> values;
    QString Text(const ReadableDigits &digits) const;
};
using ReadoutLines = std::vector<ReadoutLine>;

enum class LayerReuse { WithCurve, WhileBelowStays, EveryFrame };

struct LayerColour {
    float r, g, b;
};

// One drawn thing of the picture, in drawing order: later layers lie on top.
// The frame, the layer cache, the session, the controls and the readout loop
// over the list, so adding a layer is adding an entry and its routine.
struct Layer {
    std::string id;   // the scene's and the session's name for it
    QString caption;  // its toggle ("Draw grid"); empty: no toggle, always drawn
    LayerColour colour;
    LayerReuse reuse;
    // What the layer reads beyond the picture's size and mapping, as numbers
    // (its saved picture is reused only while they stay); null: nothing.
    LayerInputs (*cacheKey)(const Frame &frame) = nullptr;
    // Whether the frame draws it; null: while its toggle is on (always,
    // without a toggle).
    bool (*drawn)(const Frame &frame) = nullptr;
    void (*draw)(const Frame &frame) = nullptr;
    // Its lines of the readout at the selected point; null: none.
    ReadoutLines (*readout)(const Scene &scene) = nullptr;
    // It draws smoothed lines. The grid's lines are smoothed too while such
    // a layer is drawn, so that every line of a picture is drawn alike.
    bool smoothLines = false;
    // Its construction at the selected point, drawn every frame above the
    // kept layers while the layer is drawn; null: none.
    void (*construction)(const Frame &frame) = nullptr;

    bool HasToggle() const { return !caption.isEmpty(); }
    bool DrawnIn(const Frame &frame) const;
};

using LayerList = std::vector<Layer>;

// Whether the scene shows anything at the selected point: the selected
// point, the tangent and normal, or the animation.
bool ShowsSelectedPoint(const Scene &scene);
// A frame that shows the selected point takes its parameter from the
// hundredths the scene keeps it in, after fitting their range to the
// parameter range (Max first, then Min).
void TakeSelectedPoint(Scene &scene);
// The same, whatever the scene shows.
void FitSelectedPoint(Scene &scene);

// Whether a layer drawn in this frame draws smoothed lines.
bool SmoothsLines(const Frame &frame);

// The constructions of the frame's layers, in list order, while the scene
// shows the selected point.
void DrawConstructions(const Frame &frame);

// The ids of the layers that have a toggle, in list order.
std::vector<std::string> ToggleIds(const LayerList &layers);
// The layer of an id, or null.
const Layer *LayerOf(const LayerList &layers, const std::string &id);
// The readout's lines at the selected point, layer by layer.
ReadoutLines ReadoutOf(const LayerList &layers, const Scene &scene);
