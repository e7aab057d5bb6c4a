// Undo and redo through real events: each gesture is one step, the
// animation's ticks are none, and Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y step
// back and forth.
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "WindowFixture.h"
#include "model/SessionHistory.h"
#include "window/PictureBox.h"

namespace {

class Undo : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // Shortcuts reach the active window only.
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(form->Picture, key, modifiers); }
};

// Longer than a gesture's rest: what came before is a step of its own.
void Rest()
{
    QTest::qWait(600);
}

void Wheel(MainWindow &form, QPoint at, int angle)
{
    QWheelEvent wheel(QPointF(at), QPointF(form.Picture->mapToGlobal(at)), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.Picture, &wheel);
}

TEST_F(Undo, EachGestureIsOneStepBackAndForth)
{
    const Session start = form->CaptureSession();
    QTest::mouseClick(form->minkowskiCheck, Qt::LeftButton);
    Rest();
    const Session minkowski = form->CaptureSession();
    ASSERT_TRUE(minkowski.minkowski);

    // A drag of P and a burst of wheel notches: one step each.
    QTest::mousePress(form->Picture, Qt::LeftButton, Qt::NoModifier, QPoint(405, 207));
    for (int step = 1; step <= 3; ++step)
        QTest::mouseMove(form->Picture, QPoint(405 + 20 * step, 207 - 10 * step));
    QTest::mouseRelease(form->Picture, Qt::LeftButton, Qt::NoModifier, QPoint(465, 177));
    Rest();
    const Session dragged = form->CaptureSession();
    ASSERT_NE(dragged.pedalX, minkowski.pedalX);
    for (int notch = 0; notch < 3; ++notch)
        Wheel(*form, {300, 150}, 120);
    Rest();
    ASSERT_NE(form->CaptureSession().xMin, dragged.xMin);

    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(form->CaptureSession() == dragged) << "the wheel's burst undone at once";
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(form->CaptureSession() == minkowski) << "the drag undone at once";
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(form->CaptureSession() == start);
    EXPECT_TRUE((form->scene.plane == Plane::Euclidean) && form->euclideanCheck->isChecked());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(form->CaptureSession() == start) << "nothing more to undo";

    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(form->CaptureSession() == minkowski);
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(form->CaptureSession() == dragged);
    EXPECT_EQ(form->scene.pedalX, dragged.pedalX);
}

TEST_F(Undo, TheAnimationsTicksAreNoSteps)
{
    const Session start = form->CaptureSession();
    QTest::mouseClick(form->animationCheck, Qt::LeftButton);
    for (int tick = 0; tick < 5; ++tick)
        form->TimerTick();
    Rest();
    ASSERT_TRUE(form->animationCheck->isChecked());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(form->animationCheck->isChecked());
    EXPECT_TRUE(form->CaptureSession() == start);
}

TEST(SessionHistory, KeepsTheLast200StepsAndForgetsWhatWasUndoneOnANewStep)
{
    SessionHistory history;
    history.Reset(Session());
    for (int step = 1; step <= 250; ++step) {
        Session s;
        s.pedalX = float(step);
        history.Record(s);
        history.Record(s);  // the same state again is no step
    }
    int undone = 0;
    while (history.CanUndo()) {
        history.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 200);
    EXPECT_EQ(history.Current().pedalX, 50.0f);
    history.Redo();
    Session other;
    other.pedalY = 1;
    history.Record(other);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Undo().pedalX, 51.0f);
}

}  // namespace
