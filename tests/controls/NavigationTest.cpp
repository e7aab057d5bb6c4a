// Exploring by hand through real events: the wheel zooms about the pointer,
// a middle or Shift + left drag pans, Home resets the view, the arrow keys move P.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "model/NumberText.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

namespace {

class NavigationTest : public CommaWindowTest {
protected:
    void Wheel(QPoint at, int angle)
    {
        QWheelEvent wheel(QPointF(at), QPointF(form->Picture->mapToGlobal(at)), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form->Picture, &wheel);
    }
    void Drag(QPoint from, QPoint to, Qt::MouseButton button, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QTest::mousePress(form->Picture, button, keys, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(form->Picture->mapToGlobal(to)), Qt::NoButton, button,
                         keys);
        QApplication::sendEvent(form->Picture, &move);
        QTest::mouseRelease(form->Picture, button, keys, to);
    }
    // The client pixel of a world point in the frame last drawn.
    QPointF PixelOf(double x, double y) const
    {
        const FrameGeometry at = form->Geometry();
        return {at.originX + x * at.unitPixels, at.originY - y * at.unitPixels};
    }
    // Each label shows its edge to the digits the scale resolves, cut short
    // where it would run under its spinner, and the whole value in its tooltip.
    void ExpectLabelsShowTheView()
    {
        const struct {
            QLabel *label;
            QWidget *spinner;
            float edge;
        } edges[] = {{form->xMinValueLabel, form->xMinSpinner, form->scene.xMin},
                     {form->xMaxValueLabel, form->xMaxSpinner, form->scene.xMax},
                     {form->yMinValueLabel, form->yMinSpinner, form->scene.yMin},
                     {form->yMaxValueLabel, form->yMaxSpinner, form->scene.yMax}};
        for (const auto &e : edges) {
            const QString whole = FloatToStr(e.edge);
            const QString readable = ReadableDigits{form->Geometry().unitPixels}.Text(e.edge);
            const QString shown = e.label->text();
            EXPECT_EQ(e.label->toolTip(), whole);
            if (shown != readable) {
                EXPECT_TRUE(shown.endsWith(QChar(0x2026)) && readable.startsWith(shown.chopped(1)))
                    << shown.toStdString();
            }
            EXPECT_LE(e.label->x() + e.label->width(), e.spinner->x()) << whole.toStdString();
        }
    }
};

TEST_F(NavigationTest, TheWorldPointUnderThePointerStaysThere)
{
    // In and out at several places, past what the half-unit spinners can make.
    const struct {
        QPoint at;
        int angle;  // eighths of a degree; 120 is one notch
    } turns[] = {{{300, 120}, 120}, {{300, 120}, 120}, {{520, 300}, 240}, {{250, 330}, -120}, {{405, 207}, 60},
                 {{600, 50}, -360}, {{150, 400}, 120}, {{480, 260}, -30}, {{480, 260}, 480}};
    for (const auto &turn : turns) {
        const double wx = (turn.at.x() - form->Geometry().originX) / form->Geometry().unitPixels;
        const double wy = (form->Geometry().originY - turn.at.y()) / form->Geometry().unitPixels;
        const double width = double(form->scene.xMax) - form->scene.xMin;
        Wheel(turn.at, turn.angle);
        const QPointF now = PixelOf(wx, wy);
        EXPECT_NEAR(now.x(), turn.at.x(), 1.0) << turn.angle;
        EXPECT_NEAR(now.y(), turn.at.y(), 1.0) << turn.angle;
        EXPECT_NEAR((double(form->scene.xMax) - form->scene.xMin) / width, std::pow(1.25, -turn.angle / 120.0), 1e-5);
        EXPECT_EQ(form->Geometry().unitPixels, std::trunc(form->Geometry().unitPixels));  // whole pixels per unit
        ExpectLabelsShowTheView();
    }
    // The grid of an arbitrary view stays on the world's half units.
    const auto lines = LinesOf(RecordFrame(), colour::Grey);
    ASSERT_FALSE(lines.empty());
    for (const FeedbackPrimitive &line : lines) {
        const FeedbackVertex &v = line.vertices[0];
        const bool column = std::abs(v.x - line.vertices[1].x) < 1e-3;
        const double world = column ? (v.x - form->Geometry().originX) / form->Geometry().unitPixels
                                    : (form->Geometry().originY - v.y) / form->Geometry().unitPixels;
        EXPECT_NEAR(2 * world, std::round(2 * world), 2e-3) << (column ? "column " : "row ") << world;
    }
}

TEST_F(NavigationTest, ZoomStopsAtItsLimitsWithoutANaN)
{
    for (int notch = 0; notch < 120; ++notch)
        Wheel({405, 207}, 120);
    EXPECT_GE(double(form->scene.xMax) - form->scene.xMin, 1e-4);
    EXPECT_GT(form->scene.xMax, form->scene.xMin);
    for (int notch = 0; notch < 240; ++notch)
        Wheel({300, 100}, -120);
    const double width = double(form->scene.xMax) - form->scene.xMin;
    EXPECT_LE(width, 1e6);
    EXPECT_GE(form->Geometry().unitPixels, 1.0f);  // never zoomed out of the picture
    for (float v : {form->scene.xMin, form->scene.xMax, form->scene.yMin, form->scene.yMax, form->Geometry().originX,
                    form->Geometry().originY})
        EXPECT_TRUE(std::isfinite(v));
    // Further notches do nothing.
    Wheel({300, 100}, -120);
    EXPECT_EQ(double(form->scene.xMax) - form->scene.xMin, width);
    ExpectLabelsShowTheView();
}

TEST_F(NavigationTest, DragsPanOrMovePAndHomeResets)
{
    Drag({300, 200}, {369, 131}, Qt::MiddleButton);  // one unit right and up
    EXPECT_FLOAT_EQ(form->scene.xMin, -4);
    EXPECT_FLOAT_EQ(form->scene.yMin, -4);
    Drag({300, 200}, {231, 200}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(form->scene.xMin, -3);
    EXPECT_EQ(form->scene.pedalX, 0.0f);  // a pan leaves P
    ExpectLabelsShowTheView();
    // The spinners step on from the new edges.
    Click(form->yMinSpinner->NextArrow());
    EXPECT_FLOAT_EQ(form->scene.yMin, -3.5f);

    QTest::mouseClick(form->Picture, Qt::RightButton, {}, {10, 10});  // focus, and no drag
    form->Picture->setFocus();
    QTest::keyClick(form->Picture, Qt::Key_Home);
    EXPECT_EQ(form->scene.xMin, -3.0f);
    EXPECT_EQ(form->scene.xMax, 3.0f);
    EXPECT_EQ(form->scene.yMin, -3.0f);
    EXPECT_EQ(form->scene.yMax, 3.0f);
    ExpectLabelsShowTheView();
}

TEST_F(NavigationTest, ArrowKeysMovePByPixels)
{
    form->Picture->setFocus();
    QTest::keyClick(form->Picture, Qt::Key_Right);
    QTest::keyClick(form->Picture, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(form->scene.pedalX, float(1.0 / InitialUnit));
    EXPECT_FLOAT_EQ(form->scene.pedalY, float(10.0 / InitialUnit));
    const auto blue = BluePoints(RecordFrame());
    ASSERT_FALSE(blue.empty());
    EXPECT_NEAR(blue.back().x(), InitialOriginX + 1, 1e-3);
    EXPECT_NEAR(blue.back().y(), InitialOriginY - 10, 1e-3);
}

}  // namespace
