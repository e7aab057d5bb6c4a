// The readout beside the curve list, and the one-line tooltips of the controls.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "ControlTestSupport.h"
#include "drawing/ViewZoom.h"
#include "model/NumberText.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

namespace {

class ReadoutTest : public CommaWindowTest {
protected:
    // Selects the point at t of a curve as a user does; the readout's lines.
    QStringList At(int curve, const char *t)
    {
        ChooseFromList(form->curveList, curve);
        Type(form->selectedTEdit, QString::fromLatin1(t));
        Click(form->selectedPointSetButton);
        return form->Readout->text().split(QLatin1Char('\n'));
    }
};

TEST_F(ReadoutTest, EuclideanValuesAndCurvature)
{
    EXPECT_EQ(At(0, "0"), QStringList({"", "Q ( 1 , 0 )", "V ( 0 , 1 )", "F ( 1 , 0 )", "Curvature 1"}));
    EXPECT_EQ(At(1, "0").value(4), "Curvature 2");
    // Ellipse (2 cos t, sin t): k = 2 / (4 sin^2 t + cos^2 t)^(3/2), every digit in the tooltip.
    At(1, "1");
    QString k = form->Readout->toolTip().split('\n').value(4);
    ASSERT_TRUE(k.startsWith("Curvature "));
    const double s = std::sin(1.0), c = std::cos(1.0);
    EXPECT_NEAR(k.mid(10).replace(',', '.').toDouble(), 2 / std::pow(4 * s * s + c * c, 1.5), 1e-6);
}

TEST_F(ReadoutTest, MinkowskiTangentTypesAndTheMissingFoot)
{
    Click(form->minkowskiCheck);
    // Parabola (t^2/2, t), tangent (t, 1): lightlike at t = 1, spacelike at t = 2.
    EXPECT_EQ(At(2, "1"), QStringList({"", "Q ( 0,5 , 1 )", "V ( 1 , 1 )", "F: no foot", "Lightlike tangent"}));
    EXPECT_EQ(At(2, "2").value(4), "Spacelike tangent");
    // Hyperbola: <V, V> = sinh^2 t - cosh^2 t = -1.
    EXPECT_EQ(At(3, "0").value(4), "Timelike tangent");
}

TEST_F(ReadoutTest, PointerLineWhileOverThePictureAndLongNumbersFit)
{
    Type(form->pedalYEdit, "-12,3456789012345");
    Click(form->pedalPointSetButton);
    At(3, "-3,14");
    form->pointerOverPicture = true;
    form->pointerX = -1.23456789012345e-05;
    form->pointerY = -12.3456789012345;
    form->ShowReadout();
    EXPECT_EQ(form->Readout->toolTip().section('\n', 0, 0), "Pointer ( -1,23456793517107e-05 , -12,3456792831421 )");
    // The longest lines fit the free area, which overlaps no other control.
    const QRect area = form->Readout->geometry();
    EXPECT_LE(QFontMetrics(form->Readout->font()).boundingRect(area, Qt::TextWordWrap, form->Readout->text()).height(),
              area.height());
    for (QWidget *other : form->drawingPanel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(other == form->Readout || !other->geometry().intersects(area)) << other->objectName().toStdString();
    form->pointerOverPicture = false;
    form->ShowReadout();
    EXPECT_EQ(form->Readout->text().section('\n', 0, 0), "");
}

// The readout and the view's edges show the digits the scale resolves, one
// more than a pixel needs; zoomed in, more of them.
TEST_F(ReadoutTest, DigitsFollowTheScale)
{
    At(1, "1");  // ellipse: Q = (2 cos 1, sin 1) = (1.0806046..., 0.8414709...)
    struct Zoom {
        ViewWindow view;
        const char *q;
        const char *edge;
    } zooms[] = {{{-30, 30, -30, 30}, "Q ( 1,08 , 0,84 )", "-30"},  // 7 pixels a unit
                 {{-3, 3, -3, 3}, "Q ( 1,081 , 0,841 )", "-3"},     // 75
                 // 4 million: as many digits as single precision holds
                 {{1.0806f, 1.0807f, 0.8414f, 0.8415f}, "Q ( 1,08060455 , 0,84147096 )", "1,"}};
    const QString full =
        "Q ( " + FloatToStr(float(2 * std::cos(1.0))) + " , " + FloatToStr(float(std::sin(1.0))) + " )";
    for (const Zoom &zoom : zooms) {
        form->SetViewWindow(zoom.view);
        const float unitPixels = form->drawnGeometry.unitPixels;
        EXPECT_EQ(form->Readout->text().split('\n').value(1), zoom.q) << unitPixels;
        EXPECT_EQ(form->Readout->toolTip().split('\n').value(1), full);
        EXPECT_TRUE(form->xMinValueLabel->text().startsWith(zoom.edge)) << form->xMinValueLabel->text().toStdString();
        EXPECT_EQ(form->xMinValueLabel->toolTip(), FloatToStr(zoom.view.xMin));
    }
}

TEST_F(ReadoutTest, EveryControlSaysWhatItDoes)
{
    for (const QWidget *control : std::initializer_list<QWidget *>{
             form->gridCheck, form->tangentNormalCheck, form->selectedPointCheck, form->singularTangentsCheck,
             form->euclideanCheck, form->minkowskiCheck, form->animationCheck, form->stepSpinner, form->xMinSpinner,
             form->xMaxSpinner, form->yMinSpinner, form->yMaxSpinner, form->pedalPointSetButton,
             form->selectedPointSetButton, form->rangeSetButton, form->curveList, form->selectedPointTrack,
             form->Picture})
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
    EXPECT_TRUE(form->Picture->toolTip().contains("Wheel: zoom"));
    // A field's tooltip says what it is for, then its whole text.
    for (QLineEdit *field :
         {form->pedalXEdit, form->pedalYEdit, form->selectedTEdit, form->tMinEdit, form->tMaxEdit, form->stepEdit})
        EXPECT_TRUE(field->toolTip().endsWith(": " + field->text())) << field->toolTip().toStdString();
    Type(form->tMaxEdit, "6,28318548202515");
    EXPECT_EQ(form->tMaxEdit->toolTip(), "End of the parameter range: 6,28318548202515");
}

}  // namespace
