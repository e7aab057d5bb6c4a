#include "drawing/LayerCache.h"

#include <GL/gl.h>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>

#include "drawing/Frame.h"
#include "drawing/PlotArea.h"

namespace {

// What every layer reads: the picture's size and the frame's mapping.
LayerInputs PictureInputs(const Frame &frame)
{
    const FrameGeometry &at = frame.at;
    return {double(frame.pictureWidth),
            double(frame.pictureHeight),
            frame.pixelRatio,
            double(frame.client.width),
            double(frame.client.height),
            frame.scene.xMin,
            frame.scene.xMax,
            frame.scene.yMin,
            frame.scene.yMax,
            at.unitPixels,
            at.gridStepPixels,
            double(at.plotWidthPixels),
            double(at.plotHeightPixels),
            at.originX,
            at.originY};
}

void AppendLevel(const Frame &frame, LayerReuse level, LayerInputs &inputs)
{
    if (!frame.layers)
        return;
    for (const Layer &layer : *frame.layers) {
        if (layer.reuse != level)
            continue;
        const bool drawn = layer.DrawnIn(frame);
        inputs.push_back(double(drawn));
        if (drawn && layer.cacheKey) {
            const LayerInputs own = layer.cacheKey(frame);
            inputs.insert(inputs.end(), own.begin(), own.end());
        }
    }
}

}  // namespace

LayerInputs LevelInputs(const Frame &frame, LayerReuse level)
{
    LayerInputs inputs = PictureInputs(frame);
    for (LayerReuse below : {LayerReuse::WithCurve, LayerReuse::WhileBelowStays, LayerReuse::EveryFrame}) {
        AppendLevel(frame, below, inputs);
        if (below == level)
            break;
    }
    return inputs;
}

void DrawLevel(const Frame &frame, LayerReuse level)
{
    if (!frame.layers)
        return;
    for (const Layer &layer : *frame.layers) {
        if (layer.reuse == level && layer.DrawnIn(frame))
            layer.draw(frame);
    }
}

namespace {

// The grey clear and the white drawing area beneath every layer.
void DrawGround(const Frame &frame)
{
    glClearColor(0.94f, 0.94f, 0.94f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (HasDrawingArea(frame.scene))
        DrawWhiteArea(frame.client, frame.at);
}

void DrawCurveLevel(const Frame &frame)
{
    DrawGround(frame);
    DrawLevel(frame, LayerReuse::WithCurve);
}

// Copies a whole picture between framebuffers; the picture's own stays bound.
void Blit(GLuint from, GLuint to, const QSize &size, GLuint picture)
{
    QOpenGLExtraFunctions *gl = QOpenGLContext::currentContext()->extraFunctions();
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
    gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
    gl->glBlitFramebuffer(0, 0, size.width(), size.height(), 0, 0, size.width(), size.height(), GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, picture);
}

QSize FramebufferSize(const Frame &frame)
{
    return QSize(frame.pictureWidth, frame.pictureHeight) * frame.pixelRatio;
}

void Save(SavedLayers &saved, const LayerInputs &inputs, const Frame &frame)
{
    const QSize size = FramebufferSize(frame);
    if (!saved.image || saved.image->size() != size)
        saved.image = std::make_unique<QOpenGLFramebufferObject>(size);
    const GLuint own = frame.framebuffer;
    Blit(own, saved.image->handle(), size, own);
    saved.inputs = inputs;
    saved.valid = true;
}

bool Matches(const SavedLayers &saved, const LayerInputs &inputs)
{
    return saved.valid && saved.inputs == inputs;
}

// The restored picture replaces the layers it holds. The layers drawn after
// it set the GL state they need themselves.
void Restore(const SavedLayers &saved, const Frame &frame)
{
    const GLuint own = frame.framebuffer;
    Blit(saved.image->handle(), own, FramebufferSize(frame), own);
    glClear(GL_DEPTH_BUFFER_BIT);
}

}  // namespace

void DrawCachedLayers(const Frame &frame, LayerCache &cache)
{
    // Feedback and selection modes rasterise nothing: there is no picture to
    // save. Nor has a picture with no pixels (a window smaller than its panels).
    GLint renderMode = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &renderMode);
    if (!cache.enabled || renderMode != GL_RENDER || FramebufferSize(frame).isEmpty() ||
        !QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) {
        DrawCurveLevel(frame);
        DrawLevel(frame, LayerReuse::WhileBelowStays);
        return;
    }
    const LayerInputs curveInputs = LevelInputs(frame, LayerReuse::WithCurve);
    const LayerInputs pedalInputs = LevelInputs(frame, LayerReuse::WhileBelowStays);
    if (Matches(cache.pedalLayers, pedalInputs)) {
        Restore(cache.pedalLayers, frame);
        return;
    }
    if (Matches(cache.curveLayers, curveInputs)) {
        Restore(cache.curveLayers, frame);
    } else {
        DrawCurveLevel(frame);
        Save(cache.curveLayers, curveInputs, frame);
    }
    DrawLevel(frame, LayerReuse::WhileBelowStays);
    if (pedalInputs == cache.lastPedalInputs)
        Save(cache.pedalLayers, pedalInputs, frame);
    cache.lastPedalInputs = pedalInputs;
}
