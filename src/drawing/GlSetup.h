#pragma once

// Fixed OpenGL state of every frame: white clear, depth test, hints and the
// client-pixel projection (one unit is one client pixel, y down).
void ClearWindow();
void SetupProjection(int clientWidth, int clientHeight);

// The picture widget is smaller than the client area and sits at its origin;
// this viewport keeps client pixel (x, y) at widget pixel (x, y).
void SetupViewport(int clientWidth, int clientHeight, int widgetHeight, double devicePixelRatio);
