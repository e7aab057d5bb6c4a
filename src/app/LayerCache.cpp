#include "app/LayerCache.h"

#include <QCheckBox>
#include <QLocale>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <GL/gl.h>

#include "app/Form1.h"
#include "app/PictureBox.h"
#include "app/PlotState.h"
#include "controls/Adapters.h"
#include "curves/Catalogue.h"
#include "curves/Trace.h"
#include "frame/Grid.h"
#include "frame/PlotArea.h"
#include "pedal/Foot.h"
#include "pedal/Pedal.h"

namespace {

// What the grey clear, the drawing area, the grid or axes, the curve trace and
// the lightlike markers read: the one list of their inputs.
LayerInputs CurveLayerInputs(const TForm1 &form, bool lineSmoothing)
{
    const TPictureBox &picture = *form.Picture;
    return {double(picture.width()),
            double(picture.height()),
            picture.devicePixelRatioF(),
            double(form.ClientWidth()),
            double(form.ClientHeight()),
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
            double(form.CheckBox1->isChecked()),
            double(lineSmoothing),  // the grid's lines are rasterised with it
            double(QLocale().decimalPoint().at(0).unicode()),
            double(form.fontListBase),
            double(form.ComboBox1->currentIndex()),
            plot.tMin,
            plot.tMax,
            double(plot.minkowskiPlane)};
}

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

// The pedal trace starts from the foot the last evaluation left when it has
// no sample, no curve, or no foot at its first sample.
bool PedalTraceReadsLastFoot(float curveIndex)
{
    const int k = CurveNumber(curveIndex);
    if (!(plot.tMin < plot.tMax) || k < 0)
        return true;
    const FootState before = CurrentFoot();
    ComputeFoot(curveIndex, plot.tMin);
    const bool wroteFoot = k == 0 || plot.footDenominator != 0;
    SetFoot(before);
    return !wroteFoot;
}

// ... and what the pedal trace reads besides.
LayerInputs PedalLayerInputs(const LayerInputs &curveInputs, float curveIndex)
{
    LayerInputs inputs = curveInputs;
    inputs.insert(inputs.end(), {plot.pedalX, plot.pedalY, double(plot.euclideanPlane)});
    if (PedalTraceReadsLastFoot(curveIndex))
        inputs.insert(inputs.end(), {plot.footNumerator, plot.footDenominator, plot.footX, plot.footY});
    return inputs;
}

void DrawCurveLayers(const TForm1 &form, float curveIndex)
{
    glClearColor(0.94f, 0.94f, 0.94f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawPlotArea();
    UpdateOrigin();
    glLineWidth(plot.pixelRatio);  // grid and axes: one logical pixel
    if (form.CheckBox1->isChecked())
        DrawGrid();
    else
        DrawAxes();
    TraceCurve(curveIndex);
    if (plot.minkowskiPlane)
        DrawLightlikePoints(curveIndex);
}

// Copies a whole picture between framebuffers; the picture's own stays bound.
void Blit(GLuint from, GLuint to, const QSize &size, GLuint picture)
{
    QOpenGLExtraFunctions *gl = QOpenGLContext::currentContext()->extraFunctions();
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
    gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
    gl->glBlitFramebuffer(0, 0, size.width(), size.height(), 0, 0, size.width(), size.height(),
                          GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, picture);
}

QSize FramebufferSize(const TPictureBox &picture)
{
    return picture.size() * picture.devicePixelRatioF();
}

void Save(SavedLayers &saved, const LayerInputs &inputs, const TPictureBox &picture)
{
    const QSize size = FramebufferSize(picture);
    if (!saved.image || saved.image->size() != size)
        saved.image = std::make_unique<QOpenGLFramebufferObject>(size);
    const GLuint own = picture.defaultFramebufferObject();
    Blit(own, saved.image->handle(), size, own);
    saved.inputs = inputs;
    saved.valid = true;
}

bool Matches(const SavedLayers &saved, const LayerInputs &inputs)
{
    return saved.valid && saved.inputs == inputs;
}

// The restored picture replaces steps 1 on; the GL state is left as the
// skipped layers would leave it.
void Restore(const SavedLayers &saved, const TPictureBox &picture)
{
    const GLuint own = picture.defaultFramebufferObject();
    Blit(saved.image->handle(), own, FramebufferSize(picture), own);
    glClear(GL_DEPTH_BUFFER_BIT);
    glPointSize(float(1.1 * plot.pixelRatio));
    glEnable(GL_POINT_SMOOTH);
    glColor3f(1, 0, 0);
}

}  // namespace

void DrawBackgroundLayers(TForm1 &form, LayerCache &cache)
{
    const float curveIndex = float(form.ComboBox1->currentIndex());
    // Feedback and selection modes rasterise nothing: there is no picture to save.
    GLint renderMode = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &renderMode);
    // A picture with no pixels (a window smaller than its panels) has nothing to save either.
    if (!cache.enabled || renderMode != GL_RENDER || FramebufferSize(*form.Picture).isEmpty() ||
        !QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) {
        DrawCurveLayers(form, curveIndex);
        DrawPedalCurve(curveIndex);
        return;
    }
    // The inputs include this frame's scale and origin.
    ComputePlotArea();
    UpdateOrigin();
    const LayerInputs curveInputs = CurveLayerInputs(form, glIsEnabled(GL_LINE_SMOOTH));
    const LayerInputs pedalInputs = PedalLayerInputs(curveInputs, curveIndex);
    if (Matches(cache.pedalLayers, pedalInputs)) {
        Restore(cache.pedalLayers, *form.Picture);
        SetFoot(cache.footAfterPedalTrace);
        return;
    }
    if (Matches(cache.curveLayers, curveInputs)) {
        Restore(cache.curveLayers, *form.Picture);
    } else {
        DrawCurveLayers(form, curveIndex);
        Save(cache.curveLayers, curveInputs, *form.Picture);
    }
    DrawPedalCurve(curveIndex);
    if (pedalInputs == cache.lastPedalInputs) {
        Save(cache.pedalLayers, pedalInputs, *form.Picture);
        cache.footAfterPedalTrace = CurrentFoot();
    }
    cache.lastPedalInputs = pedalInputs;
}

LayerInputs FrameInputs(const TForm1 &form, bool lineSmoothing)
{
    LayerInputs inputs = CurveLayerInputs(form, lineSmoothing);
    inputs.insert(inputs.end(),
                  {plot.gridXFrom, plot.gridXTo, plot.gridYFrom, plot.gridYTo, plot.currentT, plot.pedalX, plot.pedalY,
                   plot.footNumerator, plot.footDenominator, plot.footX, plot.footY, double(plot.euclideanPlane),
                   double(form.CheckBox2->isChecked()), double(form.CheckBox3->isChecked()),
                   double(form.CheckBox4->isChecked()), double(form.CheckBox7->isChecked()),
                   double(form.TrackBar1->Min()), double(form.TrackBar1->Max()),
                   double(form.TrackBar1->Position())});
    return inputs;
}
