#pragma once

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "drawing/Frame.h"
#include "drawing/StandardLayers.h"
#include "maths/Curves.h"
#include "maths/Foot.h"

class MainWindow;

// Drawing routines tested on their own, fed as a frame feeds them: a scene, a
// geometry, the client area of the designed window (through a window built
// once, never shown) and a current GL context with the client-pixel
// projection of that area.
struct WorldPoint {
    double x, y;
};

class DrawingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // The scene drawn and the frame's mapping; each test starts from a fresh
    // scene and a -3..3 view window at the initial scale.
    static Scene scene;
    static FrameGeometry at;
    static MainWindow *form;

    static void Select(Plane plane) { scene.plane = plane; }
    // The mapping of a -3..3 view window drawn at `unit` pixels per unit.
    static void SetScale(float unit);
    // The frame of the scene with the curve of a list index (anything else:
    // no curve), with its origin derived from the mapping.
    static Frame FrameFor(float curveIndex);
    // Feedback of one layer's routine, with room for a whole trace (8 floats per point).
    static std::vector<FeedbackPrimitive> Record(void (*draw)(const Frame &), float curveIndex);
    // The construction's layers (selected point, tangent and normal) as the
    // frame draws them, after the selected parameter is taken from its hundredths.
    static std::vector<FeedbackPrimitive> RecordConstruction(float curveIndex);
    // The foot of the scene's P for the curve of a list index at t.
    static Foot FootAtIndex(float curveIndex, float t);
    // Window pixels back to world units with the origin the drawing used.
    static WorldPoint ToWorld(const FeedbackVertex &v);
    static bool HasColour(const FeedbackVertex &v, double r, double g, double b);

    // Anything drawn, after the frame's origin is derived.
    static std::vector<FeedbackPrimitive> Record(const std::function<void()> &draw);

private:
    static ScratchContext *context;
    static LayerList layers;
};

const char *Name(Plane plane);
