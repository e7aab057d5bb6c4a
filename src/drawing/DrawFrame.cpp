#include "drawing/DrawFrame.h"

#include <GL/gl.h>

#include "drawing/LayerCache.h"
#include "drawing/Pedal.h"
#include "drawing/Primitives.h"
#include "maths/Curves.h"
#include "model/PlotState.h"

bool ShowsConstruction(const Frame &frame)
{
    return frame.tangentAndNormal || frame.selectedPoint || frame.animation;
}

void DrawFrame(const Frame &frame, LayerCache &cache)
{
    plot.pixelRatio = float(frame.pixelRatio);
    DrawBackgroundLayers(frame, cache);
    const CurveRow *curve = frame.curve;
    if (ShowsConstruction(frame))
        DrawPedalConstruction(frame, curve);
    if (frame.singularTangents)
        DrawSingularTangents(curve);
    DrawPedalPoint();
    glFlush();
}
