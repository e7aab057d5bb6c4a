#pragma once

#include <memory>
#include <vector>

#include <QOpenGLFramebufferObject>

struct Frame;

// Saved pictures of the layers that change seldom, so that a frame whose
// inputs to them are unchanged restores them instead of rasterising a hundred
// thousand smoothed points again. Two levels: everything up to the lightlike
// markers (kept while only P moves), and everything up to the pedal trace.
// The picture is the same pixel for pixel either way.
using LayerInputs = std::vector<double>;

struct SavedLayers {
    std::unique_ptr<QOpenGLFramebufferObject> image;
    LayerInputs inputs;
    bool valid = false;
};

// The last foot evaluation, which the pedal trace leaves behind for the construction.
struct FootState {
    float numerator, denominator, x, y;
};

struct LayerCache {
    SavedLayers curveLayers;  // clear, drawing area, grid or axes, curve, markers
    SavedLayers pedalLayers;  // the above and the pedal trace
    FootState footAfterPedalTrace{};
    // The pedal layers are saved only when a frame finds the same inputs as
    // the frame before: while P is dragged each frame has a new pedal curve,
    // and saving it would only cost time.
    LayerInputs lastPedalInputs;
    bool enabled = true;
};

// Clear, drawing area, grid or axes, curve, lightlike markers and pedal
// curve: restored where the inputs match, drawn (and saved) where not. The
// frame's scale and origin are derived here, once.
void DrawBackgroundLayers(const Frame &frame, LayerCache &cache);

// What the background layers read, GL state included.
LayerInputs CurveLayerInputs(const Frame &frame, bool lineSmoothing);
