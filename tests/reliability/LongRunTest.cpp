// Long runs: many timer ticks over every curve and both planes, many resizes,
// many drags. Memory after the run stays where it was after a warm-up, and
// the font's display-list names do not grow.
#include <GL/gl.h>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <climits>
#include <functional>
#include <iostream>
#include <malloc.h>

#include "ReliabilitySupport.h"
#include "WindowFixture.h"
#include "controls/ControlTestSupport.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

namespace {

// AddressSanitizer holds freed memory back in quarantine, so resident memory
// says nothing there; its leak check takes the place of this one.
#if defined(__SANITIZE_ADDRESS__)
constexpr long AllowedGrowthKiB = LONG_MAX;
#else
constexpr long AllowedGrowthKiB = 2048;
#endif

class LongRun : public WindowTest {
protected:
    // Runs `step` for the warm-up, measures, runs it `count` times more and
    // measures again; returns the growth in KiB. Both counts are whole periods
    // of the step, so the two measurements find the same state.
    long Measure(const char *what, int warmUp, int count, const std::function<void(int)> &step)
    {
        const unsigned base = form->fontListBase;
        for (int i = 0; i < warmUp; ++i)
            Step(step, i);
        const long before = Resident();
        for (int i = 0; i < count; ++i)
            Step(step, warmUp + i);
        const long after = Resident();
        std::cout << "[ figures  ] " << what << ": " << count << " after " << warmUp << " warm-up; RSS " << before
                  << " KiB -> " << after << " KiB (" << (after - before) << " KiB)" << std::endl;
        EXPECT_EQ(form->fontListBase, base);
        form->Picture->makeCurrent();
        EXPECT_TRUE(glIsList(base + 48));
        EXPECT_FALSE(glIsList(base + 256)) << "display-list names beyond the font's block";
        form->Picture->doneCurrent();
        EXPECT_EQ(PictureGlError(*form), unsigned(GL_NO_ERROR));
        return after - before;
    }

    // One unit of t, across t = 0 for the graphs (their flat points), so
    // that frames are cheap.
    void ChooseCurve(int curve, bool minkowski)
    {
        // The list's own choice, without opening its popup 20 times: the run
        // measures the frames, not the toolkit's popup.
        form->curveList->setCurrentIndex(curve);
        emit form->curveList->activated(curve);
        form->euclideanCheck->setChecked(!minkowski);
        form->minkowskiCheck->setChecked(minkowski);
        form->scene.plane = minkowski ? Plane::Minkowski : Plane::Euclidean;
        const bool graph = curve >= 4;
        form->tMinEdit->setText(graph ? QStringLiteral("-0.5") : QStringLiteral("0.5"));
        form->tMaxEdit->setText(graph ? QStringLiteral("0.5") : QStringLiteral("1.5"));
        QTest::mouseClick(form->rangeSetButton, Qt::LeftButton);
    }

private:
    void Step(const std::function<void(int)> &step, int i)
    {
        step(i);
        // Let the shown frames reach the screen now and then, as the event loop does.
        if (i % 50 == 0)
            QCoreApplication::processEvents();
    }
    // Resident memory once the events are done and the heap has handed back
    // what is free, so that only memory still held counts.
    static long Resident()
    {
        QCoreApplication::processEvents();
        malloc_trim(0);
        return ResidentKiB();
    }
};

TEST_F(LongRun, TimerTicksOverEveryCurveAndPlane)
{
    for (QCheckBox *box :
         {form->tangentNormalCheck, form->selectedPointCheck, form->singularTangentsCheck, form->animationCheck})
        box->setChecked(true);
    // Every curve in both planes in turn: 20 settings, once over for the
    // warm-up with a few ticks each, then 10,000 ticks.
    constexpr int Settings = 20, Ticks = 10000, WarmUpTicks = 20;
    int perSetting = WarmUpTicks;
    auto tick = [&](int i) {
        if (i == Settings * WarmUpTicks)
            perSetting = Ticks / Settings;
        const int j = i < Settings * WarmUpTicks ? i : i - Settings * WarmUpTicks;
        if (j % perSetting == 0)
            ChooseCurve(j / perSetting / 2, j / perSetting % 2 == 1);
        form->TimerTick();
    };
    const long grown = Measure("timer ticks", Settings * WarmUpTicks, Ticks, tick);
    EXPECT_LE(grown, AllowedGrowthKiB);
    // The animation still runs within the range.
    EXPECT_GE(form->selectedPointTrack->Position(), form->selectedPointTrack->Min());
    EXPECT_LE(form->selectedPointTrack->Position(), form->selectedPointTrack->Max());
}

TEST_F(LongRun, Resizes)
{
    ChooseCurve(0, false);
    const QSize sizes[] = {{1091, 690}, {1203, 741}, {980, 620}, {1150, 700}, {1300, 820}};
    const long grown = Measure("resizes", 50, 1000, [&](int i) {
        ASSERT_TRUE(ResizeClient(*form, sizes[i % 5]));
        form->Redraw();
    });
    EXPECT_LE(grown, AllowedGrowthKiB);
}

TEST_F(LongRun, Drags)
{
    ChooseCurve(8, true);
    form->tangentNormalCheck->setChecked(true);
    QTest::mousePress(form->Picture, Qt::LeftButton, Qt::NoModifier, QPoint(400, 200));
    const long grown = Measure("drags", 50, 1000, [&](int i) {
        const long frames = form->Picture->redrawCount;
        QTest::mouseMove(form->Picture, QPoint(200 + (i * 37) % 400, 50 + (i * 53) % 350));
        ASSERT_GT(form->Picture->redrawCount, frames) << "a move with the left button held redraws";
    });
    QTest::mouseRelease(form->Picture, Qt::LeftButton, Qt::NoModifier, QPoint(400, 200));
    EXPECT_LE(grown, AllowedGrowthKiB);
}

}  // namespace
