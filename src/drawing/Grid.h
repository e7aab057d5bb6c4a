#pragma once

#include "drawing/Frame.h"

// The grid of half units with its labels, or the two axes with a 0 each,
// over the drawing area of the frame.
void DrawGrid(const Frame &frame);
void DrawAxes(const Frame &frame);
