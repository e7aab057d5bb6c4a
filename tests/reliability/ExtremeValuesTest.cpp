// Extreme but valid values: far pedal points, huge, stalling and empty
// parameter ranges, empty and unscalable view windows, tiny and huge client
// areas, every curve in both planes with every toggle on. Every frame
// finishes without a GL error, and the normal picture comes back with sane
// values.
#include <GL/gl.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>

#include "ReliabilitySupport.h"
#include "WindowFixture.h"
#include "controls/ControlTestSupport.h"
#include "maths/Sampling.h"
#include "model/NumberText.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

namespace {

class Extreme : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // A tangent line leaves line smoothing on for the grid of every later
        // frame, as every case below does: the normal picture is the one after that.
        form->tangentNormalCheck->setChecked(true);
        form->Redraw();
        form->tangentNormalCheck->setChecked(false);
        normal = Grab();
        ASSERT_EQ(PictureGlError(*form), unsigned(GL_NO_ERROR));
    }

    // A frame of the current state, painted even if the last one showed it.
    void CleanFrame(const std::string &what)
    {
        SCOPED_TRACE(what);
        const long frames = form->Picture->frameCount;
        form->Picture->Invalidate();
        form->Redraw();
        if (form->Picture->width() > 0 && form->Picture->height() > 0) {
            EXPECT_GT(form->Picture->frameCount, frames);
        }
        EXPECT_EQ(PictureGlError(*form), unsigned(GL_NO_ERROR));
        EXPECT_GE(form->Geometry().unitPixels, 0.0f) << "the scale is never negative";
    }

    void SetRange(const QString &tMin, const QString &tMax)
    {
        form->tMinEdit->setText(tMin);
        form->tMaxEdit->setText(tMax);
        QTest::mouseClick(form->rangeSetButton, Qt::LeftButton);
    }

    void SetPlane(bool minkowski)
    {
        // As the plane boxes leave them; their handlers are tested elsewhere.
        form->euclideanCheck->setChecked(!minkowski);
        form->minkowskiCheck->setChecked(minkowski);
        form->scene.plane = minkowski ? Plane::Minkowski : Plane::Euclidean;
    }

    // Every curve in both planes with every display toggle on; `range`, when
    // given, is typed after each curve choice (which sets the curve's own range).
    void EveryCurveAndPlane(const std::function<void()> &range = {})
    {
        for (QCheckBox *box : {form->gridCheck, form->tangentNormalCheck, form->selectedPointCheck,
                               form->singularTangentsCheck, form->animationCheck})
            box->setChecked(true);
        for (int curve = 0; curve < 10; ++curve) {
            for (bool minkowski : {false, true}) {
                ChooseFromList(form->curveList, curve);
                SetPlane(minkowski);
                if (range)
                    range();
                CleanFrame("curve " + std::to_string(curve) + (minkowski ? " Minkowski" : " Euclidean"));
            }
        }
    }

    // Sane values again, set the way a user sets them: the picture is the
    // initial one, pixel for pixel.
    void ExpectNormalPictureBack()
    {
        ASSERT_TRUE(ResizeClient(*form, QSize(MainWindow::DesignedClientWidth, MainWindow::DesignedClientHeight)));
        form->scene.xMin = form->scene.yMin = -3;
        form->scene.xMax = form->scene.yMax = 3;
        for (QCheckBox *box :
             {form->tangentNormalCheck, form->selectedPointCheck, form->singularTangentsCheck, form->animationCheck})
            box->setChecked(false);
        form->gridCheck->setChecked(true);
        SetPlane(false);
        ChooseFromList(form->curveList, 0);  // the circle and its range, written into the fields
        QTest::mouseClick(form->rangeSetButton, Qt::LeftButton);
        form->pedalXEdit->setText(QStringLiteral("0"));
        form->pedalYEdit->setText(QStringLiteral("0"));
        QTest::mouseClick(form->pedalPointSetButton, Qt::LeftButton);
        EXPECT_EQ(PictureGlError(*form), unsigned(GL_NO_ERROR));
        EXPECT_TRUE(Grab() == normal) << "the picture of the initial state differs";
    }

    // Curve points (dark green) of one recorded frame.
    size_t CurvePoints()
    {
        return OfColour(RecordFrame(64 * 1024 * 1024), FeedbackPrimitive::Point, 0, 0.45f, 0).size();
    }

    QImage normal;
};

TEST_F(Extreme, EveryCurveInBothPlanesWithEveryToggleOn)
{
    EveryCurveAndPlane();
    ExpectNormalPictureBack();
}

TEST_F(Extreme, PedalPointFarAway)
{
    form->pedalXEdit->setText(FloatToStr(1e30f));
    form->pedalYEdit->setText(FloatToStr(-1e30f));
    QTest::mouseClick(form->pedalPointSetButton, Qt::LeftButton);
    ASSERT_EQ(form->scene.pedalX, 1e30f);
    ASSERT_EQ(form->scene.pedalY, -1e30f);
    EveryCurveAndPlane([this] {
        // One unit of t keeps the frames short; P is what is extreme here.
        SetRange(QStringLiteral("0"), QStringLiteral("1"));
    });
    ExpectNormalPictureBack();
}

struct RangeCase {
    const char *name;
    float tMin, tMax;
    bool drawsCurve;
};

class ExtremeRange : public Extreme, public ::testing::WithParamInterface<RangeCase> {};

void PrintTo(const RangeCase &c, std::ostream *out)
{
    *out << c.name;
}

TEST_P(ExtremeRange, FramesFinishWithinTheSampleBudget)
{
    const RangeCase &c = GetParam();
    auto typeRange = [&] { SetRange(FloatToStr(c.tMin), FloatToStr(c.tMax)); };
    typeRange();
    ASSERT_EQ(form->scene.tMin, c.tMin);
    ASSERT_EQ(form->scene.tMax, c.tMax);
    // The exact sequence of samples would stall at |t| = 2048 or run for
    // billions of samples: the frame stops at the budget.
    const size_t points = CurvePoints();
    EXPECT_LE(points, size_t(SampleBudget));
    EXPECT_EQ(points > 0, c.drawsCurve);
    EveryCurveAndPlane(typeRange);
    ExpectNormalPictureBack();
}

INSTANTIATE_TEST_SUITE_P(Ranges, ExtremeRange,
                         ::testing::Values(RangeCase{"Million", -1e6f, 1e6f, true},
                                           RangeCase{"Across2048", 2047, 2049, true},
                                           RangeCase{"AcrossMinus2048", -2049, -2047, true},
                                           RangeCase{"Reversed", 1, -1, false}, RangeCase{"Empty", 1, 1, false}),
                         [](const ::testing::TestParamInfo<RangeCase> &range) {
                             return std::string(range.param.name);
                         });

struct ViewCase {
    const char *name;
    float xMin, xMax, yMin, yMax;
    QSize client;
    bool scaleZero;  // no whole pixel per unit fits
};

void PrintTo(const ViewCase &c, std::ostream *out)
{
    *out << c.name;
}

class ExtremeView : public Extreme, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(ExtremeView, FramesStayCleanAndTheScaleIsNeverNegative)
{
    const ViewCase &c = GetParam();
    ASSERT_TRUE(ResizeClient(*form, c.client));
    form->scene.xMin = c.xMin;
    form->scene.xMax = c.xMax;
    form->scene.yMin = c.yMin;
    form->scene.yMax = c.yMax;
    CleanFrame("first frame");
    EXPECT_EQ(form->Geometry().unitPixels == 0, c.scaleZero) << form->Geometry().unitPixels;
    EveryCurveAndPlane([this] { SetRange(QStringLiteral("-0.5"), QStringLiteral("0.5")); });
    ExpectNormalPictureBack();
}

INSTANTIATE_TEST_SUITE_P(Views, ExtremeView,
                         ::testing::Values(
                             // More world units across than the free area has pixels: scale 0.
                             ViewCase{"WiderThanThePixels", -500, 500, -3, 3, QSize(1091, 690), true},
                             // An empty window keeps the scale of the frame before.
                             ViewCase{"Reversed", 2, -2, -3, 3, QSize(1091, 690), false},
                             // Smaller than the panels: the scale is clamped to 0, never negative.
                             ViewCase{"TinyClient", -3, 3, -3, 3, QSize(100, 100), true},
                             ViewCase{"HugeClient", -3, 3, -3, 3, QSize(3000, 2000), false},
                             // Half units beyond single precision: no grid line is countable.
                             ViewCase{"BeyondSinglePrecision", -3.4e38f, 3.4e38f, -3, 3, QSize(1091, 690), true}),
                         [](const ::testing::TestParamInfo<ViewCase> &view) { return std::string(view.param.name); });

TEST_F(Extreme, AHugeStepStopsAtTheEndsOfTheRange)
{
    SetRange(QStringLiteral("-1"), QStringLiteral("1"));
    form->animationCheck->setChecked(true);
    struct Case {
        float step;
        bool forward;
        int position;  // after one tick
    };
    // A step beyond every position of the track bar is cut off at the end it runs to.
    const Case cases[] = {{1e30f, true, 100}, {1e30f, false, -100}, {-1e30f, true, -100}, {-1e30f, false, 100}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.step) + (c.forward ? " forward" : " backward"));
        form->scene.track.SetPosition(0);
        form->scene.tStep = c.step;
        form->scene.animationForward = c.forward;
        form->TimerTick();
        EXPECT_EQ(form->selectedPointTrack->Position(), c.position);

        form->scene.track.SetPosition(0);
        form->StepSpinnerClick(c.forward);
        EXPECT_EQ(form->selectedPointTrack->Position(), c.position) << "spinner";
    }
}

}  // namespace
