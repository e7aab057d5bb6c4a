// The four spinners move the edges of the view window by half a unit; the
// drawing area rescales at the redraw each click makes.
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <string>

#include "ControlTestSupport.h"
#include "window/controls/Adapters.h"

namespace {

class ViewWindowTest : public CommaWindowTest {
protected:
    // Clicks on one arrow; each click is to be drawn before the next.
    void Spin(Spinner *spinner, bool next, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            const long before = Frames();
            QTest::mouseClick(next ? spinner->NextArrow() : spinner->PreviousArrow(), Qt::LeftButton);
            EXPECT_TRUE(Redrawn(before)) << "click " << i + 1;
        }
    }
    // The frame drawn for the current view window matches the mapping rules.
    void ExpectArea()
    {
        const ExpectedArea want = AreaFor(form->scene.xMin, form->scene.xMax, form->scene.yMin, form->scene.yMax);
        EXPECT_EQ(form->Geometry().unitPixels, float(want.unitPixels));
        const auto frame = RecordFrame();
        const QRectF white = WhiteArea(frame);
        ASSERT_FALSE(white.isNull());
        EXPECT_NEAR(white.left(), want.left, 0.01);
        EXPECT_NEAR(white.right(), want.right, 0.01);
        EXPECT_NEAR(white.top(), want.top, 0.01);
        EXPECT_NEAR(white.bottom(), want.bottom, 0.01);
        // P sits at the world origin.
        const auto blue = BluePoints(frame);
        ASSERT_EQ(blue.size(), 1u);
        EXPECT_NEAR(blue[0].x(), want.originX, 0.01);
        EXPECT_NEAR(blue[0].y(), want.originY, 0.01);
    }
};

struct Edge {
    const char *name;
    Spinner *MainWindow::*spinner;
    QLabel *MainWindow::*label;
    float Scene::*edge;
    float initial;
    const char *afterNext;
    const char *afterPrevious;
};

TEST_F(ViewWindowTest, EachSpinnerMovesItsEdgeByHalfAUnit)
{
    const Edge edges[] = {
        {"x min", &MainWindow::xMinSpinner, &MainWindow::xMinValueLabel, &Scene::xMin, -3, "-2,5", "-3"},
        {"x max", &MainWindow::xMaxSpinner, &MainWindow::xMaxValueLabel, &Scene::xMax, 3, "3,5", "3"},
        {"y min", &MainWindow::yMinSpinner, &MainWindow::yMinValueLabel, &Scene::yMin, -3, "-2,5", "-3"},
        {"y max", &MainWindow::yMaxSpinner, &MainWindow::yMaxValueLabel, &Scene::yMax, 3, "3,5", "3"},
    };
    for (const Edge &e : edges) {
        SCOPED_TRACE(e.name);
        const Scene before = form->scene;
        Spin(form.get()->*e.spinner, true);
        EXPECT_EQ(form->scene.*e.edge, e.initial + 0.5f);
        EXPECT_EQ((form.get()->*e.label)->text(), QString::fromLatin1(e.afterNext));
        // The other three edges stay.
        for (float Scene::*other : {&Scene::xMin, &Scene::xMax, &Scene::yMin, &Scene::yMax}) {
            if (other != e.edge) {
                EXPECT_EQ(form->scene.*other, before.*other);
            }
        }
        ExpectArea();

        Spin(form.get()->*e.spinner, false);
        EXPECT_EQ(form->scene.*e.edge, e.initial);
        EXPECT_EQ((form.get()->*e.label)->text(), QString::fromLatin1(e.afterPrevious));
    }
}

TEST_F(ViewWindowTest, AnEmptyWindowIsAcceptedAndDrawnWithThePreviousScale)
{
    Spin(form->xMinSpinner, true, 11);
    ASSERT_EQ(form->scene.xMin, 2.5f);
    const float unit = form->Geometry().unitPixels;
    const int width = form->Geometry().plotWidthPixels;
    Spin(form->xMinSpinner, true);
    EXPECT_EQ(form->scene.xMin, 3.0f);
    EXPECT_EQ(form->scene.xMax, 3.0f);
    EXPECT_EQ(form->xMinValueLabel->text(), QStringLiteral("3"));
    EXPECT_EQ(form->Geometry().unitPixels, InitialUnit);
    EXPECT_EQ(form->Geometry().unitPixels, unit);
    EXPECT_EQ(form->Geometry().plotWidthPixels, width);

    // The frame is complete but for the white area.
    const auto frame = RecordFrame();
    EXPECT_TRUE(WhiteArea(frame).isNull());
    EXPECT_EQ(BluePoints(frame).size(), 1u);
    EXPECT_EQ(form->pedalPointValueLabel->text(), QStringLiteral("( 0 , 0 )"));

    // One step back gives a drawable window again.
    Spin(form->xMinSpinner, false);
    EXPECT_EQ(form->xMinValueLabel->text(), QStringLiteral("2,5"));
    ExpectArea();
}

TEST_F(ViewWindowTest, AWiderWindowZoomsOut)
{
    // Wider in x: the height still limits the scale, the area grows sideways.
    Spin(form->xMaxSpinner, true, 2);
    Spin(form->xMinSpinner, false, 2);
    EXPECT_EQ(form->scene.xMin, -4.0f);
    EXPECT_EQ(form->scene.xMax, 4.0f);
    EXPECT_EQ(form->xMinValueLabel->text(), QStringLiteral("-4"));
    EXPECT_EQ(form->xMaxValueLabel->text(), QStringLiteral("4"));
    ExpectArea();
    EXPECT_EQ(form->Geometry().plotWidthPixels, 8 * InitialUnit);

    // Taller as well: fewer pixels per unit.
    Spin(form->yMaxSpinner, true);
    Spin(form->yMinSpinner, false);
    EXPECT_EQ(form->yMinValueLabel->text(), QStringLiteral("-3,5"));
    EXPECT_EQ(form->yMaxValueLabel->text(), QStringLiteral("3,5"));
    EXPECT_LT(form->Geometry().unitPixels, InitialUnit);
    ExpectArea();
}

TEST_F(ViewWindowTest, AWindowBesideTheOriginPutsTheOriginOutsideTheArea)
{
    // x from 1 to 3: the origin is one unit left of the drawing area.
    Spin(form->xMinSpinner, true, 8);
    EXPECT_EQ(form->scene.xMin, 1.0f);
    ExpectArea();
    EXPECT_NEAR(form->Geometry().originX, AreaFor(1, 3, -3, 3).left - form->Geometry().unitPixels, 0.01);
}

}  // namespace
