#include "window/AnimationExport.h"

#include <cmath>
#include <stdexcept>

#include "drawing/Layer.h"
#include "model/Session.h"
#include "window/OffscreenPicture.h"
#include "window/SessionFile.h"
#include "window/VideoFile.h"

int FrameCount(const AnimationPlan &plan)
{
    return std::max(1, int(std::lround(plan.seconds * plan.framesPerSecond)));
}

namespace {

std::vector<Scene> SelectedPointRunning(Scene scene, const AnimationPlan &plan)
{
    scene.animation = true;
    std::vector<Scene> scenes;
    long ticks = 0;
    for (int frame = 0; frame < FrameCount(plan); ++frame) {
        // The ticks that have passed by this frame's time, counted exactly.
        const long due = long(frame) * 1000 / (long(plan.framesPerSecond) * AnimationTickMs);
        for (; ticks < due; ++ticks)
            StepAnimation(scene);
        scenes.push_back(scene);
    }
    return scenes;
}

std::vector<Scene> PedalPointMoving(Scene scene, const AnimationPlan &plan, std::pair<double, double> to)
{
    const int count = FrameCount(plan);
    const double fromX = scene.pedalX, fromY = scene.pedalY;
    std::vector<Scene> scenes;
    for (int frame = 0; frame < count; ++frame) {
        const double along = count > 1 ? double(frame) / (count - 1) : 0;
        scene.pedalX = float(fromX + (to.first - fromX) * along);
        scene.pedalY = float(fromY + (to.second - fromY) * along);
        scenes.push_back(scene);
    }
    return scenes;
}

void CheckPlan(const Scene &start, const AnimationPlan &plan)
{
    if (!(plan.seconds > 0 && plan.seconds <= LongestAnimationSeconds))
        throw std::invalid_argument(QStringLiteral("an animation lasts more than 0 and at most %1 seconds")
                                        .arg(LongestAnimationSeconds)
                                        .toStdString());
    if (plan.framesPerSecond < 1 || plan.framesPerSecond > FastestAnimationFps)
        throw std::invalid_argument(
            QStringLiteral("an animation has 1 to %1 frames per second").arg(FastestAnimationFps).toStdString());
    Session session;
    StoreScene(start, session);
    const QString view = ViewProblem(session, OffscreenPicture::ClientFor(plan.size));
    if (!view.isEmpty())
        throw std::invalid_argument(QStringLiteral("at %1x%2 pixels %3")
                                        .arg(plan.size.width())
                                        .arg(plan.size.height())
                                        .arg(view)
                                        .toStdString());
}

}  // namespace

std::vector<Scene> AnimationScenes(const Scene &start, const AnimationPlan &plan)
{
    std::vector<Scene> scenes =
        plan.pedalTo ? PedalPointMoving(start, plan, *plan.pedalTo) : SelectedPointRunning(start, plan);
    // As the window's frames do, each takes its selected point from the hundredths.
    for (Scene &scene : scenes)
        TakeSelectedPoint(scene);
    return scenes;
}

bool ExportAnimation(const Scene &start, const AnimationPlan &plan, const QString &path,
                     const std::function<bool(int done, int total)> &progress)
{
    const VideoFormat format = VideoFormatOf(path);
    CheckPlan(start, plan);
    const std::vector<Scene> scenes = AnimationScenes(start, plan);
    VideoWriter writer(path, {plan.size, plan.framesPerSecond, format});
    OffscreenPicture picture(plan.size);
    for (const Scene &scene : scenes) {
        writer.Add(picture.Draw(scene));
        if (!progress(writer.FramesWritten(), int(scenes.size())))
            return false;
    }
    writer.Finish();
    return true;
}
