#pragma once

#include "drawing/Frame.h"

struct LayerCache;

// The whole picture: background layers (restored from the cache where their
// inputs are unchanged), construction, singular tangents and P.
void DrawFrame(const Frame &frame, LayerCache &cache);

// Whether the frame shows the construction at the selected point.
bool ShowsConstruction(const Frame &frame);
