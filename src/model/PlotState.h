#pragma once

// Everything the program knows about the picture, in one record with one
// instance (`plot`). Stored values are IEEE single precision; every routine
// evaluates its expressions in double and rounds once when it stores.
struct PlotState {
    // View window, world units (moved by half units with the spinners).
    float xMin = -3.0f;
    float xMax = 3.0f;
    float yMin = -3.0f;
    float yMax = 3.0f;

    // Frame values, derived at the start of every frame.
    float gridXFrom = 0;
    float gridXTo = 0;
    float gridYFrom = 0;
    float gridYTo = 0;
    float unitPixels = 0;
    float gridStepPixels = 0;
    int plotWidthPixels = 0;
    int plotHeightPixels = 0;
    float originX = 0;
    float originY = 0;
    // Device pixels per logical pixel: point sizes and line widths are given
    // in logical pixels and drawn at this multiple.
    float pixelRatio = 1;

    // Curve parameter.
    float tMin = 0;
    float tMax = 6.2831854820251465f;  // single-precision 2 pi
    float currentT = 0;
    float tStep = float(0.05);

    // Pedal point P, world units.
    float pedalX = 0;
    float pedalY = 0;

    // Last foot evaluation; kept when an evaluation cannot divide.
    float footNumerator = 0;
    float footDenominator = 0;
    float footX = 0;
    float footY = 0;

    // Switches; the plane pair always has exactly one true.
    bool euclideanPlane = true;
    bool minkowskiPlane = false;
    bool animationForward = true;

    // Client position of the last mouse-button press.
    int mouseX = 0;
    int mouseY = 0;
};

extern PlotState plot;

// Puts every value back to its initial value (used when a window starts afresh).
void ResetPlotState();
