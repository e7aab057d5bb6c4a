// The animation: every tick moves the track bar one step in the current
// direction (when "Start animation" is checked) and always redraws; the
// motion bounces between the two ends of the range.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "window/controls/Adapters.h"

namespace {

float TOfPosition(int position)
{
    return float(position * 0.01);
}

class AnimationTest : public CommaWindowTest {
protected:
    void StartAnimation()
    {
        Click(form->animationCheck);
        ASSERT_TRUE(form->animationCheck->isChecked());
    }
    // Runs ticks; returns the positions after each and checks the redraw.
    struct Tick {
        int position;
        bool forward;
    };
    std::vector<Tick> RunTicks(int count)
    {
        std::vector<Tick> seen;
        for (int i = 0; i < count; ++i) {
            const long before = Frames();
            form->TimerTick();
            EXPECT_TRUE(Redrawn(before)) << "every tick redraws";
            seen.push_back({form->selectedPointTrack->Position(), form->scene.animationForward});
            // The drawn point follows the track bar.
            EXPECT_EQ(form->scene.currentT, TOfPosition(seen.back().position));
        }
        return seen;
    }
};

std::string Describe(const std::vector<int> &positions, const std::vector<bool> &directions)
{
    std::string text;
    for (size_t i = 0; i < positions.size(); ++i)
        text += std::to_string(positions[i]) + (directions[i] ? "> " : "< ");
    return text;
}

TEST_F(AnimationTest, FromTheStartThePointRunsUpByTheStep)
{
    StartAnimation();
    const auto seen = RunTicks(3);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].position, 5);
    EXPECT_EQ(seen[1].position, 10);
    EXPECT_EQ(seen[2].position, 15);
    EXPECT_EQ(form->scene.currentT, float(0.15));
    EXPECT_EQ(form->selectedTValueLabel->text(), QStringLiteral(" t = 0,150000005960464"));
}

struct Bounce {
    const char *name;
    const char *step;
    int start;
    bool forward;
    std::vector<int> positions;
    std::vector<bool> directions;
};

TEST_F(AnimationTest, TheMotionBouncesBetweenTheEnds)
{
    StartAnimation();
    const Bounce cases[] = {
        {"top end shown twice", "0,05", 620, true, {625, 628, 628, 623}, {true, true, false, false}},
        {"bottom end shown twice", "0,05", 13, false, {8, 3, 0, 0, 5}, {false, false, false, true, true}},
        {"step 0 up", "0", 0, true, {0, 0, 0}, {true, true, true}},
        {"step 0 turns once at the top", "0", 628, true, {628, 628, 628}, {false, false, false}},
        {"negative step forward runs down to Min", "-0,05", 10, true, {5, 0, 0, 0}, {true, true, true, true}},
        {"negative step backward runs up to Max", "-0,05", 620, false, {625, 628, 628}, {false, false, false}},
        {"step 1,5 cut toward zero", "0,015", 0, true, {1, 2, 3}, {true, true, true}},
    };
    for (const Bounce &c : cases) {
        SCOPED_TRACE(c.name);
        SetStep(c.step);
        form->scene.track.SetPosition(c.start);
        form->scene.animationForward = c.forward;
        std::vector<int> positions;
        std::vector<bool> directions;
        for (const Tick &t : RunTicks(int(c.positions.size()))) {
            positions.push_back(t.position);
            directions.push_back(t.forward);
        }
        EXPECT_EQ(Describe(positions, directions), Describe(c.positions, c.directions));
    }
}

TEST_F(AnimationTest, BelowZeroStepsAreCutTowardZero)
{
    SetRange("-1,5", "1,5");
    SetStep("0,015");
    StartAnimation();
    form->scene.track.SetPosition(-140);
    form->scene.animationForward = true;
    auto seen = RunTicks(2);
    EXPECT_EQ(seen[0].position, -138);
    EXPECT_EQ(seen[1].position, -136);
    form->scene.animationForward = false;
    seen = RunTicks(2);
    EXPECT_EQ(seen[0].position, -137);
    EXPECT_EQ(seen[1].position, -138);
}

TEST_F(AnimationTest, AnEmptyRangeFlipsTheDirectionOnEveryTick)
{
    SetRange("1", "1");
    ASSERT_EQ(form->selectedPointTrack->Min(), 100);
    ASSERT_EQ(form->selectedPointTrack->Max(), 100);
    StartAnimation();
    std::vector<int> positions;
    std::vector<bool> directions;
    for (const Tick &t : RunTicks(4)) {
        positions.push_back(t.position);
        directions.push_back(t.forward);
    }
    EXPECT_EQ(Describe(positions, directions), Describe({100, 100, 100, 100}, {false, true, false, true}));
}

TEST_F(AnimationTest, WithTheAnimationOffTicksOnlyRedraw)
{
    form->scene.track.SetPosition(7);
    for (int i = 0; i < 2; ++i) {
        const long before = Frames();
        form->TimerTick();
        EXPECT_TRUE(Redrawn(before));
        EXPECT_EQ(form->selectedPointTrack->Position(), 7);
        EXPECT_TRUE(form->scene.animationForward);
        EXPECT_EQ(form->scene.currentT, 0.0f) << "nothing reads the track bar back";
    }
}

TEST_F(AnimationTest, StoppingKeepsPositionAndDirectionForTheRestart)
{
    StartAnimation();
    form->scene.track.SetPosition(625);
    RunTicks(2);  // 628, then the turn
    ASSERT_EQ(form->selectedPointTrack->Position(), 628);
    ASSERT_FALSE(form->scene.animationForward);

    Click(form->animationCheck);
    ASSERT_FALSE(form->animationCheck->isChecked());
    form->TimerTick();
    EXPECT_EQ(form->selectedPointTrack->Position(), 628);
    EXPECT_FALSE(form->scene.animationForward);

    Click(form->animationCheck);
    form->TimerTick();
    EXPECT_EQ(form->selectedPointTrack->Position(), 623);
}

TEST_F(AnimationTest, TheRealTimerAnimatesAndRedraws)
{
    const long before = Frames();
    StartAnimation();
    Settle();
    EXPECT_EQ(Frames(), before) << "the box itself does not redraw";
    EXPECT_EQ(form->selectedPointTrack->Position(), 0);

    form->tickTimer->start();
    QTest::qWait(1000);
    form->tickTimer->stop();
    const long frames = Frames() - before;
    const int position = form->selectedPointTrack->Position();
    EXPECT_GE(frames, 3);
    EXPECT_GT(position, 0);
    EXPECT_EQ(position % 5, 0);
    EXPECT_LE(position, 5 * frames) << "one step per tick at most";

    // The selected point and its foot are drawn where the track bar says.
    const auto purple = PointsOf(RecordFrame(), colour::Purple);
    ASSERT_EQ(purple.size(), 2u);
    const double t = position * 0.01;
    EXPECT_NEAR(purple[0].x(), InitialOriginX + InitialUnit * std::cos(t), 0.01);
    EXPECT_NEAR(purple[0].y(), InitialOriginY - InitialUnit * std::sin(t), 0.01);
}

}  // namespace
