#include "DrawingFixture.h"

#include <QCheckBox>
#include <QTimer>
#include <GL/gl.h>
#include <cmath>

#include "app/Form1.h"
#include "app/PlotState.h"
#include "controls/Adapters.h"

ScratchContext *DrawingTest::context = nullptr;

void DrawingTest::SetUpTestSuite()
{
    if (!Form1) {
        new TForm1;  // the designed 1091 x 690 client area, never shown
        Form1->Timer1->stop();
    }
    context = new ScratchContext;
}

void DrawingTest::TearDownTestSuite()
{
    delete context;
    context = nullptr;
}

void DrawingTest::SetUp()
{
    ResetPlotState();
    SetScale(69);
    for (QCheckBox *box : {Form1->CheckBox2, Form1->CheckBox3, Form1->CheckBox7})
        box->setChecked(false);
    Form1->TrackBar1->SetMin(0);
    Form1->TrackBar1->SetMax(628);
    Form1->TrackBar1->SetPosition(0);
}

void DrawingTest::SetScale(float unit)
{
    plot.unitPixels = unit;
    plot.gridStepPixels = float(double(unit) * 0.5);
    plot.plotWidthPixels = int(6 * double(unit));
    plot.plotHeightPixels = int(6 * double(unit));
    plot.gridXFrom = plot.gridYFrom = -6;
    plot.gridXTo = plot.gridYTo = 6;
}

std::vector<FeedbackPrimitive> DrawingTest::Record(void (*draw)(float), float curveIndex)
{
    std::vector<float> buffer(4 * 1024 * 1024);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw(curveIndex);
    const int used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "feedback buffer overflow";
    return used < 0 ? std::vector<FeedbackPrimitive>{} : ParseFeedback(buffer, used, TForm1::DesignedClientHeight);
}

WorldPoint DrawingTest::ToWorld(const FeedbackVertex &v)
{
    return {(double(v.x) - plot.originX) / plot.unitPixels, -(double(v.y) - plot.originY) / plot.unitPixels};
}

bool DrawingTest::HasColour(const FeedbackVertex &v, double r, double g, double b)
{
    const double tol = 1e-6;
    return std::abs(v.r - r) < tol && std::abs(v.g - g) < tol && std::abs(v.b - b) < tol;
}

void Select(Plane plane)
{
    plot.euclideanPlane = plane == Plane::Euclidean;
    plot.minkowskiPlane = plane == Plane::Minkowski;
}

const char *Name(Plane plane)
{
    return plane == Plane::Euclidean ? "Euclidean" : "Minkowski";
}
