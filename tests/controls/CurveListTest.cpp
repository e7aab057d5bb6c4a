// The curve list: a choice gives the curve its parameter range in the plot,
// the two range fields and the track bar; opening the list sets -5..5 at
// once. Neither redraws: the next tick shows the change.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "ControlTestSupport.h"
#include "window/controls/Adapters.h"

namespace {

class CurveListTest : public CommaWindowTest {
protected:
    void ExpectRange(float tMin, float tMax, const char *minText, const char *maxText, int min, int max)
    {
        EXPECT_EQ(form->scene.tMin, tMin);
        EXPECT_EQ(form->scene.tMax, tMax);
        EXPECT_EQ(form->tMinEdit->text(), QString::fromLatin1(minText));
        EXPECT_EQ(form->tMaxEdit->text(), QString::fromLatin1(maxText));
        EXPECT_EQ(form->selectedPointTrack->Min(), min);
        EXPECT_EQ(form->selectedPointTrack->Max(), max);
    }
};

struct Choice {
    int index;
    const char *name;
    float tMin, tMax;
    const char *minText, *maxText;
    int min, max;
};

const float Pi = float(3.141592653589793);
const float TwoPi = float(6.283185307179586);

TEST_F(CurveListTest, EachCurveGetsItsRange)
{
    const Choice choices[] = {
        {3, "Hyperbola", -Pi, Pi, "-3,14159274101257", "3,14159274101257", -314, 314},
        {2, "Parabola", -10, 10, "-10", "10", -1000, 1000},
        {0, "Circle", 0, TwoPi, "0", "6,28318548202515", 0, 628},
        {4, "Graph of y=x^3", -5, 5, "-5", "5", -500, 500},
        {1, "Ellipse", 0, TwoPi, "0", "6,28318548202515", 0, 628},
        {5, "Graph of y=x^4", -5, 5, "-5", "5", -500, 500},
        {7, "Graph of y=x^6", -3, 3, "-3", "3", -300, 300},
        {6, "Graph of y=x^5", -5, 5, "-5", "5", -500, 500},
        {9, "Graph of y=1/6x^6-1/4x^4", -3, 3, "-3", "3", -300, 300},
        {8, "Graph of y=x^3-2x", -5, 5, "-5", "5", -500, 500},
    };
    for (const Choice &c : choices) {
        SCOPED_TRACE(c.name);
        const long frames = Frames();
        ChooseFromList(form->curveList, c.index);
        ASSERT_EQ(form->curveList->currentText(), QString::fromLatin1(c.name));
        ExpectRange(c.tMin, c.tMax, c.minText, c.maxText, c.min, c.max);
        // Nothing else moves, and nothing is drawn yet.
        EXPECT_EQ(form->scene.currentT, 0.0f);
        EXPECT_EQ(form->scene.tStep, float(0.05));
        EXPECT_EQ(form->scene.pedalX, 0.0f);
        EXPECT_EQ(form->selectedPointTrack->Position(), 0);
        Settle();
        EXPECT_EQ(Frames(), frames);
    }
}

TEST_F(CurveListTest, ChoosingTheShownCurveAgainGivesItsRangeBack)
{
    // Opening the list sets -5..5; the curve shown, chosen again, has its own range.
    ChooseFromList(form->curveList, 0);
    ExpectRange(0, TwoPi, "0", "6,28318548202515", 0, 628);
    ChooseFromList(form->curveList, 3);
    ChooseFromList(form->curveList, 3);
    ExpectRange(-Pi, Pi, "-3,14159274101257", "3,14159274101257", -314, 314);
}

TEST_F(CurveListTest, TheRangeFieldsShowTheStartOfTheirNumbers)
{
    ChooseFromList(form->curveList, 3);
    for (QLineEdit *field : {form->tMinEdit, form->tMaxEdit}) {
        SCOPED_TRACE(field->objectName().toStdString());
        EXPECT_EQ(field->width(), 30);
        // A field shows the part of its text around the cursor; its tooltip, all of it.
        EXPECT_EQ(field->cursorPosition(), 0);
        EXPECT_TRUE(field->toolTip().endsWith(QStringLiteral(": ") + field->text()));
    }
}

TEST_F(CurveListTest, TheKeyboardChoosesTooAndTheNextTickDrawsTheCurve)
{
    form->curveList->setFocus();
    QTest::keyClick(form->curveList, Qt::Key_Down);
    QTest::keyClick(form->curveList, Qt::Key_Down);
    QTest::keyClick(form->curveList, Qt::Key_Down);
    ASSERT_EQ(form->curveList->currentIndex(), 3);
    ExpectRange(-Pi, Pi, "-3,14159274101257", "3,14159274101257", -314, 314);

    QTest::keyClick(form->curveList, Qt::Key_Down);  // Graph of y=x^3
    ExpectRange(-5, 5, "-5", "5", -500, 500);
    const long frames = Frames();
    form->TimerTick();
    EXPECT_TRUE(Redrawn(frames));
    // The cubic passes through (0.5, 0.125); the circle is gone.
    bool cubic = false, circle = false;
    for (const QPointF &p : PointsOf(RecordFrame(), colour::Green)) {
        cubic |= std::hypot(p.x() - (InitialOriginX + 0.5 * InitialUnit),
                            p.y() - (InitialOriginY - 0.125 * InitialUnit)) < 0.6;
        circle |= std::hypot(p.x() - (InitialOriginX + InitialUnit), p.y() - InitialOriginY) < 0.6;
    }
    EXPECT_TRUE(cubic);
    EXPECT_FALSE(circle);
}

TEST_F(CurveListTest, ANarrowerRangeClampsTheSelectedPoint)
{
    Type(form->selectedTEdit, QStringLiteral("6"));
    const long frames = Frames();
    Click(form->selectedPointSetButton);
    EXPECT_TRUE(Redrawn(frames));
    ASSERT_EQ(form->selectedPointTrack->Position(), 600);
    ChooseFromList(form->curveList, 7);
    ExpectRange(-3, 3, "-3", "3", -300, 300);
    EXPECT_EQ(form->selectedPointTrack->Position(), 300);
    EXPECT_EQ(form->scene.currentT, 6.0f) << "the handler leaves the selected parameter to the next frame";
}

TEST_F(CurveListTest, ATypedRangeIsReplacedByTheNextChoice)
{
    Type(form->tMinEdit, QStringLiteral("-1"));
    Type(form->tMaxEdit, QStringLiteral("1"));
    Click(form->rangeSetButton);
    ASSERT_EQ(form->selectedPointTrack->Min(), -100);
    ChooseFromList(form->curveList, 1);
    ExpectRange(0, TwoPi, "0", "6,28318548202515", 0, 628);
    EXPECT_EQ(form->selectedPointTrack->Position(), 0);
}

TEST_F(CurveListTest, OpeningTheListSetsMinusFiveToFiveAtOnce)
{
    ChooseFromList(form->curveList, 3);
    const long frames = Frames();
    form->curveList->showPopup();
    ExpectRange(-5, 5, "-5", "5", -500, 500);
    form->curveList->hidePopup();
    Settle();
    // Closed without a choice: the hyperbola stays selected with -5..5.
    EXPECT_EQ(form->curveList->currentIndex(), 3);
    ExpectRange(-5, 5, "-5", "5", -500, 500);
    EXPECT_EQ(Frames(), frames);
}

}  // namespace
