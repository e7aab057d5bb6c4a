#include "model/Scene.h"

#include <algorithm>
#include <cmath>

void HundredthsTrack::SetMin(int value)
{
    min = value;
    max = std::max(max, min);
    position = std::clamp(position, min, max);
}

void HundredthsTrack::SetMax(int value)
{
    max = value;
    min = std::min(min, max);
    position = std::clamp(position, min, max);
}

void HundredthsTrack::SetPosition(int value)
{
    position = std::clamp(value, min, max);
}

void HundredthsTrack::SetPositionTruncated(double value)
{
    const double inRange = std::clamp(std::trunc(value), double(min), double(max));
    if (!std::isnan(inRange))
        position = int(inRange);
}

void StepAnimation(Scene &scene)
{
    const double s = float(double(scene.tStep) * 100);
    HundredthsTrack &track = scene.track;
    const int position = track.position;
    if (scene.animationForward) {
        if (position == track.max)
            scene.animationForward = false;
        else
            track.SetPositionTruncated(position + s);
    } else {
        if (position == track.min)
            scene.animationForward = true;
        else
            track.SetPositionTruncated(position - s);
    }
}

void Scene::Show(const std::string &id, bool on)
{
    if (on)
        shown.insert(id);
    else
        shown.erase(id);
}

bool operator==(const Scene &a, const Scene &b)
{
    return a.xMin == b.xMin && a.xMax == b.xMax && a.yMin == b.yMin && a.yMax == b.yMax && a.curve == b.curve &&
           a.tMin == b.tMin && a.tMax == b.tMax && a.currentT == b.currentT && a.track == b.track &&
           a.tStep == b.tStep && a.pedalX == b.pedalX && a.pedalY == b.pedalY && a.plane == b.plane &&
           a.pedalStages == b.pedalStages && a.shown == b.shown && a.animation == b.animation &&
           a.animationForward == b.animationForward;
}
