// Every handler that redraws does so before it returns: the frame, the status
// labels and the selected parameter read back from the track bar are all up
// to date the moment the user's action has been handled, without waiting for
// another pass of the event loop.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "ControlTestSupport.h"
#include "window/PictureBox.h"
#include "window/RenderScene.h"
#include "window/controls/Adapters.h"

namespace {

class RedrawTest : public CommaWindowTest {};

struct Action {
    const char *name;
    std::function<void(MainWindow &)> perform;
};

TEST_F(RedrawTest, EachHandlerHasPaintedWhenItReturns)
{
    Type(form->pedalXEdit, QStringLiteral("1"));
    Type(form->pedalYEdit, QStringLiteral("1"));
    const Action actions[] = {
        {"set pedal point", [](MainWindow &f) { Click(f.pedalPointSetButton); }},
        {"x min up", [](MainWindow &f) { QTest::mouseClick(f.xMinSpinner->NextArrow(), Qt::LeftButton); }},
        {"x min down", [](MainWindow &f) { QTest::mouseClick(f.xMinSpinner->PreviousArrow(), Qt::LeftButton); }},
        {"step up", [](MainWindow &f) { QTest::mouseClick(f.stepSpinner->NextArrow(), Qt::LeftButton); }},
        {"grid off", [](MainWindow &f) { Click(f.gridCheck); }},
        {"grid on", [](MainWindow &f) { Click(f.gridCheck); }},
        {"selected point on", [](MainWindow &f) { Click(f.selectedPointCheck); }},
        {"set range", [](MainWindow &f) { Click(f.rangeSetButton); }},
        {"set point", [](MainWindow &f) { Click(f.selectedPointSetButton); }},
        {"Minkowski plane", [](MainWindow &f) { Click(f.minkowskiCheck); }},
        {"Euclidean plane", [](MainWindow &f) { Click(f.euclideanCheck); }},
        {"timer tick", [](MainWindow &f) { f.TimerTick(); }},
        {"timer tick again", [](MainWindow &f) { f.TimerTick(); }},
    };
    Settle();
    for (const Action &a : actions) {
        SCOPED_TRACE(a.name);
        const long before = Frames();
        const long painted = form->Picture->frameCount;
        const auto inputs = FrameInputs(*form);
        a.perform(*form);
        EXPECT_EQ(Frames(), before + 1);
        // A changed state is painted at once.
        if (FrameInputs(*form) != inputs) {
            EXPECT_GT(form->Picture->frameCount, painted);
        }
    }
    // The last frames wrote the labels of the state they drew.
    EXPECT_EQ(form->pedalPointValueLabel->text(), QStringLiteral("( 1 , 1 )"));
    EXPECT_EQ(form->selectedTValueLabel->text(), QStringLiteral(" t = 0"));
}

TEST_F(RedrawTest, TheLabelsShowTheNewStateRightAfterTheClick)
{
    Settle();
    Type(form->pedalXEdit, QStringLiteral("0,5"));
    Type(form->pedalYEdit, QStringLiteral("-1"));
    Click(form->pedalPointSetButton);
    EXPECT_EQ(form->pedalPointValueLabel->text(), QStringLiteral("( 0,5 , -1 )"));
    QTest::mouseClick(form->stepSpinner->NextArrow(), Qt::LeftButton);
    EXPECT_EQ(form->selectedTValueLabel->text(), QStringLiteral(" t = 0,0500000007450581"));
    // With the selected point shown, a typed t is read back from the track bar.
    Click(form->selectedPointCheck);
    Type(form->selectedTEdit, QStringLiteral("0,29"));
    Click(form->selectedPointSetButton);
    EXPECT_EQ(form->scene.currentT, float(0.28));
    EXPECT_EQ(form->selectedTValueLabel->text(), QStringLiteral(" t = 0,280000001192093"));
}

}  // namespace
