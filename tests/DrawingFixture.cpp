#include "DrawingFixture.h"

#include <GL/gl.h>
#include <QCheckBox>
#include <QTimer>
#include <cmath>

#include "drawing/Pedal.h"
#include "drawing/PlotArea.h"
#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/RenderScene.h"
#include "window/controls/Adapters.h"

ScratchContext *DrawingTest::context = nullptr;

void DrawingTest::SetUpTestSuite()
{
    if (!Form1) {
        new TForm1;  // the designed 1091 x 690 client area, never shown
        Form1->tickTimer->stop();
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
    SetScale(InitialUnit);
    for (QCheckBox *box : {Form1->tangentNormalCheck, Form1->selectedPointCheck, Form1->animationCheck})
        box->setChecked(false);
    Form1->selectedPointTrack->SetMin(0);
    Form1->selectedPointTrack->SetMax(628);
    Form1->selectedPointTrack->SetPosition(0);
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

namespace {

// The curve of a list index given as a number; a fraction or any other number names none.
const CurveRow *CurveFor(float curveIndex)
{
    const int index = int(curveIndex);
    return float(index) == curveIndex ? CurveAt(index) : nullptr;
}

}  // namespace

std::vector<FeedbackPrimitive> DrawingTest::Record(void (*draw)(const CurveRow *), float curveIndex)
{
    return Record([&] { draw(CurveFor(curveIndex)); });
}

std::vector<FeedbackPrimitive> DrawingTest::Record(void (*draw)(const CurveRow *, const TraceRoute &), float curveIndex)
{
    return Record([&] { draw(CurveFor(curveIndex), Everywhere()); });
}

std::vector<FeedbackPrimitive> DrawingTest::Record(void (*draw)(const Frame &, const CurveRow *), float curveIndex)
{
    return Record([&] {
        SelectedPointFromTrackBar(*Form1);
        draw(ReadFrame(*Form1), CurveFor(curveIndex));
    });
}

void DrawingTest::StoreFootAt(float curveIndex, float t)
{
    StoreFoot(FootAt(CurveFor(curveIndex), t));
}

std::vector<FeedbackPrimitive> DrawingTest::Record(const std::function<void()> &draw)
{
    // A frame derives its origin once, before it draws.
    UpdateOrigin({Form1->ClientWidth(), Form1->ClientHeight()});
    std::vector<float> buffer(4 * 1024 * 1024);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
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
