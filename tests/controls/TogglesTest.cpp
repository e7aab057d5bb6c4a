// Display toggles redraw at once (or, without a click handler, at the next
// tick); the two plane boxes act as a pair of which exactly one is checked.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <string>

#include "ControlTestSupport.h"
#include "window/controls/Adapters.h"

namespace {

class TogglesTest : public CommaWindowTest {
protected:
    // What a frame shows of the construction and the grid.
    struct Seen {
        size_t greyLines, purplePoints, purpleLines, blueLines;
    };
    Seen Look()
    {
        const auto frame = RecordFrame();
        return {LinesOf(frame, colour::Grey).size(), PointsOf(frame, colour::Purple).size(),
                LinesOf(frame, colour::Purple).size(), LinesOf(frame, colour::Blue).size()};
    }
};

struct Toggle {
    const char *name;
    QCheckBox *MainWindow::*box;
    // The frame with the box in its initial state, then toggled.
    std::function<void(size_t grey, size_t purplePoints, size_t purpleLines, size_t blueLines)> initial, toggled;
};

TEST_F(TogglesTest, DisplayBoxesRedrawAtOnceAndChangeThePicture)
{
    auto initialPicture = [](size_t grey, size_t purplePoints, size_t purpleLines, size_t blueLines) {
        EXPECT_EQ(grey, 24u) << "12 grey columns and 12 grey rows around the axes";
        EXPECT_EQ(purplePoints, 0u);
        EXPECT_EQ(purpleLines, 0u);
        EXPECT_EQ(blueLines, 0u);
    };
    const Toggle toggles[] = {
        {"grid", &MainWindow::gridCheck, initialPicture,
         [](size_t grey, size_t, size_t, size_t) { EXPECT_EQ(grey, 0u) << "bare axes only"; }},
        {"tangent and normal", &MainWindow::tangentNormalCheck, initialPicture,
         [](size_t, size_t purplePoints, size_t purpleLines, size_t blueLines) {
             EXPECT_EQ(purplePoints, 2u);
             EXPECT_EQ(purpleLines, 2u) << "the tangent, one half each way";
             EXPECT_EQ(blueLines, 1u) << "the perpendicular from P";
         }},
        {"selected point", &MainWindow::selectedPointCheck, initialPicture,
         [](size_t, size_t purplePoints, size_t purpleLines, size_t blueLines) {
             EXPECT_EQ(purplePoints, 2u);
             EXPECT_EQ(purpleLines, 0u);
             EXPECT_EQ(blueLines, 0u);
         }},
    };
    for (const Toggle &t : toggles) {
        SCOPED_TRACE(t.name);
        QCheckBox *box = form.get()->*t.box;
        const bool wasChecked = box->isChecked();
        for (int round = 0; round < 2; ++round) {
            const long before = Frames();
            Click(box);
            EXPECT_NE(box->isChecked(), round == 0 ? wasChecked : !wasChecked);
            EXPECT_TRUE(Redrawn(before)) << "the click redraws";
            const Seen seen = Look();
            const auto &expect = round == 0 ? t.toggled : t.initial;
            expect(seen.greyLines, seen.purplePoints, seen.purpleLines, seen.blueLines);
        }
    }
}

TEST_F(TogglesTest, ThePlaneBoxesAlwaysLeaveExactlyOneChecked)
{
    // Box clicked, then the plane that must be in force.
    struct Step {
        int box;  // 5 or 6
        bool euclidean;
    };
    const Step steps[] = {{6, false}, {6, true}, {5, false}, {6, true}, {5, false}, {5, true}, {6, false}, {5, true}};
    int index = 0;
    for (const Step &s : steps) {
        SCOPED_TRACE("click " + std::to_string(++index) + " on CheckBox" + std::to_string(s.box));
        const long before = Frames();
        Click(s.box == 5 ? form->euclideanCheck : form->minkowskiCheck);
        EXPECT_TRUE(Redrawn(before));
        EXPECT_NE(form->euclideanCheck->isChecked(), form->minkowskiCheck->isChecked());
        EXPECT_EQ(form->euclideanCheck->isChecked(), s.euclidean);
        EXPECT_EQ((form->scene.plane == Plane::Euclidean), form->euclideanCheck->isChecked());
        EXPECT_EQ((form->scene.plane == Plane::Minkowski), form->minkowskiCheck->isChecked());
    }
}

TEST_F(TogglesTest, ThePlaneChangesThePedalCurve)
{
    auto red = [this] { return PointsOf(RecordFrame(), {1, 0, 0}); };
    Type(form->pedalXEdit, QStringLiteral("0,5"));
    Click(form->pedalPointSetButton);
    const auto euclidean = red();
    Click(form->minkowskiCheck);
    ASSERT_TRUE((form->scene.plane == Plane::Minkowski));
    const auto minkowski = red();
    EXPECT_FALSE(euclidean == minkowski);
    Click(form->minkowskiCheck);
    ASSERT_TRUE((form->scene.plane == Plane::Euclidean));
    EXPECT_TRUE(red() == euclidean);
}

TEST_F(TogglesTest, SwitchingThePlaneChangesNothingElse)
{
    // A state away from the initial one in everything the plane must keep.
    Type(form->tMinEdit, QStringLiteral("-1,5"));
    Type(form->tMaxEdit, QStringLiteral("1,5"));
    Click(form->rangeSetButton);
    Type(form->pedalXEdit, QStringLiteral("0,5"));
    Type(form->pedalYEdit, QStringLiteral("-1"));
    Click(form->pedalPointSetButton);
    QTest::mouseClick(form->xMinSpinner->NextArrow(), Qt::LeftButton);
    QTest::mouseClick(form->stepSpinner->NextArrow(), Qt::LeftButton);
    Settle();

    struct Kept {
        float tMin, tMax, currentT, tStep, pedalX, pedalY, xMin, xMax, yMin, yMax;
        int min, max, position, curve;
        bool operator==(const Kept &o) const
        {
            return tMin == o.tMin && tMax == o.tMax && currentT == o.currentT && tStep == o.tStep &&
                   pedalX == o.pedalX && pedalY == o.pedalY && xMin == o.xMin && xMax == o.xMax && yMin == o.yMin &&
                   yMax == o.yMax && min == o.min && max == o.max && position == o.position && curve == o.curve;
        }
    };
    auto now = [this] {
        return Kept{form->scene.tMin,
                    form->scene.tMax,
                    form->scene.currentT,
                    form->scene.tStep,
                    form->scene.pedalX,
                    form->scene.pedalY,
                    form->scene.xMin,
                    form->scene.xMax,
                    form->scene.yMin,
                    form->scene.yMax,
                    form->selectedPointTrack->Min(),
                    form->selectedPointTrack->Max(),
                    form->selectedPointTrack->Position(),
                    form->curveList->currentIndex()};
    };
    const Kept before = now();
    ASSERT_EQ(before.position, -145);
    ASSERT_EQ(before.xMin, -2.5f);

    long frames = Frames();
    Click(form->minkowskiCheck);
    ASSERT_TRUE((form->scene.plane == Plane::Minkowski));
    EXPECT_TRUE(Redrawn(frames));
    EXPECT_TRUE(now() == before);
    EXPECT_EQ(form->pedalPointValueLabel->text(), QStringLiteral("( 0,5 , -1 )"));
    EXPECT_EQ(form->xMinValueLabel->text(), QStringLiteral("-2,5"));
    frames = Frames();
    Click(form->euclideanCheck);
    ASSERT_TRUE((form->scene.plane == Plane::Euclidean));
    EXPECT_TRUE(Redrawn(frames));
    EXPECT_TRUE(now() == before);
}

struct Unhandled {
    const char *name;
    QCheckBox *MainWindow::*box;
    const float (*rgb)[3];  // the colour its effect is drawn in
};

TEST_F(TogglesTest, BoxesWithoutAHandlerShowWithinOneTick)
{
    // The singular tangents appear on a graph curve at t = 0.
    ChooseFromList(form->curveList, 4);
    const Unhandled boxes[] = {
        {"singular tangents", &MainWindow::singularTangentsCheck, &colour::Orange},
        {"animation", &MainWindow::animationCheck, &colour::Purple},
    };
    for (const Unhandled &u : boxes) {
        SCOPED_TRACE(u.name);
        const long before = Frames();
        Click(form.get()->*u.box);
        ASSERT_TRUE((form.get()->*u.box)->isChecked());
        Settle();
        EXPECT_EQ(Frames(), before) << "no handler, no redraw";

        form->tickTimer->start();
        QTest::qWait(150);
        form->tickTimer->stop();
        EXPECT_GT(Frames(), before);
        EXPECT_FALSE(PointsOf(RecordFrame(), *u.rgb).empty());
    }
    // The animation moved the selected point.
    EXPECT_GT(form->selectedPointTrack->Position(), 0);
}

TEST_F(TogglesTest, SingularTangentShowsInThePixels)
{
    ChooseFromList(form->curveList, 4);
    Click(form->singularTangentsCheck);
    const long before = Frames();
    form->TimerTick();
    ASSERT_TRUE(Redrawn(before));
    // P at the origin: the singular tangent is the vertical through the origin.
    const QImage picture = Grab();
    EXPECT_TRUE(ColourNear(picture, InitialOriginX, 60, Rgb{255, 204, 0}, 1));
    EXPECT_TRUE(ColourNear(picture, InitialOriginX, 350, Rgb{255, 204, 0}, 1));
}

}  // namespace
