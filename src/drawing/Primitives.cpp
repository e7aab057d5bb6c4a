#include "drawing/Primitives.h"

#include <GL/gl.h>

#include "drawing/PlotArea.h"
#include "drawing/VectorMarks.h"
#include "model/PlotState.h"

namespace {

void DrawLargePoint(float x, float y, bool blue)
{
    SetPointSize(float(4.0 * plot.pixelRatio));
    if (blue)
        glColor3f(0, 0, 1);
    glEnable(GL_POINT_SMOOTH);
    const WindowPoint at = WorldToWindow(x, y);
    glBegin(GL_POINTS);
    glVertex2f(at.x, at.y);
    glEnd();
    SetPointSize(float(1.1 * plot.pixelRatio));
}

}  // namespace

void DrawPoint(float x, float y)
{
    DrawLargePoint(x, y, false);
}

void DrawPedalPoint()
{
    DrawLargePoint(plot.pedalX, plot.pedalY, true);
}

void DrawSegment(float x1, float y1, float x2, float y2)
{
    SetLineWidth(float(2.0 * plot.pixelRatio));
    glEnable(GL_LINE_SMOOTH);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    const WindowPoint from = WorldToWindow(x1, y1);
    const WindowPoint to = WorldToWindow(x2, y2);
    glBegin(GL_LINES);
    glVertex2f(from.x, from.y);
    glVertex2f(to.x, to.y);
    glEnd();
    SetLineWidth(plot.pixelRatio);
}
