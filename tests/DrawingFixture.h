#pragma once

#include <gtest/gtest.h>
#include <vector>

#include "TestSupport.h"

// Drawing routines tested on their own: they need the window (its size and
// controls, through Form1; built once, never shown) and a current GL context
// with the client-pixel projection of the designed client area.
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
    // Feedback of one call, with room for a whole trace (8 floats per point).
    static std::vector<FeedbackPrimitive> Record(void (*draw)(float), float curveIndex);
    // Window pixels back to world units with the origin the drawing used.
    static WorldPoint ToWorld(const FeedbackVertex &v);
    static bool HasColour(const FeedbackVertex &v, double r, double g, double b);

private:
    static ScratchContext *context;
};

enum class Plane { Euclidean, Minkowski };
void Select(Plane plane);
const char *Name(Plane plane);
