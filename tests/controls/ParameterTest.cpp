// Parameter range, selected point and step. The track bar holds the selected
// point in hundredths of t, truncated toward zero and clamped into its range.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "window/ExceptionBox.h"
#include "window/controls/Adapters.h"

namespace {

constexpr double OriginX = InitialOriginX;  // world origin of the initial frame, client pixels
constexpr double OriginY = InitialOriginY;
constexpr double Unit = InitialUnit;  // pixels per world unit in the initial frame
const float TwoPi = float(6.283185307179586);

// The circle's point at t, in client pixels of the initial frame.
QPointF CirclePixel(double t)
{
    return {OriginX + std::cos(t) * Unit, OriginY - std::sin(t) * Unit};
}

// The parameter a track-bar position stands for, as a stored value.
float TOfPosition(int position)
{
    return float(position * 0.01);
}

class ParameterTest : public CommaWindowTest {
protected:
    void SetPoint(const char *t)
    {
        Type(form->selectedTEdit, QString::fromLatin1(t));
        const long before = Frames();
        Click(form->selectedPointSetButton);
        EXPECT_TRUE(Redrawn(before));
    }
    // One click on an arrow of the step spinner, and its redraw.
    void Step(bool next)
    {
        const long before = Frames();
        QTest::mouseClick(next ? form->stepSpinner->NextArrow() : form->stepSpinner->PreviousArrow(), Qt::LeftButton);
        EXPECT_TRUE(Redrawn(before));
    }
    void ExpectTrackBar(int min, int max, int position)
    {
        EXPECT_EQ(form->selectedPointTrack->Min(), min);
        EXPECT_EQ(form->selectedPointTrack->Max(), max);
        EXPECT_EQ(form->selectedPointTrack->Position(), position);
    }
    bool HasPointNear(const std::vector<QPointF> &points, QPointF at, double tolerance = 0.6)
    {
        for (const QPointF &p : points)
            if (std::hypot(p.x() - at.x(), p.y() - at.y()) <= tolerance)
                return true;
        return false;
    }
};

TEST_F(ParameterTest, RangeSetGivesTrackBarRangeAndStartsAtTMin)
{
    SetRange("-1,5", "1,5");
    EXPECT_EQ(form->scene.tMin, -1.5f);
    EXPECT_EQ(form->scene.tMax, 1.5f);
    EXPECT_EQ(form->scene.currentT, -1.5f);
    ExpectTrackBar(-150, 150, -150);
    EXPECT_EQ(form->selectedTValueLabel->text(), QStringLiteral(" t = -1,5"));

    // The circle is now traced from t = -1.5 only.
    const auto green = PointsOf(RecordFrame(), colour::Green);
    ASSERT_FALSE(green.empty());
    EXPECT_NEAR(green.front().x(), CirclePixel(-1.5).x(), 0.01);
    EXPECT_NEAR(green.front().y(), CirclePixel(-1.5).y(), 0.01);
    EXPECT_FALSE(HasPointNear(green, CirclePixel(3.0), 2.0)) << "t = 3 lies outside the range";
}

TEST_F(ParameterTest, RangeTruncatesTowardZero)
{
    SetRange("-1,999", "2,999");
    ExpectTrackBar(-199, 299, -199);
    EXPECT_EQ(form->scene.currentT, float(-1.999));
}

struct TypedPoint {
    const char *text;
    bool negativeRange;  // range -1,5..1,5 instead of the initial 0..6,28
    int position;
    float typed;
    const char *caption;  // selectedTValueLabel while no construction box is checked
};

TEST_F(ParameterTest, TypedPointTruncatesIntoTheTrackBarAndKeepsTheTypedValue)
{
    const TypedPoint cases[] = {
        {"0,29", false, 28, float(0.29), " t = 0,28999999165535"},
        {"2,01", false, 200, float(2.01), " t = 2,00999999046326"},
        {"0,57", false, 56, float(0.57), " t = 0,569999992847443"},
        {"7", false, 628, 7.0f, " t = 7"},
        {"-0,29", false, 0, float(-0.29), " t = -0,28999999165535"},
        {"-0,29", true, -28, float(-0.29), " t = -0,28999999165535"},
        {"-2", true, -150, -2.0f, " t = -2"},
    };
    bool negative = false;
    for (const TypedPoint &c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.negativeRange ? " in -1,5..1,5" : " in 0..6,28"));
        if (c.negativeRange && !negative) {
            SetRange("-1,5", "1,5");
            negative = true;
        }
        SetPoint(c.text);
        EXPECT_EQ(form->selectedPointTrack->Position(), c.position);
        EXPECT_EQ(form->scene.currentT, c.typed);
        EXPECT_EQ(form->selectedTValueLabel->text(), QString::fromLatin1(c.caption));
    }
}

TEST_F(ParameterTest, WithSelectedPointShownTheDrawnPointFollowsTheTrackBar)
{
    Click(form->selectedPointCheck);
    ASSERT_TRUE(form->selectedPointCheck->isChecked());
    struct Case {
        const char *text;
        int position;
        const char *caption;
    };
    const Case cases[] = {
        {"0,29", 28, " t = 0,280000001192093"},
        {"2,01", 200, " t = 2"},
        {"7", 628, " t = 6,28000020980835"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        SetPoint(c.text);
        EXPECT_EQ(form->selectedPointTrack->Position(), c.position);
        EXPECT_EQ(form->scene.currentT, TOfPosition(c.position));
        EXPECT_EQ(form->selectedTValueLabel->text(), QString::fromLatin1(c.caption));
        // P is the centre of the circle, so the foot is the point itself.
        const auto purple = PointsOf(RecordFrame(), colour::Purple);
        ASSERT_EQ(purple.size(), 2u);
        for (const QPointF &p : purple) {
            EXPECT_NEAR(p.x(), CirclePixel(c.position * 0.01).x(), 0.01);
            EXPECT_NEAR(p.y(), CirclePixel(c.position * 0.01).y(), 0.01);
        }
    }
}

TEST_F(ParameterTest, FailingRangeFieldsStopAtTheFailingField)
{
    // t min fails: nothing changes.
    Type(form->tMinEdit, QStringLiteral("abc"));
    Type(form->tMaxEdit, QStringLiteral("1"));
    long shown = ShownExceptionCount();
    EXPECT_EQ(CloseFailureBoxes([&] { Click(form->rangeSetButton); }), 1);
    EXPECT_EQ(ShownExceptionCount(), shown + 1);
    EXPECT_EQ(form->scene.tMin, 0.0f);
    EXPECT_EQ(form->scene.tMax, TwoPi);
    EXPECT_EQ(form->scene.currentT, 0.0f);
    ExpectTrackBar(0, 628, 0);

    // t max fails: only the new t min is kept.
    Type(form->tMinEdit, QStringLiteral("-1"));
    Type(form->tMaxEdit, QStringLiteral("x"));
    shown = ShownExceptionCount();
    EXPECT_EQ(CloseFailureBoxes([&] { Click(form->rangeSetButton); }), 1);
    EXPECT_EQ(ShownExceptionCount(), shown + 1);
    EXPECT_EQ(form->scene.tMin, -1.0f);
    EXPECT_EQ(form->scene.tMax, TwoPi);
    EXPECT_EQ(form->scene.currentT, 0.0f);
    ExpectTrackBar(0, 628, 0);

    // The next redraw traces the circle over [-1, old t max].
    const auto green = PointsOf(RecordFrame(), colour::Green);
    ASSERT_FALSE(green.empty());
    EXPECT_NEAR(green.front().x(), CirclePixel(-1).x(), 0.01);
    EXPECT_NEAR(green.front().y(), CirclePixel(-1).y(), 0.01);
}

TEST_F(ParameterTest, FailingPointChangesNothing)
{
    SetPoint("0,57");
    Type(form->selectedTEdit, QStringLiteral("abc"));
    const long shown = ShownExceptionCount();
    EXPECT_EQ(CloseFailureBoxes([&] { Click(form->selectedPointSetButton); }), 1);
    EXPECT_EQ(ShownExceptionCount(), shown + 1);
    EXPECT_EQ(form->selectedPointTrack->Position(), 56);
    EXPECT_EQ(form->scene.currentT, float(0.57));
}

struct StepCase {
    const char *step;
    int start;
    bool next;
    std::vector<int> positions;  // after each click
};

TEST_F(ParameterTest, SpinnerStepsTheTrackBarByTheTruncatedStep)
{
    const StepCase cases[] = {
        {"0,05", 0, true, {5, 10}},      {"0,015", 0, true, {1, 2}},
        {"0,015", 5, true, {6}},         {"0,015", 5, false, {3, 1}},
        {"0,001", 0, true, {0}},         {"0,001", 5, true, {5}},
        {"0,001", 5, false, {4, 3}},     {"-0,05", 10, true, {5}},  // a negative step turns the arrows round
        {"-0,05", 10, false, {15}},      {"0", 5, true, {5}},
        {"0,05", 625, true, {628, 623}},  // stops at Max; the next one steps back
        {"0,05", 0, false, {0}},          // at Min a previous click only redraws
    };
    // A previous click at Min leaves the selected parameter as it was.
    auto stays = [](const StepCase &c) { return !c.next && c.start == 0; };
    for (const StepCase &c : cases) {
        SCOPED_TRACE(std::string("step ") + c.step + " from " + std::to_string(c.start) +
                     (c.next ? " next" : " previous"));
        SetStep(c.step);
        form->scene.track.SetPosition(c.start);
        const float tBefore = form->scene.currentT;
        for (int expected : c.positions) {
            Step(c.next);
            EXPECT_EQ(form->selectedPointTrack->Position(), expected);
            EXPECT_EQ(form->scene.currentT, stays(c) ? tBefore : TOfPosition(expected));
        }
    }
}

TEST_F(ParameterTest, FirstStepsShowTheirParameter)
{
    Step(true);
    EXPECT_EQ(form->scene.currentT, float(0.05));
    EXPECT_EQ(form->selectedTValueLabel->text(), QStringLiteral(" t = 0,0500000007450581"));
    Step(true);
    EXPECT_EQ(form->scene.currentT, float(0.1));
    EXPECT_EQ(form->selectedTValueLabel->text(), QStringLiteral(" t = 0,100000001490116"));
}

TEST_F(ParameterTest, RepeatedNextClicksStopAtTheEndAndThenStepBack)
{
    SetStep("0,5");  // 50 hundredths a click keeps the walk short
    std::vector<int> seen;
    for (int i = 0; i < 14; ++i) {
        QTest::mouseClick(form->stepSpinner->NextArrow(), Qt::LeftButton);
        seen.push_back(form->selectedPointTrack->Position());
    }
    const std::vector<int> expected = {50, 100, 150, 200, 250, 300, 350, 400, 450, 500, 550, 600, 628, 578};
    EXPECT_EQ(seen, expected);
}

TEST_F(ParameterTest, StepsTruncateTowardZeroBelowZero)
{
    SetRange("-1,5", "1,5");
    SetStep("0,015");
    const std::pair<bool, int> clicks[] = {{true, -148}, {true, -146}, {false, -147}, {false, -148}};
    for (const auto &[next, expected] : clicks) {
        QTest::mouseClick(next ? form->stepSpinner->NextArrow() : form->stepSpinner->PreviousArrow(), Qt::LeftButton);
        EXPECT_EQ(form->selectedPointTrack->Position(), expected);
    }
}

TEST_F(ParameterTest, TypingAStepStoresItWithoutARedraw)
{
    const long before = Frames();
    Type(form->stepEdit, QStringLiteral("0,015"));
    EXPECT_EQ(form->scene.tStep, float(0.015));
    Type(form->stepEdit, QStringLiteral("0,25"));
    EXPECT_EQ(form->scene.tStep, float(0.25));
    Settle();
    EXPECT_EQ(Frames(), before);
    // The new step takes effect with the next click.
    QTest::mouseClick(form->stepSpinner->NextArrow(), Qt::LeftButton);
    EXPECT_EQ(form->selectedPointTrack->Position(), 25);
}

TEST_F(ParameterTest, AStepOnItsWayKeepsThePreviousStepSilently)
{
    struct Keystroke {
        char key;
        float step;  // after the key
    };
    const Keystroke typing[] = {{'-', float(0.05)}, {'1', -1},    {',', -1},           {'5', -1.5f},
                                {'e', -1.5f},       {'-', -1.5f}, {'2', float(-0.015)}};
    const long shown = ShownExceptionCount();
    const int boxes = CloseFailureBoxes([&] {
        Type(form->stepEdit, QString());
        EXPECT_EQ(form->scene.tStep, float(0.05)) << "the field is empty";
        for (const Keystroke &k : typing) {
            QTest::keyClick(form->stepEdit, k.key);
            EXPECT_EQ(form->scene.tStep, k.step) << "after \"" << form->stepEdit->text().toStdString() << '"';
        }
    });
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(ShownExceptionCount(), shown);

    // A text no key can finish is reported at once.
    EXPECT_EQ(CloseFailureBoxes([&] { QTest::keyClick(form->stepEdit, ','); }), 1);
    EXPECT_EQ(ShownExceptionCount(), shown + 1);
    EXPECT_EQ(form->scene.tStep, float(-0.015));
}

TEST_F(ParameterTest, LeavingTheStepFieldUnfinishedReportsItThen)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::mouseClick(form->stepEdit, Qt::LeftButton);
    ASSERT_TRUE(form->stepEdit->hasFocus());
    EXPECT_EQ(CloseFailureBoxes([&] { Type(form->stepEdit, QStringLiteral("-")); }), 0);
    const long shown = ShownExceptionCount();
    EXPECT_EQ(CloseFailureBoxes([&] { QTest::mouseClick(form->selectedTEdit, Qt::LeftButton); }), 1);
    EXPECT_EQ(ShownExceptionCount(), shown + 1);
    EXPECT_EQ(form->scene.tStep, float(0.05));

    // A finished step leaves quietly.
    QTest::mouseClick(form->stepEdit, Qt::LeftButton);
    Type(form->stepEdit, QStringLiteral("0,1"));
    EXPECT_EQ(CloseFailureBoxes([&] { QTest::mouseClick(form->selectedTEdit, Qt::LeftButton); }), 0);
    EXPECT_EQ(form->scene.tStep, float(0.1));
}

}  // namespace
