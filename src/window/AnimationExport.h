#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "model/Scene.h"

// What an animation film shows and how: its picture size, length and frame
// rate, and either the window's animation (the selected point bouncing over
// the range, a step every tick) or the pedal point moving in a straight line
// from where it is to `pedalTo`, with the rest of the scene as it is.
struct AnimationPlan {
    QSize size{800, 450};
    double seconds = 10;
    int framesPerSecond = 25;
    std::optional<std::pair<double, double>> pedalTo;
};

constexpr double LongestAnimationSeconds = 600;
constexpr int FastestAnimationFps = 60;

// How many frames the film has: seconds times frames per second, at least one.
int FrameCount(const AnimationPlan &plan);

// The scene of each frame, in order. The window's animation is shown at the
// window's pace: a frame shows the ticks that have passed by its time.
std::vector<Scene> AnimationScenes(const Scene &start, const AnimationPlan &plan);

// Draws every frame as the window of that picture size draws it and writes
// the film by the file's suffix (.mp4, .webm, .gif). `progress` hears of each
// frame written and answers false to stop: then nothing is written (an older
// file stays) and the result is false. Throws std::runtime_error or
// std::invalid_argument with a one-line reason.
bool ExportAnimation(const Scene &start, const AnimationPlan &plan, const QString &path,
                     const std::function<bool(int done, int total)> &progress);
