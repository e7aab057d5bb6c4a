#pragma once

#include <memory>
#include <set>
#include <string>

// A curve of the maths layer; the scene shares it and never looks into it.
struct CurveRow;

enum class Plane { Euclidean, Minkowski };

constexpr int MostPedalStages = 5;

// The selected point's store in hundredths of t, as its track bar shows it.
// Every position is clamped into [min, max]; a min set above max carries max
// along (and the reverse), so setting the two ends in either order ends in
// the intended range.
struct HundredthsTrack {
    int min = 0;
    int max = 628;
    int position = 0;

    void SetMin(int value);
    void SetMax(int value);
    void SetPosition(int value);
    // A position reached by a step of any size: truncated toward zero and
    // clamped into the range before it becomes an integer.
    void SetPositionTruncated(double value);
    bool operator==(const HundredthsTrack &o) const { return min == o.min && max == o.max && position == o.position; }
};

// Everything the picture and the controls show, as one value: the window owns
// the current one, every control edits it and shows it, and a frame is drawn
// from it. Stored numbers are IEEE single precision; routines evaluate in
// double and round once when they store.
struct Scene {
    // View window, world units (moved by half units with the spinners).
    float xMin = -3;
    float xMax = 3;
    float yMin = -3;
    float yMax = 3;

    std::shared_ptr<const CurveRow> curve;  // shared and immutable; null: none

    // Curve parameter: the range, the selected parameter and its store in
    // hundredths (a frame showing the construction takes it from there), and
    // the step of the spinner and the animation.
    float tMin = 0;
    float tMax = 6.2831854820251465f;  // single-precision 2 pi
    float currentT = 0;
    HundredthsTrack track;
    float tStep = float(0.05);

    // Pedal point P, world units.
    float pedalX = 0;
    float pedalY = 0;

    Plane plane = Plane::Euclidean;

    // How many times the iterated pedal takes the pedal curve, 1 to MostPedalStages.
    int pedalStages = 2;

    // The layers the user has turned on, by id; a layer without a toggle is
    // always drawn.
    std::set<std::string> shown = {"grid"};
    bool Shows(const std::string &id) const { return shown.count(id) != 0; }
    void Show(const std::string &id, bool on);

    // The animation bounces the selected point between the ends of the range.
    bool animation = false;
    bool animationForward = true;
};

// One tick of the animation (every 100 ms in the window): the selected point
// moves by a hundred steps' worth of hundredths towards the end it runs to;
// each end is shown on two ticks, as the turn itself does not move.
constexpr int AnimationTickMs = 100;
void StepAnimation(Scene &scene);

bool operator==(const Scene &a, const Scene &b);
inline bool operator!=(const Scene &a, const Scene &b)
{
    return !(a == b);
}
