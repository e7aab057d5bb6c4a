#pragma once

struct CurveRow;

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

// What a frame takes from the window, read once at its start: the drawing
// never reaches into a widget.
struct Frame {
    ClientSize client{0, 0};
    // The picture's framebuffer (the layer cache copies to and from it).
    unsigned framebuffer = 0;
    int pictureWidth = 0;  // logical pixels
    int pictureHeight = 0;
    double pixelRatio = 1;
    // The display toggles.
    bool grid = true;
    bool tangentAndNormal = false;
    bool selectedPoint = false;
    bool singularTangents = false;
    bool animation = false;
    const CurveRow *curve = nullptr;  // the curve shown; null: none
    unsigned fontListBase = 0;
    unsigned short decimalPoint = '.';  // of the locale the labels are written in
    TraceHandling traceHandling;
};
