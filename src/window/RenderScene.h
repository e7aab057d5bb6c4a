#pragma once

#include "drawing/Frame.h"
#include "drawing/LayerCache.h"

class TForm1;

// The frame of the window's scene at its picture's size.
Frame ReadFrame(const TForm1 &form);

// The frame a paint draws: the selected parameter taken from its hundredths
// where the frame shows the selected point, then read.
Frame PrepareFrame(TForm1 &form);

// One frame: the selected parameter, the picture, and the labels of P and t.
void RenderScene(TForm1 &form);

// Everything a frame is drawn from. A frame from the same inputs is the same picture.
LayerInputs FrameInputs(const TForm1 &form);
