#pragma once

#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "TestSupport.h"
#include "drawing/Frame.h"
#include "drawing/TracePoints.h"
#include "maths/Curves.h"

// Drawing routines tested on their own, fed as a frame feeds them: with the
// window's frame value (its size and toggles, through Form1; built once, never
// shown), the origin of this frame, and a current GL context with the
// client-pixel projection of the designed client area.
struct WorldPoint {
    double x, y;
};

class DrawingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // The frame values of a -3..3 view window drawn at `unit` pixels per unit.
    static void SetScale(float unit);
    // Feedback of one call, with room for a whole trace (8 floats per point),
    // for the curve of a list index (anything else: no curve).
    static std::vector<FeedbackPrimitive> Record(void (*draw)(const CurveRow *), float curveIndex);
    // A dense trace, every point of it.
    static std::vector<FeedbackPrimitive> Record(void (*draw)(const CurveRow *, const TraceRoute &), float curveIndex);
    // The construction, after the selected parameter is taken from the track bar.
    static std::vector<FeedbackPrimitive> Record(void (*draw)(const Frame &, const CurveRow *), float curveIndex);
    // The foot the routines would keep for the curve of a list index at t.
    static void StoreFootAt(float curveIndex, float t);
    // Window pixels back to world units with the origin the drawing used.
    static WorldPoint ToWorld(const FeedbackVertex &v);
    static bool HasColour(const FeedbackVertex &v, double r, double g, double b);

    // Anything drawn, after the frame's origin is derived.
    static std::vector<FeedbackPrimitive> Record(const std::function<void()> &draw);

private:
    static ScratchContext *context;
};

void Select(Plane plane);
const char *Name(Plane plane);
