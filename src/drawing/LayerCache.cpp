#include "drawing/LayerCache.h"

#include <GL/gl.h>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>

#include "drawing/Frame.h"
#include "drawing/Grid.h"
#include "drawing/Pedal.h"
#include "drawing/PlotArea.h"
#include "drawing/Trace.h"
#include "drawing/TracePoints.h"
#include "drawing/VectorMarks.h"
#include "maths/Curves.h"
#include "maths/TypedCurve.h"
#include "model/PlotState.h"

namespace {

// Tells every curve from every other: the built-in ones by their kind, a
// typed one by its serial number.
double CurveIdentity(const CurveRow *curve)
{
    if (!curve)
        return -1;
    return curve->typed ? 1000.0 + double(curve->typed->Serial()) : double(int(curve->kind));
}

}  // namespace

// What the grey clear, the drawing area, the grid or axes, the curve trace and
// the lightlike markers read: the one list of their inputs.
LayerInputs CurveLayerInputs(const Frame &frame, bool lineSmoothing)
{
    return {double(frame.pictureWidth),
            double(frame.pictureHeight),
            frame.pixelRatio,
            double(frame.client.width),
            double(frame.client.height),
            plot.xMin,
            plot.xMax,
            plot.yMin,
            plot.yMax,
            plot.unitPixels,
            plot.gridStepPixels,
            double(plot.plotWidthPixels),
            double(plot.plotHeightPixels),
            plot.originX,
            plot.originY,
            double(frame.grid),
            double(lineSmoothing),  // the grid's lines are rasterised with it
            double(frame.decimalPoint),
            double(frame.fontListBase),
            CurveIdentity(frame.curve),
            plot.tMin,
            plot.tMax,
            double(plot.minkowskiPlane)};
}

namespace {

FootState CurrentFoot()
{
    return {plot.footNumerator, plot.footDenominator, plot.footX, plot.footY};
}

void SetFoot(const FootState &foot)
{
    plot.footNumerator = foot.numerator;
    plot.footDenominator = foot.denominator;
    plot.footX = foot.x;
    plot.footY = foot.y;
}

// ... and what the pedal trace reads besides.
LayerInputs PedalLayerInputs(const LayerInputs &curveInputs)
{
    LayerInputs inputs = curveInputs;
    inputs.insert(inputs.end(), {plot.pedalX, plot.pedalY, double(plot.euclideanPlane)});
    return inputs;
}

void DrawCurveLayers(const Frame &frame, const CurveRow *curve, const TraceRoute &route)
{
    glClearColor(0.94f, 0.94f, 0.94f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawPlotArea(frame.client);
    UpdateOrigin(frame.client);
    SetLineWidth(plot.pixelRatio);  // grid and axes: one logical pixel
    if (frame.grid)
        DrawGrid(frame);
    else
        DrawAxes(frame);
    TraceCurve(curve, route);
    if (plot.minkowskiPlane)
        DrawLightlikePoints(curve);
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

void DrawBackgroundLayers(const Frame &frame, LayerCache &cache)
{
    const CurveRow *curve = frame.curve;
    // Feedback and selection modes rasterise nothing: there is no picture to save.
    GLint renderMode = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &renderMode);
    const TraceRoute route = TraceRouteOf(frame, renderMode == GL_RENDER);
    // A picture with no pixels (a window smaller than its panels) has nothing to save either.
    if (!cache.enabled || renderMode != GL_RENDER || FramebufferSize(frame).isEmpty() ||
        !QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) {
        DrawCurveLayers(frame, curve, route);
        DrawPedalCurve(curve, route);
        return;
    }
    // The inputs include this frame's scale and origin.
    ComputePlotArea(frame.client);
    UpdateOrigin(frame.client);
    const LayerInputs curveInputs = CurveLayerInputs(frame, glIsEnabled(GL_LINE_SMOOTH));
    const LayerInputs pedalInputs = PedalLayerInputs(curveInputs);
    if (Matches(cache.pedalLayers, pedalInputs)) {
        Restore(cache.pedalLayers, frame);
        SetFoot(cache.footAfterPedalTrace);
        return;
    }
    if (Matches(cache.curveLayers, curveInputs)) {
        Restore(cache.curveLayers, frame);
    } else {
        DrawCurveLayers(frame, curve, route);
        Save(cache.curveLayers, curveInputs, frame);
    }
    DrawPedalCurve(curve, route);
    if (pedalInputs == cache.lastPedalInputs) {
        Save(cache.pedalLayers, pedalInputs, frame);
        cache.footAfterPedalTrace = CurrentFoot();
    }
    cache.lastPedalInputs = pedalInputs;
}
