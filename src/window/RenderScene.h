#pragma once

#include "drawing/Frame.h"
#include "drawing/LayerCache.h"

class MainWindow;

// The frame of the window's scene at its picture's size.
Frame ReadFrame(const MainWindow &form);

// The frame a paint draws: the selected parameter taken from its hundredths
// where the frame shows the selected point, then read.
Frame PrepareFrame(MainWindow &form);

// One frame: the selected parameter, the picture, and the labels of P and t.
void RenderScene(MainWindow &form);

// Everything a frame is drawn from. A frame from the same inputs is the same picture.
LayerInputs FrameInputs(const MainWindow &form);
