#pragma once

#include <memory>

#include <QOpenGLFramebufferObject>

#include "drawing/Layer.h"

struct Frame;

// Saved pictures of the layers that change seldom, so that a frame whose
// inputs to them are unchanged restores them instead of rasterising a hundred
// thousand smoothed points again. Two levels: the layers kept with the curve
// (kept while only P moves), and those with the layers kept while the layers
// below stay. The picture is the same pixel for pixel either way.
struct SavedLayers {
    std::unique_ptr<QOpenGLFramebufferObject> image;
    LayerInputs inputs;
    bool valid = false;
};

struct LayerCache {
    SavedLayers curveLayers;  // clear, drawing area, and the layers kept with the curve
    SavedLayers pedalLayers;  // the above and the layers kept while they stay
    // The second level is saved only when a frame finds the same inputs as
    // the frame before: while P is dragged each frame has a new pedal curve,
    // and saving it would only cost time.
    LayerInputs lastPedalInputs;
    bool enabled = true;
};

// Clear, drawing area, and every layer but those drawn every frame: restored
// where the inputs match, drawn (and saved) where not.
void DrawCachedLayers(const Frame &frame, LayerCache &cache);

// What the layers of a level read, the picture's size and mapping included.
LayerInputs LevelInputs(const Frame &frame, LayerReuse level);

// The frame's layers of one level, in list order.
void DrawLevel(const Frame &frame, LayerReuse level);
