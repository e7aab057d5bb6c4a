#include "drawing/Layer.h"

#include "drawing/Frame.h"
#include "maths/Curves.h"

bool Layer::DrawnIn(const Frame &frame) const
{
    if (drawn)
        return drawn(frame);
    return !HasToggle() || frame.scene.Shows(id);
}

bool ShowsSelectedPoint(const Scene &scene)
{
    return scene.Shows("tangentAndNormal") || scene.Shows("selectedPoint") || scene.animation;
}

void TakeSelectedPoint(Scene &scene)
{
    if (ShowsSelectedPoint(scene))
        FitSelectedPoint(scene);
}

void FitSelectedPoint(Scene &scene)
{
    scene.track.SetMax(HundredthsOf(scene.tMax));
    scene.track.SetMin(HundredthsOf(scene.tMin));
    scene.currentT = float(double(scene.track.position) * 0.01);
}

bool SmoothsLines(const Frame &frame)
{
    if (!frame.layers)
        return false;
    for (const Layer &layer : *frame.layers) {
        if (layer.smoothLines && layer.DrawnIn(frame))
            return true;
    }
    return false;
}

void DrawConstructions(const Frame &frame)
{
    if (!frame.layers || !ShowsSelectedPoint(frame.scene))
        return;
    for (const Layer &layer : *frame.layers) {
        if (layer.construction && layer.DrawnIn(frame))
            layer.construction(frame);
    }
}

std::vector<std::string> ToggleIds(const LayerList &layers)
{
    std::vector<std::string> ids;
    for (const Layer &layer : layers) {
        if (layer.HasToggle())
            ids.push_back(layer.id);
    }
    return ids;
}

const Layer *LayerOf(const LayerList &layers, const std::string &id)
{
    for (const Layer &layer : layers) {
        if (layer.id == id)
            return &layer;
    }
    return nullptr;
}

QString ReadoutLine::Text(const ReadableDigits &digits) const
{
    if (values.size() == 2)
        return name + QStringLiteral(" ( ") + digits.Text(values[0]) + QStringLiteral(" , ") + digits.Text(values[1]) +
               QStringLiteral(" )");
    return values.empty() ? name : name + QLatin1Char(' ') + digits.Text(values.front());
}

ReadoutLines ReadoutOf(const LayerList &layers, const Scene &scene)
{
    ReadoutLines lines;
    for (const Layer &layer : layers) {
        if (!layer.readout)
            continue;
        const ReadoutLines own = layer.readout(scene);
        lines.insert(lines.end(), own.begin(), own.end());
    }
    return lines;
}
