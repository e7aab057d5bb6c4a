#pragma once

#include "drawing/Frame.h"
#include "drawing/LayerCache.h"

class TForm1;

// What the frame takes from the window's controls, read without changing them.
Frame ReadFrame(const TForm1 &form);

// The track bar stores the selected parameter in hundredths: keep its range
// equal to the parameter range (Max first, then Min) and take the parameter
// from its position. A frame does this when it shows the construction.
void SelectedPointFromTrackBar(TForm1 &form);

// The frame a paint draws: read from the controls, with the selected
// parameter taken from the track bar where the frame shows the construction.
Frame PrepareFrame(TForm1 &form);

// One frame: the selected parameter, the picture, and the labels of P and t.
void RenderScene(TForm1 &form);

// Everything a frame reads, GL state included. A frame that leaves these as it
// found them would repaint the same picture from the same inputs.
LayerInputs FrameInputs(const TForm1 &form, bool lineSmoothing);
