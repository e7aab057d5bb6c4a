#pragma once

#include "drawing/VectorPicture.h"

struct Frame;
struct LayerCache;

// Runs one frame in feedback mode in the current GL context (viewport and
// projection already set up as for a screen frame) and returns its shapes,
// clipped to the picture. The plot state is left as it was.
VectorPicture CaptureVectorFrame(const Frame &frame, LayerCache &cache);
