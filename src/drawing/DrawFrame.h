#pragma once

#include "drawing/Frame.h"

struct LayerCache;

// The whole picture: the frame's layers in order, those that change seldom
// restored from the cache where their inputs are unchanged.
void DrawFrame(const Frame &frame, LayerCache &cache);
