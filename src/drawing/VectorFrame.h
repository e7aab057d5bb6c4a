#pragma once

#include "drawing/VectorPicture.h"

struct Frame;
struct LayerCache;

// Runs one frame in feedback mode in the current GL context (viewport and
// projection already set up as for a screen frame) and returns its shapes,
// clipped to the picture.
VectorPicture CaptureVectorFrame(const Frame &frame, LayerCache &cache);
