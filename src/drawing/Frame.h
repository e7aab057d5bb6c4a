#pragma once

struct CurveRow;

// The client area of the window, in logical pixels; the projection maps one
// unit to one of its pixels.
struct ClientSize {
    int width;
    int height;
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
    // Trace points that cannot light a pixel of the picture are not handed to
    // the GL (the same picture, faster); off only to measure the difference.
    bool skipsUnseenPoints = true;
};
