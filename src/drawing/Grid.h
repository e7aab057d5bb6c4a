#pragma once

#include "drawing/Frame.h"

// The grid of half units with its labels where the scene shows it, otherwise
// the two axes with a 0 each, over the drawing area of the frame; one logical
// pixel wide, smoothed where other lines of the frame are.
void DrawGridOrAxes(const Frame &frame);
void DrawGrid(const Frame &frame);
void DrawAxes(const Frame &frame);
