#include "DrawingFixture.h"

#include <GL/gl.h>
#include <QTimer>
#include <cmath>

#include "drawing/Layer.h"
#include "drawing/PlotArea.h"
#include "maths/SceneFoot.h"
#include "window/MainWindow.h"

ScratchContext *DrawingTest::context = nullptr;
MainWindow *DrawingTest::form = nullptr;
Scene DrawingTest::scene;
FrameGeometry DrawingTest::at;
LayerList DrawingTest::layers;

void DrawingTest::SetUpTestSuite()
{
    if (!form) {
        form = new MainWindow;  // the designed 1091 x 690 client area, never shown
        form->tickTimer->stop();
    }
    layers = StandardLayers();
    context = new ScratchContext;
}

void DrawingTest::TearDownTestSuite()
{
    delete context;
    context = nullptr;
}

void DrawingTest::SetUp()
{
    scene = Scene();
    at = FrameGeometry();
    SetScale(InitialUnit);
}

void DrawingTest::SetScale(float unit)
{
    at.unitPixels = unit;
    at.gridStepPixels = float(double(unit) * 0.5);
    at.plotWidthPixels = int(6 * double(unit));
    at.plotHeightPixels = int(6 * double(unit));
    at.gridXFrom = at.gridYFrom = -6;
    at.gridXTo = at.gridYTo = 6;
}

namespace {

// The curve of a list index given as a number; a fraction or any other number names none.
std::shared_ptr<const CurveRow> CurveFor(float curveIndex)
{
    const int index = int(curveIndex);
    return float(index) == curveIndex ? SharedCurveAt(index) : nullptr;
}

ClientSize DesignedClient()
{
    return {MainWindow::DesignedClientWidth, MainWindow::DesignedClientHeight};
}

}  // namespace

Frame DrawingTest::FrameFor(float curveIndex)
{
    // A frame derives its origin once, before it draws.
    const DoublePoint origin =
        OriginFor(CurrentArea(DesignedClient(), at), scene.xMin, scene.yMin, scene.yMax, at.unitPixels);
    at.originX = float(origin.x);
    at.originY = float(origin.y);
    Frame frame;
    frame.scene = scene;
    frame.scene.curve = CurveFor(curveIndex);
    frame.layers = &layers;
    frame.client = DesignedClient();
    frame.pictureWidth = frame.client.width - PanelsWidth;
    frame.pictureHeight = frame.client.height - PanelsHeight;
    frame.at = at;
    frame.fontListBase = form->fontListBase;
    return frame;
}

std::vector<FeedbackPrimitive> DrawingTest::Record(void (*draw)(const Frame &), float curveIndex)
{
    const Frame frame = FrameFor(curveIndex);
    return Record([&] { draw(frame); });
}

std::vector<FeedbackPrimitive> DrawingTest::RecordConstruction(float curveIndex)
{
    FitSelectedPoint(scene);
    const Frame frame = FrameFor(curveIndex);
    return Record([&] {
        for (const char *id : {"selectedPoint", "tangentAndNormal"}) {
            const Layer *layer = LayerOf(layers, id);
            if (layer->DrawnIn(frame))
                layer->draw(frame);
        }
    });
}

Foot DrawingTest::FootAtIndex(float curveIndex, float t)
{
    return FootAt(*CurveFor(curveIndex), scene, t);
}

std::vector<FeedbackPrimitive> DrawingTest::Record(const std::function<void()> &draw)
{
    FrameFor(-1);  // the origin
    std::vector<float> buffer(4 * 1024 * 1024);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const int used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "feedback buffer overflow";
    return used < 0 ? std::vector<FeedbackPrimitive>{} : ParseFeedback(buffer, used, MainWindow::DesignedClientHeight);
}

WorldPoint DrawingTest::ToWorld(const FeedbackVertex &v)
{
    return {(double(v.x) - at.originX) / at.unitPixels, -(double(v.y) - at.originY) / at.unitPixels};
}

bool DrawingTest::HasColour(const FeedbackVertex &v, double r, double g, double b)
{
    const double tol = 1e-6;
    return std::abs(v.r - r) < tol && std::abs(v.g - g) < tol && std::abs(v.b - b) < tol;
}

const char *Name(Plane plane)
{
    return plane == Plane::Euclidean ? "Euclidean" : "Minkowski";
}
