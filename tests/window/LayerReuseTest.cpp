// Restoring the unchanged layers from their saved pictures must give exactly
// the frame a full redraw gives, pixel for pixel.
#include <GL/gl.h>
#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowFixture.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

namespace {

class LayerReuse : public WindowTest {
protected:
    // Everything a frame starts from: the scene (its track included) and
    // the line smoothing that earlier frames may have left on.
    struct Start {
        Scene state;
        bool lineSmoothing;
    };

    Start Now()
    {
        form->Picture->makeCurrent();
        const bool smoothing = glIsEnabled(GL_LINE_SMOOTH);
        form->Picture->doneCurrent();
        return {form->scene, smoothing};
    }

    QImage FrameFrom(const Start &start, bool reuse)
    {
        form->scene = start.state;
        form->Picture->makeCurrent();
        if (start.lineSmoothing)
            glEnable(GL_LINE_SMOOTH);
        else
            glDisable(GL_LINE_SMOOTH);
        form->Picture->doneCurrent();
        form->Picture->layers.enabled = reuse;
        form->Picture->Invalidate();
        form->Redraw();
        form->Picture->layers.enabled = true;
        return form->Picture->grabFramebuffer();
    }

    // Paints the next frame with the layers restored, then the same frame
    // from the same start in full, and compares every pixel.
    void ExpectSameFrame(const char *scene)
    {
        SCOPED_TRACE(scene);
        const Start start = Now();
        const long before = form->Picture->frameCount;
        const QImage reused = FrameFrom(start, true);
        const QImage full = FrameFrom(start, false);
        EXPECT_EQ(form->Picture->frameCount, before + 2);
        ASSERT_EQ(reused.size(), full.size());
        EXPECT_TRUE(reused == full) << "frames differ";
        reusedFrames += reused == full;
    }

    // The pedal layers are saved by the second frame that finds the same inputs.
    void SaveLayersOfThisScene()
    {
        form->Picture->Invalidate();
        form->Redraw();
        form->Picture->Invalidate();
        form->Redraw();
        ASSERT_TRUE(form->Picture->layers.pedalLayers.valid);
    }

    int reusedFrames = 0;
};

TEST_F(LayerReuse, EveryCurveInBothPlanesWithTheConstruction)
{
    form->scene.pedalX = 0.5f;
    form->scene.pedalY = -0.25f;
    for (int curve = 0; curve < 10; ++curve) {
        form->curveList->setCurrentIndex(curve);
        for (bool minkowski : {false, true}) {
            form->scene.plane = minkowski ? Plane::Minkowski : Plane::Euclidean;
            form->tangentNormalCheck->setChecked(curve % 2 == 0);
            form->selectedPointCheck->setChecked(curve % 2 == 1);
            form->singularTangentsCheck->setChecked(true);
            form->scene.track.SetPosition(curve == 9 ? 77 : 0);
            SaveLayersOfThisScene();
            form->scene.track.SetPosition(form->selectedPointTrack->Position() + 1);
            ExpectSameFrame("selected point moved");
            form->scene.pedalX = float(form->scene.pedalX + 0.125);
            ExpectSameFrame("pedal point moved");
        }
    }
    EXPECT_EQ(reusedFrames, 40);
}

// How the traces reach the GL changes no pixel: points that cannot light one
// left out, short draw calls and flushes, against every point in one call
// per trace. Every curve, both planes, the construction, and a view zoomed
// in so that most of each trace lies outside. (Thinning has a tolerance of
// its own.)
TEST_F(LayerReuse, HowTracesReachTheGlChangesNoPixel)
{
    form->scene.pedalX = 0.5f;
    form->scene.pedalY = -0.25f;
    TraceHandling unthinned;
    unthinned.thinningPixels = 0;
    const TraceHandling everyPointInOneCall{false, 0, 0, 0.0};
    auto frame = [&](const TraceHandling &handling) {
        form->Picture->traceHandling = handling;
        form->Picture->layers.enabled = false;  // every trace drawn anew
        form->Picture->Invalidate();
        const QImage picture = Grab();
        form->Picture->traceHandling = TraceHandling();
        form->Picture->layers.enabled = true;
        return picture;
    };
    for (int curve = 0; curve < 10; ++curve) {
        form->curveList->setCurrentIndex(curve);
        const bool minkowski = curve % 2 == 1;
        form->scene.plane = minkowski ? Plane::Minkowski : Plane::Euclidean;
        form->tangentNormalCheck->setChecked(curve % 3 == 0);
        form->singularTangentsCheck->setChecked(true);
        for (float half : {3.0f, 0.5f}) {
            form->scene.xMin = form->scene.yMin = -half;
            form->scene.xMax = form->scene.yMax = half;
            frame(unthinned);  // the line smoothing a construction leaves on is in both frames
            const QImage reference = frame(everyPointInOneCall);
            EXPECT_TRUE(frame(unthinned) == reference) << "curve " << curve << ", view half-width " << half;
        }
    }
}

TEST_F(LayerReuse, GridResizeViewWindowAndAnimation)
{
    SaveLayersOfThisScene();
    form->gridCheck->setChecked(false);
    ExpectSameFrame("grid off");
    form->gridCheck->setChecked(true);
    ExpectSameFrame("grid on again");
    form->resize(1200, 760);
    QTest::qWait(20);
    ExpectSameFrame("resized");
    form->scene.xMin = -2.5f;
    ExpectSameFrame("view window changed");
    form->scene.xMin = form->scene.xMax;
    ExpectSameFrame("empty view window");
    form->scene.xMin = -3;
    form->curveList->setCurrentIndex(2);
    form->animationCheck->setChecked(true);
    SaveLayersOfThisScene();
    for (int tick = 0; tick < 3; ++tick) {
        form->TimerTick();
        ExpectSameFrame("animation step");
    }
}

// The Minkowski parabola from t = -1 has no foot at its first sample: the
// trace draws nothing there, so no foot left by the construction, an earlier
// frame or another curve shows in it.
TEST_F(LayerReuse, AStartingSampleWithoutAFootDrawsNothing)
{
    form->curveList->setCurrentIndex(2);
    form->scene.tMin = -1;
    form->scene.tMax = 1;
    form->scene.plane = Plane::Minkowski;
    form->selectedPointCheck->setChecked(true);
    SaveLayersOfThisScene();
    form->scene.track.SetPosition(50);
    ExpectSameFrame("construction moved the last foot");
    const QImage first = Grab();
    // Another curve's feet, computed in between, do not show in it.
    form->curveList->setCurrentIndex(0);
    form->Redraw();
    form->curveList->setCurrentIndex(2);
    form->Picture->Invalidate();
    EXPECT_TRUE(Grab() == first);
}

TEST_F(LayerReuse, ADraggedPedalCurveIsNotSaved)
{
    SaveLayersOfThisScene();
    const LayerInputs saved = form->Picture->layers.pedalLayers.inputs;
    for (int step = 0; step < 3; ++step)
        form->FormMouseMove(420 + 7 * step, 180, true);
    EXPECT_EQ(form->Picture->layers.pedalLayers.inputs, saved);
    ExpectSameFrame("after the drag");
}

TEST_F(LayerReuse, AnUnchangedFrameIsNotPaintedAgain)
{
    form->Redraw();
    form->Redraw();
    const long painted = form->Picture->frameCount;
    for (int tick = 0; tick < 5; ++tick)
        form->TimerTick();
    EXPECT_EQ(form->Picture->frameCount, painted);
    EXPECT_EQ(form->Picture->redrawCount >= 5, true);
    form->scene.pedalX = 1;
    form->TimerTick();
    EXPECT_EQ(form->Picture->frameCount, painted + 1);
}

}  // namespace
