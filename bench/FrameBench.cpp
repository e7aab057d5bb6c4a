// Frame times on the display at hand (a virtual one with Mesa's software
// renderer in CI). Run: xvfb-run -a -s "-screen 0 1600x1200x24"
//   build-bench/bench/lumetra_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
//   --benchmark_enable_random_interleaving=true
// (interleaving spreads a virtual machine's noisy minutes over every variant).
#include <GL/gl.h>
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

#include "drawing/LayerCache.h"
#include "drawing/Pedal.h"
#include "maths/Curves.h"
#include "maths/Foot.h"
#include "maths/Sampling.h"
#include "maths/SceneFoot.h"
#include "maths/TypedCurve.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
#include "window/RenderScene.h"
#include "window/controls/Adapters.h"

namespace {

MainWindow *window = nullptr;

// The construction with it: tangent, normal and foot, and the singular tangents.
void ShowScene(int curve, float tMin, float tMax, bool construction)
{
    window->scene = Scene();
    window->curveList->setCurrentIndex(curve);
    window->scene.curve = window->CurveOfItem(curve);
    window->scene.tMin = tMin;
    window->scene.tMax = tMax;
    window->tangentNormalCheck->setChecked(construction);
    window->singularTangentsCheck->setChecked(construction);
}

// One complete RenderScene, finished by the GPU (or the rasteriser).
void RenderOnce()
{
    window->Picture->makeCurrent();
    RenderScene(*window);
    glFinish();
    window->Picture->doneCurrent();
}

void BM_Frame(benchmark::State &state, int curve, float tMin, float tMax, bool construction)
{
    ShowScene(curve, tMin, tMax, construction);
    window->Picture->layers.enabled = false;
    for (auto _ : state)
        RenderOnce();
    window->Picture->layers.enabled = true;
}

// The floor: the same samples of both traces computed without drawing.
void BM_SamplesOnly(benchmark::State &state, int curve, float tMin, float tMax)
{
    ShowScene(curve, tMin, tMax, false);
    for (auto _ : state) {
        double sum = 0;
        const CurveRow *row = CurveAt(curve);
        ForEachSample(tMin, tMax, [&](float t) { sum += CurvePosition(row->kind, t).x; });
        ForEachSample(tMin, tMax, [&](float t) { sum += FootAt(*row, window->scene, t).x; });
        benchmark::DoNotOptimize(sum);
    }
}

// The frame as the user gets it: the redraw, the toolkit's compositing and
// the rasteriser's finish.
void ShowFrame()
{
    QApplication::processEvents();
    window->Picture->makeCurrent();
    glFinish();
    window->Picture->doneCurrent();
}

// Reuse of unchanged layers on (true) or every frame drawn in full (false).
void UseLayers(bool reuse)
{
    window->Picture->layers.enabled = reuse;
}

void Redraw(bool reuse)
{
    if (!reuse)
        window->Picture->Invalidate();
    window->Redraw();
    ShowFrame();
}

void BM_IdleTick(benchmark::State &state, bool reuse)
{
    ShowScene(0, 0.0f, 6.2831855f, false);
    UseLayers(reuse);
    Redraw(true);
    for (auto _ : state) {
        if (!reuse)
            window->Picture->Invalidate();
        window->TimerTick();
        ShowFrame();
    }
    UseLayers(true);
}

void BM_AnimationStep(benchmark::State &state, int curve, float tMin, float tMax, bool reuse)
{
    ShowScene(curve, tMin, tMax, false);
    window->animationCheck->setChecked(true);
    UseLayers(reuse);
    Redraw(true);
    for (auto _ : state) {
        window->TimerTick();
        ShowFrame();
    }
    window->animationCheck->setChecked(false);
    UseLayers(true);
}

void BM_DragStep(benchmark::State &state, int curve, float tMin, float tMax, bool reuse, bool construction = false)
{
    ShowScene(curve, tMin, tMax, construction);
    UseLayers(reuse);
    Redraw(true);
    int step = 0;
    for (auto _ : state) {
        window->FormMouseMove(420 + (step++ % 2) * 7, 180, true);
        ShowFrame();
    }
    UseLayers(true);
}

// Dragging P with three of the pedal curve's relatives shown (all three
// follow P), against the same drag without them.
void BM_DragRelatives(benchmark::State &state, int curve, float tMin, float tMax, bool relatives)
{
    ShowScene(curve, tMin, tMax, false);
    for (const char *id : {"contrapedal", "orthotomic", "catacaustic"})
        window->scene.Show(id, relatives);
    Redraw(true);
    int step = 0;
    for (auto _ : state) {
        window->FormMouseMove(420 + (step++ % 2) * 7, 180, true);
        ShowFrame();
    }
    for (const char *id : {"contrapedal", "orthotomic", "catacaustic"})
        window->scene.Show(id, false);
}

const float twoPi = 6.2831855f;
// The typed circle and parabola sit after the ten built-in curves in the list.
const int typedCircle = 10;
const int typedParabola = 11;

// The window made 10 pixels wider and narrower in turn: a new framebuffer, the
// font lists rebuilt and a full frame shown each time.
void BM_Resize(benchmark::State &state)
{
    ShowScene(0, 0.0f, twoPi, false);
    Redraw(true);
    const QSize designed = window->size();
    int step = 0;
    for (auto _ : state) {
        window->resize(designed + QSize((step++ % 2) * 10, 0));
        ShowFrame();
    }
    window->resize(designed);
    ShowFrame();
}
BENCHMARK(BM_Resize)->Unit(benchmark::kMillisecond);

void BM_DragRenderOnly(benchmark::State &state, bool reuse)
{
    ShowScene(0, 0.0f, 6.2831855f, false);
    UseLayers(reuse);
    Redraw(true);
    int step = 0;
    for (auto _ : state) {
        window->FormMouseMove(420 + (step++ % 2) * 7, 180, true);
        window->Picture->makeCurrent();
        glFinish();
        window->Picture->doneCurrent();
    }
    QApplication::processEvents();
    UseLayers(true);
}
void BM_DragCompositeOnly(benchmark::State &state)
{
    ShowScene(0, 0.0f, 6.2831855f, false);
    Redraw(true);
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window->FormMouseMove(420 + (step++ % 2) * 7, 180, true);
        window->Picture->makeCurrent();
        glFinish();
        window->Picture->doneCurrent();
        state.ResumeTiming();
        ShowFrame();
    }
}
BENCHMARK(BM_DragCompositeOnly)->Unit(benchmark::kMillisecond);
void BM_AnimCompositeOnly(benchmark::State &state)
{
    ShowScene(0, 0.0f, 6.2831855f, false);
    window->animationCheck->setChecked(true);
    Redraw(true);
    for (auto _ : state) {
        state.PauseTiming();
        window->TimerTick();
        window->Picture->makeCurrent();
        glFinish();
        window->Picture->doneCurrent();
        state.ResumeTiming();
        ShowFrame();
    }
    window->animationCheck->setChecked(false);
}
BENCHMARK(BM_AnimCompositeOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragRenderOnly, reuse, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragRenderOnly, full, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IdleTick, reuse, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IdleTick, full, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AnimationStep, circle_reuse, 0, 0.0f, twoPi, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AnimationStep, circle_full, 0, 0.0f, twoPi, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AnimationStep, parabola_reuse, 2, -10.0f, 10.0f, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AnimationStep, parabola_full, 2, -10.0f, 10.0f, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragStep, circle_reuse, 0, 0.0f, twoPi, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragStep, circle_full, 0, 0.0f, twoPi, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragStep, parabola_reuse, 2, -10.0f, 10.0f, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragStep, parabola_full, 2, -10.0f, 10.0f, false)->Unit(benchmark::kMillisecond);
// Dragging P with the construction and the singular tangents shown.
BENCHMARK_CAPTURE(BM_DragStep, circle_construction, 0, 0.0f, twoPi, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragStep, parabola_construction, 2, -10.0f, 10.0f, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Frame, circle_construction, 0, 0.0f, twoPi, true)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_Frame, circle_initial, 0, 0.0f, twoPi, false)->Unit(benchmark::kMillisecond);
// Other ways of handing the traces to the GL, against the usual one in the
// same run (the same pixels every way).
const TraceHandling everyPointInOneCall{false, 0, 0, 0.0};
const TraceHandling oneCallPerTrace{true, 0, 0, 0.0};
const TraceHandling noFlushes{true, TraceHandling().pointsPerDraw, 0, 0.0};
// Every point that can light a pixel, as before traces were thinned; the
// thinning at other spacings, and at the flushes of unthinned traces.
const TraceHandling unthinned{true, 256, 8192, 0.0};
const TraceHandling thinned025{true, 256, 2048, 0.25};
const TraceHandling thinned01{true, 256, 2048, 0.1};
const TraceHandling thinnedRareFlushes{true, 256, 8192, TraceHandling().thinningPixels};
const TraceHandling usual;

template <class Bench, class... Args>
void Handled(benchmark::State &state, const TraceHandling *handling, Bench bench, Args... args)
{
    window->Picture->traceHandling = *handling;
    bench(state, args...);
    window->Picture->traceHandling = TraceHandling();
}
#define HANDLED(handling, name, ...)                                                                                   \
    BENCHMARK_CAPTURE(Handled, name##__##handling, &handling, __VA_ARGS__)->Unit(benchmark::kMillisecond)
#define EVERY_HANDLING(name, ...)                                                                                      \
    HANDLED(everyPointInOneCall, name, __VA_ARGS__);                                                                   \
    HANDLED(oneCallPerTrace, name, __VA_ARGS__);                                                                       \
    HANDLED(noFlushes, name, __VA_ARGS__)
EVERY_HANDLING(drag_circle_construction, BM_DragStep, 0, 0.0f, twoPi, true, true);
EVERY_HANDLING(drag_parabola_construction, BM_DragStep, 2, -10.0f, 10.0f, true, true);
EVERY_HANDLING(frame_circle_construction, BM_Frame, 0, 0.0f, twoPi, true);
EVERY_HANDLING(frame_parabola_construction, BM_Frame, 2, -10.0f, 10.0f, true);
// Traces thinned, against every point handed over, in the same run.
#define THINNINGS(name, ...)                                                                                           \
    HANDLED(unthinned, name, __VA_ARGS__);                                                                             \
    HANDLED(thinned025, name, __VA_ARGS__);                                                                            \
    HANDLED(thinned01, name, __VA_ARGS__);                                                                             \
    HANDLED(thinnedRareFlushes, name, __VA_ARGS__);                                                                    \
    HANDLED(usual, name, __VA_ARGS__)
#define BEFORE_AND_AFTER(name, ...)                                                                                    \
    HANDLED(unthinned, name, __VA_ARGS__);                                                                             \
    HANDLED(usual, name, __VA_ARGS__)
THINNINGS(t_drag_circle_construction, BM_DragStep, 0, 0.0f, twoPi, true, true);
THINNINGS(t_drag_parabola_construction, BM_DragStep, 2, -10.0f, 10.0f, true, true);
THINNINGS(t_frame_circle_construction, BM_Frame, 0, 0.0f, twoPi, true);
THINNINGS(t_frame_parabola_construction, BM_Frame, 2, -10.0f, 10.0f, true);
BEFORE_AND_AFTER(t_idle_tick, BM_IdleTick, true);
BEFORE_AND_AFTER(t_animation_circle, BM_AnimationStep, 0, 0.0f, twoPi, true);
BEFORE_AND_AFTER(t_animation_parabola, BM_AnimationStep, 2, -10.0f, 10.0f, true);
BEFORE_AND_AFTER(t_resize, BM_Resize);
BEFORE_AND_AFTER(t_frame_circle_full, BM_Frame, 0, 0.0f, twoPi, false);
BEFORE_AND_AFTER(t_frame_typed_circle_full, BM_Frame, typedCircle, 0.0f, twoPi, false);
BEFORE_AND_AFTER(t_frame_parabola_full, BM_Frame, 2, -10.0f, 10.0f, false);
BEFORE_AND_AFTER(t_frame_typed_parabola_full, BM_Frame, typedParabola, -10.0f, 10.0f, false);
BEFORE_AND_AFTER(t_drag_circle_construction_again, BM_DragStep, 0, 0.0f, twoPi, true, true);
BEFORE_AND_AFTER(t_drag_typed_circle_construction, BM_DragStep, typedCircle, 0.0f, twoPi, true, true);
BEFORE_AND_AFTER(t_animation_typed_circle, BM_AnimationStep, typedCircle, 0.0f, twoPi, true);
// Frames as they were drawn before unseen points were left out, for comparing
// figures taken on other machines.
HANDLED(everyPointInOneCall, frame_circle_initial, BM_Frame, 0, 0.0f, twoPi, false);
HANDLED(everyPointInOneCall, frame_parabola_full, BM_Frame, 2, -10.0f, 10.0f, false);
HANDLED(everyPointInOneCall, drag_circle_reuse, BM_DragStep, 0, 0.0f, twoPi, true, false);
HANDLED(everyPointInOneCall, drag_parabola_reuse, BM_DragStep, 2, -10.0f, 10.0f, true, false);

BENCHMARK_CAPTURE(BM_DragRelatives, r_circle_without, 0, 0.0f, twoPi, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragRelatives, r_circle_with_three, 0, 0.0f, twoPi, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragRelatives, r_parabola_without, 2, -10.0f, 10.0f, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragRelatives, r_parabola_with_three, 2, -10.0f, 10.0f, true)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_SamplesOnly, circle_initial, 0, 0.0f, twoPi)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Frame, parabola_construction, 2, -10.0f, 10.0f, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SamplesOnly, parabola, 2, -10.0f, 10.0f)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Frame, budget_range, 4, -20.0f, 20.0f, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SamplesOnly, budget_range, 4, -20.0f, 20.0f)->Unit(benchmark::kMillisecond);

// Typed curves against the built-in curves of the same samples.
BENCHMARK_CAPTURE(BM_Frame, circle_full, 0, 0.0f, twoPi, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Frame, typed_circle_full, typedCircle, 0.0f, twoPi, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Frame, parabola_full, 2, -10.0f, 10.0f, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Frame, typed_parabola_full, typedParabola, -10.0f, 10.0f, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragStep, circle_reuse_again, 0, 0.0f, twoPi, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragStep, typed_circle_reuse, typedCircle, 0.0f, twoPi, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AnimationStep, circle_reuse_again, 0, 0.0f, twoPi, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AnimationStep, typed_circle_reuse, typedCircle, 0.0f, twoPi, true)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    MainWindow form;
    window = &form;
    form.typedCurves = {BuildTypedCurve({TypedKind::Parametric, "cos(t)", "sin(t)", 0, twoPi}).curve,
                        BuildTypedCurve({TypedKind::Parametric, "t^2/2", "t", -10, 10}).curve};
    form.FillCurveList();
    form.tickTimer->stop();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
