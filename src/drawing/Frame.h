#pragma once

#include <vector>

#include "model/Scene.h"

struct Layer;

// The client area of the window, in logical pixels; the projection maps one
// unit to one of its pixels.
struct ClientSize {
    int width;
    int height;
};

// How the frame hands its trace points to the GL. The defaults are the
// fastest measured; the others exist only to measure against them. All but
// the thinning draw the same pixels.
struct TraceHandling {
    // Points that cannot light a pixel of the picture are left out.
    bool skipsUnseenPoints = true;
    // Mesa's software renderer spends time in the square of a draw call's
    // length: each time its small vertex buffer fills it resets every vertex
    // of the call (a third of the main thread for a long trace). So a trace
    // goes over in short draw calls. 0: one call per trace.
    int pointsPerDraw = 256;
    // A flush now and then lets the rasteriser's threads work on the points
    // so far while later ones are set up; a thinned trace is short, so this
    // comes often. 0: only at the frame's end.
    int pointsPerFlush = 2048;
    // A trace is a run of 1.1-pixel points, often a hundred to a pixel of its
    // length, and most light no pixel their neighbours do not. A point goes to
    // the GL only this many device pixels or more from the last one of its
    // trace that went; the first and last point of a run between gaps always
    // go. Between the points that go, the trace's edge loses a sliver the
    // dense points lit: at 0.05 fewer than 0.5 % of its pixels differ, each
    // next to one of its colour. 0: every point.
    double thinningPixels = 0.05;
};

// Where a frame maps the world: its scale, origin and grid, derived from the
// scene and the client size at the frame's start (see GeometryOf).
struct FrameGeometry {
    // Twice the view window's edges: the half units the grid may draw.
    float gridXFrom = 0;
    float gridXTo = 0;
    float gridYFrom = 0;
    float gridYTo = 0;
    float unitPixels = 0;  // whole pixels per world unit; 0: the view does not fit
    float gridStepPixels = 0;
    int plotWidthPixels = 0;
    int plotHeightPixels = 0;
    float originX = 0;  // the world origin, in client pixels
    float originY = 0;
    // Device pixels per logical pixel: point sizes and line widths are given
    // in logical pixels and drawn at this multiple.
    float pixelRatio = 1;
};

// What a frame is drawn from, read once at its start: the scene, the
// picture's size and pixel ratio, and the geometry derived from them. The
// drawing never reaches into a widget or a global.
struct Frame {
    Scene scene;
    const std::vector<Layer> *layers = nullptr;  // what the frame draws, in order
    ClientSize client{0, 0};
    // The picture's framebuffer (the layer cache copies to and from it).
    unsigned framebuffer = 0;
    int pictureWidth = 0;  // logical pixels
    int pictureHeight = 0;
    double pixelRatio = 1;
    FrameGeometry at;
    unsigned fontListBase = 0;
    unsigned short decimalPoint = '.';  // of the locale the labels are written in
    TraceHandling traceHandling;

    const CurveRow *Curve() const { return scene.curve.get(); }
};
