#pragma once

#include "drawing/WindowLayout.h"

#include <QLocale>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <memory>
#include <vector>

// Sets the system locale for number text for the life of the object.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale &locale);
    ~LocaleScope();

private:
    QLocale previous;
};
QLocale CommaLocale();  // German: decimal comma
QLocale PointLocale();  // US English: decimal point

// A current compatibility GL context on an offscreen surface, for tests of
// drawing routines that need no window. Its projection is the client-pixel
// one of a designed-size window.
class ScratchContext {
public:
    ScratchContext(int width = 1091, int height = 690);
    ~ScratchContext();

private:
    std::unique_ptr<QOffscreenSurface> surface;
    std::unique_ptr<QOpenGLContext> context;
};

// Vertices recorded through OpenGL feedback mode. Window coordinates with
// y turned back down (client pixels), plus the current colour of each.
struct FeedbackVertex {
    float x, y;
    float r, g, b, a;
};
struct FeedbackPrimitive {
    enum Kind { Point, Line, Polygon, Other } kind;
    std::vector<FeedbackVertex> vertices;
};
// Runs draw() in feedback mode on the current context whose surface height is
// surfaceHeight; returns every primitive in order (nothing if it overflowed).
// The initial frame (view window -3..3 in the designed window): the world
// origin at client pixel (405, 207) and 69 pixels per unit, as the layout's
// numbers give them.
constexpr int InitialOriginX = (DesignedClientWidth + OuterFrameWidth - AreaCentreInsetX) / 2;
constexpr int InitialOriginY = (DesignedClientHeight + OuterFrameHeight - AreaInsetY) / 2;
constexpr int InitialUnit = (DesignedClientHeight + OuterFrameHeight - AreaInsetY) / 6;
static_assert(InitialOriginX == 405 && InitialOriginY == 207 && InitialUnit == 69, "the designed window's frame");

constexpr int DefaultFeedbackCapacity = 16 * 1024 * 1024;  // floats
template <class Draw>
std::vector<FeedbackPrimitive> RecordFeedback(Draw &&draw, int surfaceHeight, int capacity = DefaultFeedbackCapacity);
std::vector<FeedbackPrimitive> ParseFeedback(const std::vector<float> &buffer, int used, int viewportHeight);
void FeedbackBegin(std::vector<float> &buffer, int capacity);
int FeedbackEnd();

template <class Draw>
std::vector<FeedbackPrimitive> RecordFeedback(Draw &&draw, int viewportHeight, int capacity)
{
    std::vector<float> buffer;
    FeedbackBegin(buffer, capacity);
    draw();
    int used = FeedbackEnd();
    if (used < 0)
        return {};
    return ParseFeedback(buffer, used, viewportHeight);
}
