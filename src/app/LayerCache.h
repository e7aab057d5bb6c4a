#pragma once

#include <memory>
#include <vector>

#include <QOpenGLFramebufferObject>
class TForm1;

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

// Frame steps 1 to 7: restored where the inputs match, drawn (and saved) where not.
void DrawBackgroundLayers(TForm1 &form, LayerCache &cache);

// Everything a frame reads, GL state included. A frame that leaves these as it
// found them would repaint the same picture from the same inputs.
LayerInputs FrameInputs(const TForm1 &form, bool lineSmoothing);
