#pragma once

class TForm1;

// Paints one complete frame, layer by layer, into the current GL context.
void RenderScene(TForm1 &form);
