// Frame times on the display at hand (a virtual one with Mesa's software
// renderer in CI). Run: xvfb-run -a -s "-screen 0 1600x1200x24"
//   build-bench/bench/lumetra_bench --benchmark_repetitions=7 --benchmark_report_aggregates_only=true
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <benchmark/benchmark.h>
#include <GL/gl.h>

#include "app/Form1.h"
#include "app/PictureBox.h"
#include "app/PlotState.h"
#include "app/RenderScene.h"
#include "controls/Adapters.h"
#include "curves/Catalogue.h"
#include "curves/Sampling.h"
#include "pedal/Foot.h"

namespace {

TForm1 *window = nullptr;

void Scene(int curve, float tMin, float tMax, bool construction)
{
    ResetPlotState();
    window->ComboBox1->setCurrentIndex(curve);
    plot.tMin = tMin;
    plot.tMax = tMax;
    window->CheckBox2->setChecked(construction);
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
    Scene(curve, tMin, tMax, construction);
    for (auto _ : state)
        RenderOnce();
}

// The floor: the same samples of both traces computed without drawing.
void BM_SamplesOnly(benchmark::State &state, int curve, float tMin, float tMax)
{
    Scene(curve, tMin, tMax, false);
    for (auto _ : state) {
        double sum = 0;
        ForEachSample(tMin, tMax, [&](float t) { sum += CurvePosition(curve, t).x; });
        ForEachSample(tMin, tMax, [&](float t) {
            ComputeFoot(float(curve), t);
            sum += plot.footX;
        });
        benchmark::DoNotOptimize(sum);
    }
}

const float twoPi = 6.2831855f;

BENCHMARK_CAPTURE(BM_Frame, circle_initial, 0, 0.0f, twoPi, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SamplesOnly, circle_initial, 0, 0.0f, twoPi)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Frame, parabola_construction, 2, -10.0f, 10.0f, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SamplesOnly, parabola, 2, -10.0f, 10.0f)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Frame, budget_range, 4, -20.0f, 20.0f, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SamplesOnly, budget_range, 4, -20.0f, 20.0f)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    TForm1 form;
    window = &form;
    form.Timer1->stop();
    form.show();
    QTest::qWaitForWindowExposed(&form);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
