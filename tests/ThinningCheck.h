#pragma once

#include <QImage>
#include <string>

class MainWindow;

// How a picture with thinned traces differs from the one with every trace
// point, for the curve's green and the pedal curve's red.
struct TraceDifference {
    // The largest share of a trace colour's pixels that differ (0.01: 1 %).
    double worstShare = 0;
    // Differing pixels with no pixel of their colour within one device pixel
    // in the other picture.
    long strayPixels = 0;
};
TraceDifference CompareTraces(const QImage &thinned, const QImage &everyPoint);

// Every built-in curve and three typed ones (or the built-in ones only), in
// both planes, with the construction and the singular tangents, at the start
// view, a view zoomed in and one zoomed out, with traces thinned to the given
// spacing in device pixels: the worst share and all the stray pixels.
struct ThinningScan {
    double worstShare = 0;
    long strayPixels = 0;
    std::string whereWorstShare;
    std::string whereStray;  // the last scene with a stray pixel
    int scenes = 0;
};
ThinningScan ScanThinning(MainWindow &form, double thinningPixels, bool builtInOnly = false);
