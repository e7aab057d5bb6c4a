#pragma once

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

#include "TestSupport.h"
#include "window/MainWindow.h"

// A fresh Lumetra window at the designed size with its scene at its
// initial values. The timer is stopped so that frames come only from the
// test; tests of the timer start it again.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The picture of the current state (client pixel (x, y) is image pixel (x, y)).
    QImage Grab();
    // The picture's area as the display shows it once pending paints are done,
    // read back from the display server, in device pixels; only the part on
    // the screen, from the picture's top left corner.
    QImage OnScreen();
    // Every primitive of one RenderScene, in order, positions in client pixels.
    std::vector<FeedbackPrimitive> RecordFrame(int capacity = DefaultFeedbackCapacity);
    // Points (or lines) of one colour in a recorded frame.
    static std::vector<FeedbackPrimitive> OfColour(const std::vector<FeedbackPrimitive> &frame,
                                                   FeedbackPrimitive::Kind kind, float r, float g, float b);

    std::unique_ptr<MainWindow> form;
};

// Pixel colour as (r, g, b).
struct Rgb {
    int r, g, b;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
};
Rgb PixelAt(const QImage &image, int x, int y);
std::ostream &operator<<(std::ostream &out, const Rgb &c);
