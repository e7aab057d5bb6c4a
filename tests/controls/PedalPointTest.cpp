// The pedal point P: typed into the two fields and set with the button, or
// dragged under the cursor with the left mouse button.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "ControlTestSupport.h"
#include "window/ExceptionBox.h"
#include "window/PictureBox.h"

namespace {

// The initial frame: view window -3..3 at the designed size puts the world
// origin at client pixel (405, 207) with 69 pixels per unit.
constexpr double OriginX = InitialOriginX;
constexpr double OriginY = InitialOriginY;
constexpr double Unit = InitialUnit;

QPointF PixelOf(double x, double y)
{
    return {OriginX + x * Unit, OriginY - y * Unit};
}

class PedalPointTest : public CommaWindowTest {
protected:
    // A mouse move with the given held buttons and keys, delivered to the picture.
    void SendMove(QPoint at, Qt::MouseButtons held, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(form->Picture->mapToGlobal(at)), Qt::NoButton, held,
                         keys);
        QApplication::sendEvent(form->Picture, &move);
    }
    void ExpectP(double x, double y, double tolerance = 0)
    {
        EXPECT_NEAR(form->scene.pedalX, x, tolerance);
        EXPECT_NEAR(form->scene.pedalY, y, tolerance);
    }
};

struct TypedPoint {
    const char *x;
    const char *y;
    float expectedX, expectedY;
    const char *label;
};

TEST_F(PedalPointTest, TypedCoordinatesBecomePAndAreShownAndDrawn)
{
    const TypedPoint cases[] = {
        {"1,5", "-2", 1.5f, -2.0f, "( 1,5 , -2 )"},
        {"0,5", "-1", 0.5f, -1.0f, "( 0,5 , -1 )"},
        // Outside the view window: no bound is applied.
        {"4", "-3,5", 4.0f, -3.5f, "( 4 , -3,5 )"},
    };
    for (const TypedPoint &c : cases) {
        SCOPED_TRACE(std::string(c.x) + " ; " + c.y);
        Type(form->pedalXEdit, QString::fromLatin1(c.x));
        Type(form->pedalYEdit, QString::fromLatin1(c.y));
        const long before = Frames();
        Click(form->pedalPointSetButton);
        EXPECT_TRUE(Redrawn(before));
        EXPECT_EQ(form->scene.pedalX, c.expectedX);
        EXPECT_EQ(form->scene.pedalY, c.expectedY);
        EXPECT_EQ(form->pedalPointValueLabel->text(), QString::fromLatin1(c.label));

        const auto blue = BluePoints(RecordFrame());
        ASSERT_EQ(blue.size(), 1u);
        const QPointF at = PixelOf(c.expectedX, c.expectedY);
        EXPECT_NEAR(blue[0].x(), at.x(), 0.01);
        EXPECT_NEAR(blue[0].y(), at.y(), 0.01);
    }
}

TEST_F(PedalPointTest, TypedPointShowsInThePixels)
{
    Type(form->pedalXEdit, QStringLiteral("1,5"));
    Type(form->pedalYEdit, QStringLiteral("-2"));
    const long before = Frames();
    Click(form->pedalPointSetButton);
    ASSERT_TRUE(Redrawn(before));
    const QImage picture = Grab();
    const Rgb blue{0, 0, 255};
    EXPECT_TRUE(ColourNear(picture, 508.5, 345, blue, 1));
    EXPECT_FALSE(ColourNear(picture, OriginX, OriginY, blue, 4)) << "P is no longer drawn at the origin";
}

TEST_F(PedalPointTest, LeftDragPutsPUnderTheCursor)
{
    const long before = Frames();
    QTest::mousePress(form->Picture, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    // A press alone moves nothing.
    ExpectP(0, 0);
    Settle();
    EXPECT_EQ(Frames(), before);

    // Into the margin below the drawing area: P leaves the view window.
    QTest::mouseMove(form->Picture, QPoint(100, 430));
    EXPECT_TRUE(Redrawn(before));
    ExpectP((100 - OriginX) / Unit, -(430 - OriginY) / Unit, 1e-5);
    EXPECT_LT(form->scene.pedalX, -3);
    EXPECT_LT(form->scene.pedalY, -3);

    QTest::mouseMove(form->Picture, QPoint(474, 138));
    EXPECT_TRUE(Redrawn(before + 1));
    QTest::mouseRelease(form->Picture, Qt::LeftButton, Qt::NoModifier, QPoint(474, 138));
    ExpectP(1, 1, 1 / Unit);
    Settle();
    EXPECT_EQ(Frames(), before + 2) << "one redraw per move with the left button held";
    EXPECT_EQ(form->pedalPointValueLabel->text(), QStringLiteral("( 1 , 1 )"));

    EXPECT_TRUE(ColourNear(Grab(), 474, 138, Rgb{0, 0, 255}, 1));
}

// Shift turns a left drag into a pan; the other modifier keys leave it a drag of P.
TEST_F(PedalPointTest, ModifierKeysDoNotStopALeftDrag)
{
    const long before = Frames();
    SendMove(QPoint(474, 276), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_TRUE(Redrawn(before));
    ExpectP(1, -1, 1 / Unit);
    // Another button held together with the left one still drags.
    SendMove(QPoint(336, 138), Qt::LeftButton | Qt::RightButton, Qt::AltModifier);
    ExpectP(-1, 1, 1 / Unit);
}

TEST_F(PedalPointTest, MovesWithoutTheLeftButtonNeitherMovePNorRedraw)
{
    struct Held {
        const char *name;
        Qt::MouseButton button;  // NoButton: a plain move
        Qt::KeyboardModifiers keys;
    };
    const Held cases[] = {
        {"no button", Qt::NoButton, Qt::NoModifier},
        {"right button", Qt::RightButton, Qt::NoModifier},
        {"right button and shift", Qt::RightButton, Qt::ShiftModifier},
    };
    for (const Held &c : cases) {
        SCOPED_TRACE(c.name);
        const long before = Frames();
        if (c.button != Qt::NoButton)
            QTest::mousePress(form->Picture, c.button, Qt::NoModifier, QPoint(200, 100));
        QTest::mouseMove(form->Picture, QPoint(474, 138));
        SendMove(QPoint(600, 300), c.button, c.keys);
        SendMove(QPoint(474, 138), c.button, c.keys);
        if (c.button != Qt::NoButton)
            QTest::mouseRelease(form->Picture, c.button, Qt::NoModifier, QPoint(474, 138));
        Settle();
        ExpectP(0, 0);
        EXPECT_EQ(Frames(), before);
        EXPECT_EQ(form->pedalPointValueLabel->text(), QStringLiteral("( 0 , 0 )"));
    }
}

TEST_F(PedalPointTest, APressStoresItsPositionOnly)
{
    struct Press {
        Qt::MouseButton button;
        QPoint at;
    };
    const Press presses[] = {{Qt::LeftButton, {123, 234}}, {Qt::RightButton, {50, 60}}, {Qt::MiddleButton, {700, 5}}};
    for (const Press &p : presses) {
        SCOPED_TRACE(p.button);
        const long before = Frames();
        QTest::mousePress(form->Picture, p.button, Qt::NoModifier, p.at);
        EXPECT_EQ(form->mouseX, p.at.x());
        EXPECT_EQ(form->mouseY, p.at.y());
        ExpectP(0, 0);
        Settle();
        EXPECT_EQ(Frames(), before);
        QTest::mouseRelease(form->Picture, p.button, Qt::NoModifier, p.at);
    }
}

TEST_F(PedalPointTest, AfterADragTheFieldsKeepTheirTextsAndSetMovesPBack)
{
    Type(form->pedalXEdit, QStringLiteral("1,5"));
    Type(form->pedalYEdit, QStringLiteral("-2"));
    Click(form->pedalPointSetButton);
    ExpectP(1.5, -2);

    QTest::mousePress(form->Picture, Qt::LeftButton, Qt::NoModifier, QPoint(450, 200));
    QTest::mouseMove(form->Picture, QPoint(474, 138));
    QTest::mouseRelease(form->Picture, Qt::LeftButton, Qt::NoModifier, QPoint(474, 138));
    ExpectP(1, 1, 1 / Unit);
    EXPECT_EQ(form->pedalXEdit->text(), QStringLiteral("1,5"));
    EXPECT_EQ(form->pedalYEdit->text(), QStringLiteral("-2"));

    const long before = Frames();
    Click(form->pedalPointSetButton);
    ExpectP(1.5, -2);
    ASSERT_TRUE(Redrawn(before));
    EXPECT_EQ(form->pedalPointValueLabel->text(), QStringLiteral("( 1,5 , -2 )"));
}

TEST_F(PedalPointTest, AFailingYKeepsTheNewXForTheNextRedraw)
{
    Type(form->pedalXEdit, QStringLiteral("1,5"));
    Type(form->pedalYEdit, QStringLiteral("abc"));
    const long shown = ShownExceptionCount();
    EXPECT_EQ(CloseFailureBoxes([&] { Click(form->pedalPointSetButton); }), 1);
    EXPECT_EQ(ShownExceptionCount(), shown + 1);
    EXPECT_EQ(form->scene.pedalX, 1.5f);
    EXPECT_EQ(form->scene.pedalY, 0.0f);

    // The next tick draws P with the new x.
    Settle();
    const long before = Frames();
    form->TimerTick();
    EXPECT_TRUE(Redrawn(before));
    EXPECT_EQ(form->pedalPointValueLabel->text(), QStringLiteral("( 1,5 , 0 )"));
    const auto blue = BluePoints(RecordFrame());
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_NEAR(blue[0].x(), 508.5, 0.01);
    EXPECT_NEAR(blue[0].y(), OriginY, 0.01);
}

TEST_F(PedalPointTest, AFailingXChangesNothingAndTheProgramGoesOn)
{
    Type(form->pedalXEdit, QStringLiteral("abc"));
    Type(form->pedalYEdit, QStringLiteral("2"));
    const long shown = ShownExceptionCount();
    EXPECT_EQ(CloseFailureBoxes([&] { Click(form->pedalPointSetButton); }), 1);
    EXPECT_EQ(ShownExceptionCount(), shown + 1);
    ExpectP(0, 0);
    Settle();
    const long before = Frames();
    form->TimerTick();
    EXPECT_TRUE(Redrawn(before));
    EXPECT_EQ(form->pedalPointValueLabel->text(), QStringLiteral("( 0 , 0 )"));

    Type(form->pedalXEdit, QStringLiteral("-0,5"));
    Click(form->pedalPointSetButton);
    ExpectP(-0.5, 2);
}

}  // namespace
