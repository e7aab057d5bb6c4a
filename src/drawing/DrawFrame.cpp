#include "drawing/DrawFrame.h"

#include <GL/gl.h>

#include "drawing/Layer.h"
#include "drawing/LayerCache.h"

void DrawFrame(const Frame &frame, LayerCache &cache)
{
    DrawCachedLayers(frame, cache);
    DrawConstructions(frame);
    DrawLevel(frame, LayerReuse::EveryFrame);
    glFlush();
}
