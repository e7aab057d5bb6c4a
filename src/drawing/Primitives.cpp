#include "drawing/Primitives.h"

#include <GL/gl.h>

#include "drawing/PlotArea.h"
#include "drawing/VectorMarks.h"

namespace {

void DrawLargePoint(const FrameGeometry &at, float x, float y, bool blue)
{
    SetPointSize(float(4.0 * at.pixelRatio));
    if (blue)
        glColor3f(0, 0, 1);
    glEnable(GL_POINT_SMOOTH);
    const WindowPoint p = WorldToWindow(at, x, y);
    glBegin(GL_POINTS);
    glVertex2f(p.x, p.y);
    glEnd();
    SetPointSize(float(1.1 * at.pixelRatio));
}

}  // namespace

void DrawPoint(const FrameGeometry &at, float x, float y)
{
    DrawLargePoint(at, x, y, false);
}

void DrawPedalPoint(const Frame &frame)
{
    DrawLargePoint(frame.at, frame.scene.pedalX, frame.scene.pedalY, true);
}

void DrawSegment(const FrameGeometry &at, float x1, float y1, float x2, float y2)
{
    SetLineWidth(float(2.0 * at.pixelRatio));
    glEnable(GL_LINE_SMOOTH);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    const WindowPoint from = WorldToWindow(at, x1, y1);
    const WindowPoint to = WorldToWindow(at, x2, y2);
    glBegin(GL_LINES);
    glVertex2f(from.x, from.y);
    glVertex2f(to.x, to.y);
    glEnd();
    SetLineWidth(at.pixelRatio);
}
